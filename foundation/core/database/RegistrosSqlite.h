#pragma once

#include "foundation/core/database/RegistrosCampos.h"
#include "foundation/core/database/SentenciaSqlite.h"

#include <memory>
#include <span>

namespace NVLALotes {

class Conexion;

// A result of the embedded engine, stepped on its own statement. A list of
// 100,000 lots needs only the fields each row asks for, read when they are
// asked for, with no value made of the others. It holds its connection, so
// the handle its statement was prepared on outlives it.
class RegistrosSqlite final : public RegistrosCampos
{
public:
    // `sentencia` has been stepped once already (the engine reports most
    // failures of a query at its first row); `hayPrimero` is what that step gave.
    RegistrosSqlite(std::shared_ptr<const Conexion> conexion, std::unique_ptr<SentenciaSqlite> sentencia,
                    bool hayPrimero);

    // The field names and the conversion each declared type asks for.
    static QStringList nombres(const SentenciaSqlite &sentencia);
    static QList<ConversionColumna> conversiones(const SentenciaSqlite &sentencia);

    bool siguiente() override;
    using RegistrosCampos::campo;
    QVariant campo(int indice) const override;
    QStringView texto(int indice) const override;

private:
    // The text of a text column. ASCII, the usual case, is widened into
    // `corto` when it fits, else into `otro`; any other text is decoded into `otro`.
    QStringView textoColumna(int indice, std::span<QChar> corto, QString &otro) const;

    std::shared_ptr<const Conexion> m_conexion; // first in, last out: the statement goes before it
    std::unique_ptr<SentenciaSqlite> m_sentencia;
    bool m_primero = true;
    bool m_hayPrimero;
};

} // namespace NVLALotes

#pragma once

#include "foundation/core/database/RegistrosQt.h"

#include <span>

struct sqlite3_stmt;

namespace NVLALotes {

// A result of the embedded engine, stepped on its own statement after Qt has
// opened it and handed the first record. Qt's driver turns every column of
// every record into a value as it steps; a list of 100,000 lots needs only the
// fields each row asks for, read when they are asked for. The values are the
// ones Qt would give.
class RegistrosSqlite final : public RegistrosQt
{
public:
    RegistrosSqlite(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta, QList<ConversionColumna> conversiones,
                    sqlite3_stmt *sentencia);

    bool siguiente() override;
    using RegistrosQt::campo;
    QVariant campo(int indice) const override;
    QStringView texto(int indice) const override;

private:
    // The text of a text column. ASCII, the usual case, is widened into
    // `corto` when it fits, else into `otro`; other text is the engine's own
    // UTF-16, valid until the next step.
    QStringView textoColumna(int indice, std::span<QChar> corto, QString &otro) const;

    sqlite3_stmt *m_sentencia; // owned by the query
    QSql::NumericalPrecisionPolicy m_precision;
    bool m_primero = true;
    // A statement stepped past its end starts over if stepped again.
    bool m_acabado = false;
};

} // namespace NVLALotes

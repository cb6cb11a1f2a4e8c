#pragma once

#include "foundation/core/database/DialectoQt.h"
#include "foundation/core/database/Registros.h"

#include <QSqlQuery>
#include <QStringList>

#include <memory>

namespace NVLALotes {

class Conexion;

// The result of a query on Qt SQL. It holds its connection, so the connection
// outlives every result read from it.
class RegistrosQt final : public Registros
{
public:
    RegistrosQt(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta, QList<ConversionColumna> conversiones);

    bool siguiente() override;
    QVariant campo(QStringView nombre) const override;
    QVariant campo(int indice) const override;
    int numeroCampos() const override { return int(m_nombres.size()); }

private:
    void comprobarRegistroActual() const;

    std::shared_ptr<const Conexion> m_conexion; // first in, last out: the query goes before it
    QSqlQuery m_consulta;
    QList<ConversionColumna> m_conversiones;
    // The field names, read once: a record hands out a copy of a field for each name asked.
    QStringList m_nombres;
    bool m_enRegistro = false;
};

} // namespace NVLALotes

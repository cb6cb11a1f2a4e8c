#pragma once

#include "foundation/core/database/RegistrosCampos.h"

#include <QSqlQuery>

#include <memory>

namespace NVLALotes {

class Conexion;

// The result of a query on Qt SQL. It holds its connection, so the connection
// outlives every result read from it.
class RegistrosQt final : public RegistrosCampos
{
public:
    RegistrosQt(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta, QList<ConversionColumna> conversiones);

    bool siguiente() override;
    using RegistrosCampos::campo;
    QVariant campo(int indice) const override;

private:
    std::shared_ptr<const Conexion> m_conexion; // first in, last out: the query goes before it
    QSqlQuery m_consulta;
};

} // namespace NVLALotes

#include "DialectoQt.h"

#include "foundation/database/UtilSql.h"

namespace NVLALotes {

Dialecto::~Dialecto() = default;

void DialectoQt::AlAbrir(QSqlDatabase &bd)
{
    bd.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
}

void DialectoQt::AlCerrar() {}

QList<ConversionColumna> DialectoQt::Conversiones(const QSqlQuery &) const
{
    return {};
}

void DialectoQt::IniciarTransaccion(QSqlDatabase &bd) const
{
    if (!bd.transaction())
        UtilSql::LanzarError(bd.lastError(), *this);
}

void DialectoQt::FijarTiempoEspera(QSqlDatabase &, QSqlQuery &, int) const {}

void DialectoQt::QuitarTiempoEspera(QSqlDatabase &) const {}

} // namespace NVLALotes

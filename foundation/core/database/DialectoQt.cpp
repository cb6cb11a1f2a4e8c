#include "DialectoQt.h"

#include "foundation/core/database/RegistrosQt.h"
#include "foundation/core/database/UtilSql.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

void DialectoQt::alAbrir(QSqlDatabase &bd)
{
    bd.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
}

void DialectoQt::alCerrar() {}

QList<ConversionColumna> DialectoQt::conversiones(const QSqlQuery & /*consulta*/) const
{
    return {};
}

std::unique_ptr<Registros> DialectoQt::registros(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta) const
{
    QList<ConversionColumna> tipos = conversiones(consulta);
    return std::make_unique<RegistrosQt>(std::move(conexion), std::move(consulta), std::move(tipos));
}

bool DialectoQt::sesionPerdida(QSqlDatabase & /*bd*/) const
{
    return false;
}

void DialectoQt::fijarTiempoEspera(QSqlDatabase & /*bd*/, QSqlQuery & /*consulta*/, int /*segundos*/) const {}

void DialectoQt::quitarTiempoEspera(QSqlDatabase & /*bd*/) const {}

} // namespace NVLALotes

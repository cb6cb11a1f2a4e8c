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

QStringList DialectoQt::sentenciasConPuntosGuardado(PasoTransaccion paso, int nivel, const QString &iniciar)
{
    const QString punto = u"nvla_%1"_s.arg(nivel);
    switch (paso) {
    case PasoTransaccion::Iniciar:
        return {nivel == 0 ? iniciar : u"SAVEPOINT "_s + punto};
    case PasoTransaccion::Confirmar:
        return {nivel == 0 ? u"COMMIT"_s : u"RELEASE SAVEPOINT "_s + punto};
    case PasoTransaccion::Deshacer:
        if (nivel == 0)
            return {u"ROLLBACK"_s};
        return {u"ROLLBACK TO SAVEPOINT "_s + punto, u"RELEASE SAVEPOINT "_s + punto};
    }
    return {};
}

bool DialectoQt::sesionPerdida(QSqlDatabase & /*bd*/) const
{
    return false;
}

void DialectoQt::fijarTiempoEspera(QSqlDatabase & /*bd*/, QSqlQuery & /*consulta*/, int /*segundos*/) const {}

void DialectoQt::quitarTiempoEspera(QSqlDatabase & /*bd*/) const {}

} // namespace NVLALotes

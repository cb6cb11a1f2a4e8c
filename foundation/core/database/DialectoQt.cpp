#include "DialectoQt.h"

#include "foundation/core/database/UtilSql.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

void DialectoQt::AlAbrir(QSqlDatabase &bd)
{
    bd.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
}

void DialectoQt::AlCerrar() {}

QList<ConversionColumna> DialectoQt::Conversiones(const QSqlQuery & /*consulta*/) const
{
    return {};
}

QStringList DialectoQt::SentenciasConPuntosGuardado(PasoTransaccion paso, int nivel, const QString &iniciar)
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

bool DialectoQt::SesionPerdida(QSqlDatabase & /*bd*/) const
{
    return false;
}

void DialectoQt::FijarTiempoEspera(QSqlDatabase & /*bd*/, QSqlQuery & /*consulta*/, int /*segundos*/) const {}

void DialectoQt::QuitarTiempoEspera(QSqlDatabase & /*bd*/) const {}

} // namespace NVLALotes

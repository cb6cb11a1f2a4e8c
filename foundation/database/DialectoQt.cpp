#include "DialectoQt.h"

#include "foundation/database/UtilSql.h"

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

QStringList DialectoQt::SentenciasPuntoGuardado(PasoTransaccion paso, int nivel)
{
    const QString punto = u"nvla_%1"_s.arg(nivel);
    switch (paso) {
    case PasoTransaccion::Iniciar:
        return {u"SAVEPOINT "_s + punto};
    case PasoTransaccion::Confirmar:
        return {u"RELEASE SAVEPOINT "_s + punto};
    case PasoTransaccion::Deshacer:
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

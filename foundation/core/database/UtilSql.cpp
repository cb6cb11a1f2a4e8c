#include "UtilSql.h"

#include "foundation/core/database/Comando.h"
#include "foundation/core/database/Dialecto.h"
#include "foundation/core/values/ErrorLotes.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::UtilSql {

QString descripcionError(const QSqlError &error)
{
    QString descripcion = error.databaseText().trimmed();
    const QString driver = error.driverText().trimmed();
    if (descripcion.isEmpty())
        descripcion = driver;
    else if (!driver.isEmpty() && !descripcion.contains(driver))
        descripcion += u" ("_s + driver + u')';
    if (descripcion.isEmpty())
        descripcion = u"Error desconocido de la base de datos."_s;
    return descripcion;
}

void lanzarError(const QSqlError &error, const Dialecto &dialecto)
{
    // A wait the engine gave up is told in the clerk's words: what the engine
    // says names no desk and no remedy. The states are PostgreSQL's lock and
    // statement timeouts and ODBC's timeout, which SQL Server's driver raises.
    const QString estado = error.nativeErrorCode();
    QString motivo;
    if (estado == u"55P03")
        motivo = u"Otro puesto tiene ocupados los datos que se necesitan y no los ha liberado a tiempo; no se ha "
                 u"hecho nada. Vuelva a intentarlo en unos momentos."_s;
    else if (estado == u"57014" || estado == u"HYT00")
        motivo = u"La base de datos ha tardado demasiado en responder y se ha cancelado la operación; no se ha "
                 u"hecho nada. Vuelva a intentarlo en unos momentos."_s;
    const QString descripcion = descripcionError(error);
    throw ErrorLotes(NumeroError::BaseDatos, motivo.isEmpty() ? descripcion : motivo + u"\n\n"_s + descripcion,
                     u"NVLALotes (%1)"_s.arg(dialecto.nombre()));
}

QSqlQuery ejecutar(QSqlDatabase &bd, const QString &sql, const Dialecto &dialecto)
{
    QSqlQuery consulta(bd);
    if (!consulta.exec(sql))
        lanzarError(consulta.lastError(), dialecto);
    return consulta;
}

QSqlQuery ejecutar(QSqlDatabase &bd, const QString &sql, const QVariantList &valores, const Dialecto &dialecto)
{
    QSqlQuery consulta(bd);
    if (!consulta.prepare(sql))
        lanzarError(consulta.lastError(), dialecto);
    for (const QVariant &valor : valores)
        consulta.addBindValue(valor);
    if (!consulta.exec())
        lanzarError(consulta.lastError(), dialecto);
    return consulta;
}

QVariant escalar(QSqlDatabase &bd, const QString &sql, const QVariantList &valores, const Dialecto &dialecto)
{
    QSqlQuery consulta = ejecutar(bd, sql, valores, dialecto);
    return consulta.next() ? consulta.value(0) : QVariant();
}

QList<int> posicionesArgumentos(const Comando &comando)
{
    QList<int> posiciones;
    for (int i = 0; i < comando.numeroParametros(); ++i) {
        if (comando.parametro(i).direccion != DireccionParametro::ValorRetorno)
            posiciones << i;
    }
    return posiciones;
}

void fijarValorRetorno(Comando &comando, int valor)
{
    for (int i = 0; i < comando.numeroParametros(); ++i) {
        if (comando.parametro(i).direccion == DireccionParametro::ValorRetorno)
            comando.parametro(i).valor = valor;
    }
}

} // namespace NVLALotes::UtilSql

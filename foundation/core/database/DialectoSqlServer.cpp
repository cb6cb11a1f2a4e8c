#include "DialectoSqlServer.h"

#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/UtilSql.h"

#include <QSqlDriver>
#include <QSqlResult>

#ifdef NVLA_CON_ODBC
#include <sql.h>
#include <sqlext.h>
#endif

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

QSql::ParamType tipoEnlace(DireccionParametro direccion)
{
    switch (direccion) {
    case DireccionParametro::Entrada:
        return QSql::In;
    case DireccionParametro::EntradaSalida:
        return QSql::InOut;
    default:
        return QSql::Out;
    }
}

bool esClaveDeFreeTds(const QString &clave)
{
    static const QStringList propias{u"Driver"_s, u"Server"_s, u"Port"_s, u"Database"_s, u"Uid"_s, u"Pwd"_s};
    return propias.contains(clave, Qt::CaseInsensitive);
}

} // namespace

QString DialectoSqlServer::nombre() const
{
    return u"SQL Server"_s;
}

QString DialectoSqlServer::driverQt() const
{
    return u"QODBC"_s;
}

QString DialectoSqlServer::textoOdbc(const CadenaConexion &cadena)
{
    QStringList partes;
    const bool freeTds = !cadena.driverOdbc() && cadena.driver().compare(u"FreeTDS"_s, Qt::CaseInsensitive) == 0;
    if (freeTds) {
        partes << u"DRIVER={FreeTDS}"_s << u"SERVER="_s + cadena.valor(u"Server")
               << u"PORT="_s + cadena.valor(u"Port", u"1433"_s) << u"DATABASE="_s + cadena.valor(u"Database")
               << u"UID="_s + cadena.valor(u"Uid") << u"PWD="_s + cadena.valor(u"Pwd");
        if (!cadena.contiene(u"TDS_Version"))
            partes << u"TDS_Version=7.4"_s;
        if (!cadena.contiene(u"ClientCharset"))
            partes << u"ClientCharset=UTF-8"_s;
    }
    for (const auto &[clave, valor] : cadena.pares()) {
        // Our own engine names stay here; an ODBC driver the host names goes with the rest.
        const bool propia = freeTds ? esClaveDeFreeTds(clave)
                                    : !cadena.driverOdbc() && clave.compare(u"Driver"_s, Qt::CaseInsensitive) == 0;
        if (!propia)
            partes << clave + u'=' + valor;
    }
    return partes.join(u';');
}

void DialectoSqlServer::configurar(QSqlDatabase &bd, const CadenaConexion &cadena)
{
    bd.setDatabaseName(textoOdbc(cadena));
}

void DialectoSqlServer::fijarTiempoEspera(QSqlDatabase & /*bd*/, QSqlQuery &consulta, int segundos) const
{
#ifdef NVLA_CON_ODBC
    const QVariant manejador = consulta.result() ? consulta.result()->handle() : QVariant();
    if (segundos <= 0 || !manejador.isValid() || manejador.metaType() != QMetaType::fromType<void *>())
        return;
    SQLHANDLE sentencia = *static_cast<SQLHANDLE const *>(manejador.constData());
    // ODBC passes an integer attribute in the place of its pointer argument.
    if (sentencia)
        SQLSetStmtAttr(sentencia, SQL_ATTR_QUERY_TIMEOUT,
                       reinterpret_cast<SQLPOINTER>(SQLULEN(segundos)), // NOLINT(*-reinterpret-cast,*-no-int-to-ptr)
                       0);
#else
    Q_UNUSED(consulta);
    Q_UNUSED(segundos);
#endif
}

QVariant DialectoSqlServer::valorEnlazado(const ParametroComando &parametro)
{
    if (parametro.esEntrada() && !parametro.valor.isNull())
        return parametro.valorParaMotor();
    // An output parameter must carry its type even while it has no value.
    switch (parametro.tipo) {
    case TipoDato::Moneda:
        return QVariant(QMetaType::fromType<double>());
    case TipoDato::FechaHora:
        return QVariant(QMetaType::fromType<QDate>());
    case TipoDato::TextoFijo:
    case TipoDato::TextoVariable:
        return QVariant(QMetaType::fromType<QString>());
    default:
        return QVariant(QMetaType::fromType<int>());
    }
}

QList<int> DialectoSqlServer::ordenMarcas(const Comando &comando)
{
    // The return value is the first marker of the escape, whatever its position.
    QList<int> orden;
    for (int i = 0; i < comando.numeroParametros(); ++i) {
        if (comando.parametro(i).direccion == DireccionParametro::ValorRetorno)
            orden.prepend(i);
        else
            orden.append(i);
    }
    return orden;
}

QString DialectoSqlServer::textoLlamada(const Comando &comando)
{
    QStringList marcas;
    bool conRetorno = false;
    for (const ParametroComando &parametro : comando.parametros()) {
        if (parametro.direccion == DireccionParametro::ValorRetorno)
            conRetorno = true;
        else
            marcas << u"?"_s;
    }
    return u"{%1CALL %2(%3)}"_s.arg(conRetorno ? u"? = "_s : QString(), comando.texto(), marcas.join(u','));
}

void DialectoSqlServer::ejecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const
{
    QSqlQuery consulta(bd);
    if (!consulta.prepare(textoLlamada(comando)))
        UtilSql::lanzarError(consulta.lastError(), *this);
    fijarTiempoEspera(bd, consulta, comando.tiempoEspera());
    const QList<int> orden = ordenMarcas(comando);
    for (int i = 0; i < orden.size(); ++i) {
        const ParametroComando &parametro = comando.parametro(orden[i]);
        consulta.bindValue(i, valorEnlazado(parametro), tipoEnlace(parametro.direccion));
    }
    if (!consulta.exec())
        UtilSql::lanzarError(consulta.lastError(), *this);
    for (int i = 0; i < orden.size(); ++i) {
        ParametroComando &parametro = comando.parametro(orden[i]);
        if (parametro.esSalida())
            parametro.valor = consulta.boundValue(i);
    }
}

bool DialectoSqlServer::sesionPerdida(QSqlDatabase &bd) const
{
#ifdef NVLA_CON_ODBC
    const QVariant manejador = bd.driver() ? bd.driver()->handle() : QVariant();
    if (!manejador.isValid() || manejador.metaType() != QMetaType::fromType<void *>())
        return false;
    SQLHANDLE conexion = *static_cast<SQLHANDLE const *>(manejador.constData());
    SQLUINTEGER muerta = SQL_CD_FALSE;
    return conexion != nullptr &&
           SQL_SUCCEEDED(SQLGetConnectAttr(conexion, SQL_ATTR_CONNECTION_DEAD, &muerta, SQL_IS_UINTEGER, nullptr)) &&
           muerta == SQL_CD_TRUE;
#else
    Q_UNUSED(bd);
    return false;
#endif
}

} // namespace NVLALotes

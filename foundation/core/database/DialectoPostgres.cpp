#include "DialectoPostgres.h"

#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/PuntosGuardado.h"
#include "foundation/core/database/TraduccionTSql.h"
#include "foundation/core/database/UtilSql.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlRecord>

#include <libpq-fe.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// The value written as a literal of the statement, escaped by the driver.
QString literal(const QSqlDatabase &bd, const QVariant &valor)
{
    QSqlField campo(QString(), valor.isValid() ? valor.metaType() : QMetaType::fromType<QString>());
    if (valor.isNull())
        campo.clear();
    else
        campo.setValue(valor);
    return bd.driver()->formatValue(campo);
}

void comprobarNombre(const QString &nombre)
{
    static const QRegularExpression identificador(u"^[A-Za-z_][A-Za-z0-9_.]*$"_s);
    if (!identificador.match(nombre).hasMatch())
        throw ErrorLotes(NumeroError::BaseDatos, u"Nombre de procedimiento no válido: «%1»."_s.arg(nombre),
                         u"NVLALotes (PostgreSQL)"_s);
}

} // namespace

QString DialectoPostgres::nombre() const
{
    return u"PostgreSQL"_s;
}

QString DialectoPostgres::traducir(const QString &sql) const
{
    using namespace TraduccionTSql;
    return ordenDeUnionSinAlias(deleteConJoinComoExists(nombreServidorDeTabla(isNullComoCoalesce(sql))));
}

QString DialectoPostgres::driverQt() const
{
    return u"QPSQL"_s;
}

void DialectoPostgres::configurar(QSqlDatabase &bd, const CadenaConexion &cadena)
{
    bd.setHostName(cadena.valor({u"Server", u"Host", u"Address"}, u"127.0.0.1"_s));
    bd.setPort(cadena.valor(u"Port", u"5432"_s).toInt());
    bd.setDatabaseName(cadena.valor({u"Database", u"Initial Catalog"}));
    bd.setUserName(cadena.valor({u"Uid", u"User", u"User ID", u"Username"}));
    bd.setPassword(cadena.valor({u"Pwd", u"Password"}));
    const QString espera = cadena.valor(u"Timeout", QString::number(EsperaConexionSegundos));
    bd.setConnectOptions(u"connect_timeout=%1;application_name=nvlalotes"_s.arg(espera));
    m_esperaBloqueoMs = cadena.esperaBloqueoMs();
}

void DialectoPostgres::alAbrir(QSqlDatabase &bd)
{
    // Numeric values as their text, never through a double: units keep all
    // of their digits.
    bd.setNumericalPrecisionPolicy(QSql::HighPrecision);
    UtilSql::ejecutar(bd, u"SET client_min_messages = warning"_s, *this);
    // Without it a statement waits for ever for a row another desk holds (the
    // lot stock procedure's lock included), and the clerk's dialog with it.
    UtilSql::ejecutar(bd, u"SET lock_timeout = "_s + ValorSql::numero(m_esperaBloqueoMs), *this);
}

QList<ConversionColumna> DialectoPostgres::conversiones(const QSqlQuery &consulta) const
{
    QList<ConversionColumna> conversiones;
    const QSqlRecord registro = consulta.record();
    for (int i = 0; i < registro.count(); ++i) {
        const bool decimal = registro.field(i).metaType().id() == QMetaType::Double;
        conversiones << (decimal ? ConversionColumna::Decimal : ConversionColumna::Ninguna);
    }
    return conversiones;
}

void DialectoPostgres::fijarTiempoEspera(QSqlDatabase &bd, QSqlQuery & /*consulta*/, int segundos) const
{
    if (segundos > 0)
        UtilSql::ejecutar(bd, u"SET statement_timeout = "_s + ValorSql::numero(qint64(segundos) * 1000), *this);
}

void DialectoPostgres::quitarTiempoEspera(QSqlDatabase &bd) const
{
    QSqlQuery(bd).exec(u"RESET statement_timeout"_s);
}

void DialectoPostgres::ejecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const
{
    comprobarNombre(comando.texto());
    const QList<int> posiciones = UtilSql::posicionesArgumentos(comando);
    QStringList argumentos;
    for (int posicion : posiciones) {
        const ParametroComando &parametro = comando.parametro(posicion);
        argumentos << literal(bd, parametro.esEntrada() ? parametro.valorParaMotor() : QVariant());
    }
    QSqlQuery llamada = UtilSql::ejecutar(bd, u"CALL %1(%2)"_s.arg(comando.texto(), argumentos.join(u", "_s)), *this);
    // A procedure answers its INOUT arguments as one row, in their order.
    if (llamada.next()) {
        int columna = 0;
        for (int posicion : posiciones) {
            ParametroComando &parametro = comando.parametro(posicion);
            if (parametro.esSalida() && columna < llamada.record().count())
                parametro.valor = llamada.value(columna++);
        }
    }
    UtilSql::fijarValorRetorno(comando, 0);
}

QStringList DialectoPostgres::sentenciasTransaccion(PasoTransaccion paso, int nivel) const
{
    return sentenciasConPuntosGuardado(paso, nivel, u"BEGIN"_s);
}

bool DialectoPostgres::sesionPerdida(QSqlDatabase &bd) const
{
    const QVariant manejador = bd.driver() ? bd.driver()->handle() : QVariant();
    // The driver hands the session out as libpq's own struct pointer.
    if (!manejador.isValid() || qstrcmp(manejador.typeName(), "pg_conn*") != 0)
        return false;
    auto *sesion = *static_cast<PGconn *const *>(manejador.constData());
    if (!sesion)
        return true;
    // A server that ends the session sends its reason before closing: libpq
    // notices the closed socket only once it reads what is left.
    if (PQstatus(sesion) == CONNECTION_OK)
        PQconsumeInput(sesion);
    return PQstatus(sesion) == CONNECTION_BAD;
}

} // namespace NVLALotes

#include "BaseDatosPrueba.h"

#include "db/BaseDatosHost.h"
#include "foundation/core/database/Registros.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <cmath>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

namespace {

// The connection string of the last SQLite file made.
QString &ultimoSqlite()
{
    static QString cadena;
    return cadena;
}

// The pairs of a connection string, less those of the given keys.
QStringList sinClaves(const QString &cadena, const QStringList &claves)
{
    QStringList pares = cadena.split(u';', Qt::SkipEmptyParts);
    pares.removeIf(
        [&](const QString &par) { return claves.contains(par.section(u'=', 0, 0).trimmed(), Qt::CaseInsensitive); });
    return pares;
}

// This run's PostgreSQL database.
const QString NombrePostgres = u"nvla_prueba_%1"_s.arg(QCoreApplication::applicationPid());

void borrarBasePostgres()
{
    try {
        Conexion::abrir(qEnvironmentVariable("NVLA_PG"))
            ->ejecutar(u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(NombrePostgres));
    } catch (const ErrorLotes &error) {
        qWarning("could not drop the test database: %s", qPrintable(textoError(error)));
    }
}

// The PostgreSQL database of this run (NVLA_PG with its own Database):
// created on first use, dropped when the application ends.
QString basePostgres()
{
    static QString postgres;
    if (!postgres.isEmpty())
        return postgres;
    const QString servidor = qEnvironmentVariable("NVLA_PG");
    borrarBasePostgres();
    Conexion::abrir(servidor)->ejecutar(u"CREATE DATABASE "_s + NombrePostgres);
    postgres = sinClaves(servidor, {u"Database"_s}).join(u';') + u";Database="_s + NombrePostgres;
    qAddPostRoutine(&borrarBasePostgres);
    return postgres;
}

// The same PostgreSQL database reached through unixODBC and Debian's PostgreSQL
// ODBC driver, as the host's SQL Server is: the library's ODBC plumbing
// (binding, output parameters, static cursors, the connection-dead attribute)
// then runs for real.
QString cadenaOdbc()
{
    return (QStringList{u"Driver={PostgreSQL Unicode}"_s} + sinClaves(basePostgres(), {u"Driver"_s, u"Timeout"_s}))
        .join(u';');
}

// A fresh database: a new schema on PostgreSQL (also under ODBC), a new file on SQLite.
std::shared_ptr<Conexion> nueva(const QString &motor)
{
    if (motor != u"sqlite"_s) {
        auto conexion = Conexion::abrir(basePostgres());
        for (const QString &sql : {u"DROP SCHEMA IF EXISTS dbo CASCADE"_s, u"DROP SCHEMA IF EXISTS public CASCADE"_s,
                                   u"CREATE SCHEMA public"_s})
            conexion->ejecutar(sql);
        return conexion;
    }
    static QTemporaryDir carpeta;
    static int numero = 0;
    ultimoSqlite() = BaseDatosHost::cadenaSqlite(carpeta.filePath(u"prueba-%1.db"_s.arg(++numero)));
    return Conexion::abrir(ultimoSqlite());
}

} // namespace

bool postgresObligatorio()
{
    return qEnvironmentVariable("NVLA_PG_OBLIGATORIO") == u"1"_s ||
           qEnvironmentVariable("CI").compare(u"true"_s, Qt::CaseInsensitive) == 0;
}

QStringList motores()
{
    const QString elegidos = qEnvironmentVariable("NVLA_MOTORES", u"sqlite,postgresql"_s);
    QStringList motores{u"sqlite"_s, u"postgresql"_s, u"odbc"_s};
    motores.removeIf([&](const QString &motor) { return !elegidos.contains(motor, Qt::CaseInsensitive); });
    return motores;
}

void filasPorMotor()
{
    QTest::addColumn<QString>("motor");
    for (const QString &motor : motores())
        QTest::newRow(qPrintable(motor)) << motor;
}

std::shared_ptr<Conexion> BaseDatosPrueba::crear(const QString &motor, bool conDemo, QString *motivo, bool *omitir)
{
    *omitir = false;
    if (motor != u"sqlite"_s && qEnvironmentVariableIsEmpty("NVLA_PG")) {
        *omitir = !postgresObligatorio();
        *motivo = u"PostgreSQL: NVLA_PG no está definida (scripts/postgres-pruebas.sh arranca un servidor)"_s;
        return nullptr;
    }
    try {
        auto conexion = nueva(motor);
        BaseDatosHost::crearEsquema(*conexion);
        if (conDemo)
            BaseDatosHost::cargarDatosDemo(*conexion);
        return motor == u"odbc"_s ? Conexion::abrir(cadenaOdbc()) : conexion;
    } catch (const ErrorLotes &error) {
        *motivo = motor + u": "_s + textoError(error);
        return nullptr;
    }
}

QString BaseDatosPrueba::cadena(const QString &motor)
{
    return motor == u"odbc"_s ? cadenaOdbc() : motor == u"postgresql"_s ? basePostgres() : ultimoSqlite();
}

QString textoValor(const QVariant &valor)
{
    if (valor.isNull())
        return u"NULL"_s;
    switch (valor.metaType().id()) {
    case QMetaType::QTime:
        return valor.toTime().toString(u"HH:mm:ss"_s);
    case QMetaType::QDateTime:
        return valor.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s);
    case QMetaType::Double:
    case QMetaType::Float: { // to four decimals, in the fewest digits
        const double redondeado = std::round(valor.toDouble() * 10000) / 10000;
        return QString::number(redondeado == 0 ? 0.0 : redondeado, 'f', QLocale::FloatingPointShortest);
    }
    default: // a date as yyyy-MM-dd
        return valor.toString();
    }
}

QStringList filasDe(Conexion &conexion, const QString &sql)
{
    QStringList filas;
    auto registros = conexion.abrirConsulta(sql);
    while (registros->siguiente()) {
        QStringList campos;
        for (int i = 0; i < registros->numeroCampos(); ++i)
            campos << textoValor(registros->campo(i));
        filas << campos.join(u'|');
    }
    return filas;
}

QString textoError(const ErrorLotes &error)
{
    return u"[%1] %2 (%3)"_s.arg(error.Number()).arg(error.Description(), error.Source());
}

} // namespace NVLALotes::Pruebas

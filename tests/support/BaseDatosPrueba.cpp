#include "BaseDatosPrueba.h"

#include "db/BaseDatosHost.h"
#include "foundation/core/database/Registros.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

namespace {

// The connection string of the last database made for each engine.
QString &cadena(const QString &motor)
{
    static QString postgres;
    static QString sqlite;
    return motor == u"postgresql"_s ? postgres : sqlite;
}

QString nombrePostgres()
{
    return u"nvla_prueba_%1"_s.arg(QCoreApplication::applicationPid());
}

void borrarBasePostgres()
{
    try {
        Conexion::Abrir(qEnvironmentVariable("NVLA_PG"))
            ->Ejecutar(u"DROP DATABASE IF EXISTS %1 WITH (FORCE)"_s.arg(nombrePostgres()));
    } catch (const ErrorLotes &error) {
        qWarning("could not drop the test database: %s", qPrintable(TextoError(error)));
    }
}

// The PostgreSQL database of this run (NVLA_PG with its own Database):
// created on first use, dropped when the application ends.
QString basePostgres()
{
    QString &postgres = cadena(u"postgresql"_s);
    if (!postgres.isEmpty())
        return postgres;
    const QString servidor = qEnvironmentVariable("NVLA_PG");
    borrarBasePostgres();
    Conexion::Abrir(servidor)->Ejecutar(u"CREATE DATABASE "_s + nombrePostgres());
    QStringList partes = servidor.split(u';', Qt::SkipEmptyParts);
    partes.removeIf([](const QString &par) { return par.trimmed().startsWith(u"Database="_s, Qt::CaseInsensitive); });
    postgres = partes.join(u';') + u";Database="_s + nombrePostgres();
    qAddPostRoutine(&borrarBasePostgres);
    return postgres;
}

// The same PostgreSQL database reached through unixODBC and Debian's PostgreSQL
// ODBC driver, as the host's SQL Server is: the library's ODBC plumbing
// (binding, output parameters, static cursors, the connection-dead attribute)
// then runs for real.
QString cadenaOdbc()
{
    QStringList partes{u"Driver={PostgreSQL Unicode}"_s};
    for (const QString &par : basePostgres().split(u';', Qt::SkipEmptyParts)) {
        if (!par.trimmed().startsWith(u"Driver="_s, Qt::CaseInsensitive) &&
            !par.trimmed().startsWith(u"Timeout="_s, Qt::CaseInsensitive))
            partes << par;
    }
    return partes.join(u';');
}

// A fresh database: a new schema on PostgreSQL (also under ODBC), a new file on SQLite.
std::shared_ptr<Conexion> nueva(const QString &motor)
{
    if (motor != u"sqlite"_s) {
        auto conexion = Conexion::Abrir(basePostgres());
        for (const QString &sql : {u"DROP SCHEMA IF EXISTS dbo CASCADE"_s, u"DROP SCHEMA IF EXISTS public CASCADE"_s,
                                   u"CREATE SCHEMA public"_s})
            conexion->Ejecutar(sql);
        return conexion;
    }
    static QTemporaryDir carpeta;
    static int numero = 0;
    cadena(motor) = BaseDatosHost::CadenaSqlite(carpeta.filePath(u"prueba-%1.db"_s.arg(++numero)));
    return Conexion::Abrir(cadena(motor));
}

} // namespace

bool PostgresObligatorio()
{
    return qEnvironmentVariable("NVLA_PG_OBLIGATORIO") == u"1"_s ||
           qEnvironmentVariable("CI").compare(u"true"_s, Qt::CaseInsensitive) == 0;
}

QStringList Motores()
{
    const QString elegidos = qEnvironmentVariable("NVLA_MOTORES", u"sqlite,postgresql"_s);
    QStringList motores{u"sqlite"_s, u"postgresql"_s, u"odbc"_s};
    motores.removeIf([&](const QString &motor) { return !elegidos.contains(motor, Qt::CaseInsensitive); });
    return motores;
}

void FilasPorMotor()
{
    QTest::addColumn<QString>("motor");
    for (const QString &motor : Motores())
        QTest::newRow(qPrintable(motor)) << motor;
}

std::shared_ptr<Conexion> BaseDatosPrueba::Crear(const QString &motor, bool conDemo, QString *motivo, bool *omitir)
{
    *omitir = false;
    if (motor != u"sqlite"_s && qEnvironmentVariableIsEmpty("NVLA_PG")) {
        *omitir = !PostgresObligatorio();
        *motivo = u"PostgreSQL: NVLA_PG no está definida (scripts/postgres-pruebas.sh arranca un servidor)"_s;
        return nullptr;
    }
    try {
        auto conexion = nueva(motor);
        BaseDatosHost::CrearEsquema(*conexion);
        if (conDemo)
            BaseDatosHost::CargarDatosDemo(*conexion);
        return motor == u"odbc"_s ? Conexion::Abrir(cadenaOdbc()) : conexion;
    } catch (const ErrorLotes &error) {
        *motivo = motor + u": "_s + TextoError(error);
        return nullptr;
    }
}

std::shared_ptr<Conexion> BaseDatosPrueba::OtraConexion(const QString &motor)
{
    return Conexion::Abrir(Cadena(motor));
}

QString BaseDatosPrueba::Cadena(const QString &motor)
{
    if (motor == u"odbc"_s)
        return cadenaOdbc();
    return motor == u"postgresql"_s ? basePostgres() : cadena(motor);
}

QString TextoValor(const QVariant &valor)
{
    if (valor.isNull())
        return u"NULL"_s;
    switch (valor.metaType().id()) {
    case QMetaType::QDate:
        return valor.toDate().toString(Qt::ISODate);
    case QMetaType::QTime:
        return valor.toTime().toString(u"HH:mm:ss"_s);
    case QMetaType::QDateTime:
        return valor.toDateTime().toString(u"yyyy-MM-dd HH:mm:ss"_s);
    case QMetaType::Double:
    case QMetaType::Float: {
        QString texto = QString::number(valor.toDouble(), 'f', 4);
        while (texto.endsWith(u'0'))
            texto.chop(1);
        if (texto.endsWith(u'.'))
            texto.chop(1);
        return texto == u"-0"_s ? u"0"_s : texto;
    }
    default:
        return valor.toString();
    }
}

QStringList FilasDe(Conexion &conexion, const QString &sql)
{
    QStringList filas;
    auto registros = conexion.AbrirConsulta(sql);
    while (registros->Siguiente()) {
        QStringList campos;
        for (int i = 0; i < registros->NumeroCampos(); ++i)
            campos << TextoValor(registros->Campo(i));
        filas << campos.join(u'|');
    }
    return filas;
}

QString TextoError(const ErrorLotes &error)
{
    return u"[%1] %2 (%3)"_s.arg(error.Number()).arg(error.Description(), error.Source());
}

} // namespace NVLALotes::Pruebas

#include "DialectoSqlite.h"

#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/ProcedimientoSqlite.h"
#include "foundation/core/database/RegistrosSqlite.h"
#include "foundation/core/database/TraduccionTSql.h"
#include "foundation/core/database/UtilSql.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QSqlResult>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

ConversionColumna conversionDeTipo(const char *tipoDeclarado)
{
    if (!tipoDeclarado)
        return ConversionColumna::Ninguna;
    const QByteArray tipo = QByteArray(tipoDeclarado).toUpper();
    if (tipo == "DATE")
        return ConversionColumna::Fecha;
    if (tipo == "DATETIME" || tipo == "TIMESTAMP")
        return ConversionColumna::FechaHora;
    if (tipo == "TIME")
        return ConversionColumna::Hora;
    return ConversionColumna::Ninguna;
}

} // namespace

QString DialectoSqlite::nombre() const
{
    return u"SQLite"_s;
}

QString DialectoSqlite::traducir(const QString &sql) const
{
    using namespace TraduccionTSql;
    return deleteConJoinComoExists(nombreServidorDeTabla(isNullComoCoalesce(quitarEsquemaDbo(sql))));
}

QString DialectoSqlite::driverQt() const
{
    return u"QSQLITE"_s;
}

void DialectoSqlite::configurar(QSqlDatabase &bd, const CadenaConexion &cadena)
{
    const QString archivo = cadena.valor({u"Database", u"Data Source", u"DataSource"});
    if (archivo.isEmpty())
        throw ErrorLotes(NumeroError::ConexionNoValida,
                         u"La cadena de conexión de SQLite no indica el archivo (Database=...)."_s,
                         u"NVLALotes.Conexion"_s);
    bd.setDatabaseName(archivo);
    const int espera = cadena.valor(u"BusyTimeout", QString::number(EsperaBloqueoMs)).toInt();
    bd.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(espera));
    m_esperaBloqueoMs = espera;
}

void DialectoSqlite::alAbrir(QSqlDatabase &bd)
{
    DialectoQt::alAbrir(bd);
    UtilSql::ejecutar(bd, u"PRAGMA foreign_keys = ON"_s, *this);
    // WAL lets readers go on while the procedure writes; a database in memory
    // keeps its own journal, which is fine.
    UtilSql::ejecutar(bd, u"PRAGMA journal_mode = WAL"_s, *this);
    // A lot list of an article with many lots visits its pages in key order,
    // not in file order; with the default cache of 2 MiB every visit would be
    // a read from the system.
    UtilSql::ejecutar(bd, u"PRAGMA cache_size = -65536"_s, *this);
    // The keys a list's NOT IN sets aside, and the rows a UNION sorts, stay in
    // memory: in a temporary file, whose cache is the default 2 MiB, an
    // article with a million lots writes and reads them back before its first row.
    UtilSql::ejecutar(bd, u"PRAGMA temp_store = MEMORY"_s, *this);
    sqlite3 *manejador = manejadorSqlite(bd);
    if (!manejador || !m_funciones.registrar(manejador))
        throw ErrorLotes(NumeroError::BaseDatos,
                         u"No se pudieron registrar las funciones de la base de datos en SQLite."_s,
                         u"NVLALotes (SQLite)"_s);
}

void DialectoSqlite::alCerrar()
{
    m_funciones.liberar();
}

namespace {

sqlite3_stmt *sentenciaSqlite(const QSqlQuery &consulta)
{
    const QVariant manejador = consulta.result() ? consulta.result()->handle() : QVariant();
    if (!manejador.isValid() || qstrcmp(manejador.typeName(), "sqlite3_stmt*") != 0)
        return nullptr;
    return *static_cast<sqlite3_stmt *const *>(manejador.constData());
}

} // namespace

std::unique_ptr<Registros> DialectoSqlite::registros(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta) const
{
    sqlite3_stmt *sentencia = sentenciaSqlite(consulta);
    if (!sentencia || !consulta.isForwardOnly())
        return DialectoQt::registros(std::move(conexion), std::move(consulta));
    QList<ConversionColumna> tipos = conversiones(consulta);
    return std::make_unique<RegistrosSqlite>(std::move(conexion), std::move(consulta), std::move(tipos), sentencia);
}

QList<ConversionColumna> DialectoSqlite::conversiones(const QSqlQuery &consulta) const
{
    QList<ConversionColumna> conversiones;
    sqlite3_stmt *sentencia = sentenciaSqlite(consulta);
    if (!sentencia)
        return conversiones;
    const int columnas = sqlite3_column_count(sentencia);
    for (int i = 0; i < columnas; ++i)
        conversiones << conversionDeTipo(sqlite3_column_decltype(sentencia, i));
    return conversiones;
}

QStringList DialectoSqlite::sentenciasTransaccion(PasoTransaccion paso, int nivel) const
{
    // Take the write lock at once, so that two writers queue instead of one of
    // them failing halfway through its work.
    return sentenciasConPuntosGuardado(paso, nivel, u"BEGIN IMMEDIATE"_s);
}

void DialectoSqlite::fijarTiempoEspera(QSqlDatabase &bd, QSqlQuery & /*consulta*/, int segundos) const
{
    // SQLite has no statement timeout; what a command can wait for is the
    // lock of another writer.
    if (sqlite3 *manejador = manejadorSqlite(bd); manejador && segundos > 0)
        sqlite3_busy_timeout(manejador, segundos * 1000);
}

void DialectoSqlite::quitarTiempoEspera(QSqlDatabase &bd) const
{
    if (sqlite3 *manejador = manejadorSqlite(bd))
        sqlite3_busy_timeout(manejador, m_esperaBloqueoMs);
}

void DialectoSqlite::ejecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const
{
    ProcedimientoSqlite::ejecutar(bd, comando, *this);
}

} // namespace NVLALotes

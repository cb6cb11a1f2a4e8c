#include "ConexionSqlite.h"

#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/ProcedimientoSqlite.h"
#include "foundation/core/database/RegistrosSqlite.h"
#include "foundation/core/values/ErrorLotes.h"

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// A command's own wait for another writer's lock (SQLite has no statement
// timeout), back to the connection's wait however the run ends.
class EsperaComando
{
public:
    EsperaComando(sqlite3 *bd, int segundos, int esperaConexionMs)
        : m_bd(bd)
        , m_esperaConexionMs(esperaConexionMs)
    {
        if (segundos > 0)
            sqlite3_busy_timeout(m_bd, segundos * 1000);
    }
    ~EsperaComando() { sqlite3_busy_timeout(m_bd, m_esperaConexionMs); }
    EsperaComando(const EsperaComando &) = delete;
    EsperaComando &operator=(const EsperaComando &) = delete;

private:
    sqlite3 *m_bd;
    int m_esperaConexionMs;
};

} // namespace

void ConexionSqlite::Cerrar::operator()(sqlite3 *bd) const
{
    sqlite3_close_v2(bd);
}

ConexionSqlite::ConexionSqlite(const CadenaConexion &cadena)
{
    const QString archivo = cadena.valor({u"Database", u"Data Source", u"DataSource"});
    if (archivo.isEmpty())
        throw ErrorLotes(NumeroError::ConexionNoValida,
                         u"La cadena de conexión de SQLite no indica el archivo (Database=...)."_s,
                         u"NVLALotes.Conexion"_s);
    m_esperaBloqueoMs = cadena.esperaBloqueoMs();
    sqlite3 *bd = nullptr;
    // A connection is used from one thread at a time: without the engine's
    // own mutex, every step and every field read of a long list costs no lock.
    const int abierta = sqlite3_open_v2(archivo.toUtf8().constData(), &bd,
                                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    m_bd.reset(bd); // a handle comes even when the open fails, and is closed all the same
    try {
        if (abierta != SQLITE_OK)
            lanzarErrorSqlite(bd);
        configurar();
    } catch (const ErrorLotes &error) {
        throw ErrorLotes(
            NumeroError::ConexionNoValida,
            u"No se pudo abrir la base de datos (%1): %2"_s.arg(cadena.textoSinClave(), error.Description()),
            u"NVLALotes.Conexion"_s);
    }
}

void ConexionSqlite::configurar()
{
    sqlite3_busy_timeout(m_bd.get(), m_esperaBloqueoMs);
    ejecutar(u"PRAGMA foreign_keys = ON"_s);
    // WAL lets readers go on while the procedure writes; a database in memory
    // keeps its own journal, which is fine.
    ejecutar(u"PRAGMA journal_mode = WAL"_s);
    // A lot list of an article with many lots visits its pages in key order,
    // not in file order; with the default cache of 2 MiB every visit would be
    // a read from the system.
    ejecutar(u"PRAGMA cache_size = -65536"_s);
    // The keys a list's NOT IN sets aside, and the rows a UNION sorts, stay in
    // memory: in a temporary file, whose cache is the default 2 MiB, an
    // article with a million lots writes and reads them back before its first row.
    ejecutar(u"PRAGMA temp_store = MEMORY"_s);
    if (!m_funciones.registrar(m_bd.get()))
        throw ErrorLotes(NumeroError::BaseDatos,
                         u"No se pudieron registrar las funciones de la base de datos en SQLite."_s, fuenteSqlite());
}

// The members go in reverse order: cached statements, the functions'
// statements, then the handle they were prepared on.
ConexionSqlite::~ConexionSqlite() = default;

std::unique_ptr<Registros> ConexionSqlite::abrirConsulta(const QString &sql)
{
    auto sentencia = std::make_unique<SentenciaSqlite>(m_bd.get(), m_dialecto.traducir(sql));
    // The first row is taken now: a query the engine cannot run fails here, not at its first read.
    const bool hayPrimero = sentencia->paso();
    return std::make_unique<RegistrosSqlite>(weak_from_this().lock(), std::move(sentencia), hayPrimero);
}

qint64 ConexionSqlite::ejecutar(const QString &sql)
{
    SentenciaSqlite sentencia(m_bd.get(), m_dialecto.traducir(sql));
    sentencia.ejecutarHastaElFinal();
    return sqlite3_changes64(m_bd.get());
}

void ConexionSqlite::ejecutarComando(Comando &comando)
{
    if (comando.tipo() == TipoComando::Texto)
        return ejecutarTexto(comando);
    // The procedure is several statements: one unit of work makes it atomic.
    enTransaccion(*this, [&] {
        EsperaComando espera(m_bd.get(), comando.tiempoEspera(), m_esperaBloqueoMs);
        ProcedimientoSqlite::ejecutar(m_bd.get(), comando);
    });
}

void ConexionSqlite::ejecutarTexto(Comando &comando)
{
    const QString sql = m_dialecto.traducir(comando.texto());
    std::optional<SentenciaSqlite> local;
    SentenciaSqlite &sentencia = comando.preparado() ? sentenciaPreparada(sql) : local.emplace(m_bd.get(), sql);
    sentencia.reiniciar();
    const QList<ParametroComando> &parametros = comando.parametros();
    for (int i = 0; i < parametros.size(); ++i)
        sentencia.enlazar(i + 1, parametros[i].valorParaMotor());
    {
        EsperaComando espera(m_bd.get(), comando.tiempoEspera(), m_esperaBloqueoMs);
        sentencia.paso();
    }
    comando.setFilasAfectadas(sqlite3_changes64(m_bd.get()));
    // The engine writes nothing back: an output parameter keeps what was sent.
    for (int i = 0; i < parametros.size(); ++i) {
        if (parametros[i].esSalida())
            comando.parametro(i).valor = parametros[i].valorParaMotor();
    }
    // A finished statement holds no lock and stays compiled for its next run.
    sentencia.reiniciar();
}

SentenciaSqlite &ConexionSqlite::sentenciaPreparada(const QString &sql)
{
    auto encontrada = m_preparadas.constFind(sql);
    if (encontrada != m_preparadas.constEnd())
        return **encontrada;
    auto sentencia = std::make_shared<SentenciaSqlite>(m_bd.get(), sql);
    m_preparadas.insert(sql, sentencia);
    return *sentencia;
}

void ConexionSqlite::ejecutarPasoTransaccion(PasoTransaccion paso, int nivel)
{
    for (const QString &sentencia : m_dialecto.sentenciasTransaccion(paso, nivel))
        ejecutar(sentencia);
}

} // namespace NVLALotes

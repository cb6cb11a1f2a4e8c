#include "bench/CargaServidor.h"

#include "bench/OficinistaCarga.h"
#include "db/BaseDatosHost.h"
#include "db/GeneradorDatos.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/Registros.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace NVLALotes::Carga {

namespace {

constexpr int PausaReinicioMs = 2000; // the server stays down this long

// The benchmark's own server, started by the tests' script on another port.
class Servidor
{
public:
    Servidor()
    {
        QFile::setPermissions(m_carpeta.path(), QFile::permissions(m_carpeta.path()) | QFile::ExeOther |
                                                    QFile::ExeGroup | QFile::ReadOther | QFile::ReadGroup);
        m_dir = qEnvironmentVariable("NVLA_CARGA_DIR", m_carpeta.filePath(u"pg"_s));
    }
    ~Servidor() { script({u"stop"_s, m_dir}); }
    Servidor(const Servidor &) = delete;
    Servidor &operator=(const Servidor &) = delete;

    bool arrancar() { return script({m_dir}); }
    bool parar() { return script({u"stop"_s, m_dir}); }
    QString cadena(const QString &base) const
    {
        return u"Driver=PostgreSQL;Server=127.0.0.1;Port=%1;Database=%2;Uid=postgres;Pwd="_s.arg(puerto(), base);
    }

private:
    static QString puerto() { return qEnvironmentVariable("NVLA_CARGA_PUERTO", u"55491"_s); }

    bool script(const QStringList &argumentos) const
    {
        QProcess proceso;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(u"NVLA_PG_PORT"_s, puerto());
        entorno.insert(u"NVLA_PG_DB"_s, u"plantilla"_s);
        proceso.setProcessEnvironment(entorno);
        proceso.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proceso.start(u"bash"_s, QStringList{QStringLiteral(NVLA_FUENTES "/scripts/postgres-pruebas.sh")} + argumentos);
        return proceso.waitForFinished(120000) && proceso.exitCode() == 0;
    }

    QTemporaryDir m_carpeta;
    QString m_dir;
};

qint64 escalar(Conexion &conexion, const QString &sql)
{
    auto registros = conexion.abrirConsulta(sql);
    return registros->siguiente() ? registros->campo(0).toLongLong() : 0;
}

// The warehouse every run starts from: 1,000 articles of 100 lots in warehouse
// 1, and warehouse 2 for the transfers.
void generarAlmacen(Conexion &conexion)
{
    QElapsedTimer reloj;
    reloj.start();
    if (BaseDatosHost::versionActual(conexion) > 0 &&
        escalar(conexion, u"SELECT COUNT(*) FROM Articulos_Lotes"_s) == qint64(ArticulosGenerados) * LotesPorArticulo)
        return; // kept from an earlier run in NVLA_CARGA_DIR
    BaseDatosHost::crearEsquema(conexion);
    for (int i = 0; i < ArticulosGenerados; ++i)
        BaseDatosHost::generarDatos(conexion, {1, 1, PrimerArticulo + i, LotesPorArticulo, 0});
    // A warehouse of lot codes and expiry dates: its lots carry no tone or caliber.
    conexion.ejecutar(u"UPDATE Articulos_Lotes SET Tono = '', Calibre = ''"_s);
    conexion.ejecutar(u"INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre, Control_Caducidad)"
                      " VALUES (1, 2, 'Almacén de traspasos', 1)"_s);
    std::fprintf(stderr, "warehouse generated in %.0f s\n", double(reloj.elapsed()) / 1000.0);
}

// Each lot's stock by warehouse, as raw Currency units.
QHash<QString, qint64> existencias(Conexion &conexion)
{
    QHash<QString, qint64> stock;
    auto registros = conexion.abrirConsulta(
        u"SELECT Cod_Almacen, Cod_Lote, CAST(ROUND(Stock_Actual * 10000) AS BIGINT) FROM Almacen_Articulos_Lotes"_s);
    while (registros->siguiente())
        stock.insert(registros->campo(0).toString() + u'|' + registros->campo(1).toString(),
                     registros->campo(2).toLongLong());
    return stock;
}

struct Operacion
{
    int oficinista = 0;
    QString tipo;
    qint64 fin = 0; // epoch ms
    qint64 ms = 0;
    QString final;
};

struct Corrida
{
    std::vector<Operacion> operaciones;
    QHash<QString, qint64> confirmado; // "warehouse|lot" -> raw units added
    int dudas = 0;
    int atascados = 0; // clerk processes that never ended
    int esperas = 0;   // the most sessions seen waiting for a lock at once
    int ociosas = 0;   // the most seen idle inside a transaction
    qint64 parada = 0;
    qint64 vuelta = 0;
};

void leerOficinista(int numero, const QByteArray &salida, Corrida &corrida)
{
    for (const QByteArray &linea : salida.split('\n')) {
        const QList<QByteArray> c = linea.split(' ');
        if (c.value(0) == "op" && c.size() == 5)
            corrida.operaciones.push_back(
                {numero, QString::fromLatin1(c[1]), c[2].toLongLong(), c[3].toLongLong(), QString::fromLatin1(c[4])});
        else if (c.value(0) == "stock" && c.size() == 4)
            corrida.confirmado[QString::fromLatin1(c[1] + '|' + c[2])] += qRound64(c[3].toDouble() * 10000);
        else if (c.value(0) == "doubt")
            ++corrida.dudas;
    }
}

// The sessions of the clerks' database now: the most seen waiting for a
// lock, and idle inside a transaction (holding its locks while no statement
// runs, as over a clerk's thinking).
void muestrear(Conexion &servidor, Corrida &corrida)
{
    try {
        auto fila = servidor.abrirConsulta(
            u"SELECT COUNT(*) FILTER (WHERE wait_event_type = 'Lock'), COUNT(*) FILTER (WHERE state LIKE"
            " 'idle in transaction%') FROM pg_stat_activity WHERE datname = 'carga'"_s);
        if (fila->siguiente()) {
            corrida.esperas = std::max(corrida.esperas, fila->campo(0).toInt());
            corrida.ociosas = std::max(corrida.ociosas, fila->campo(1).toInt());
        }
    } catch (const ErrorLotes &) {
        // The server is being restarted: nothing to see.
    }
}

// Starts the clerks, watches the server's sessions, restarts the server
// halfway when asked, and gathers what the clerks said.
Corrida trabajar(Servidor &servidor, int oficinistas, int segundos, bool reinicio)
{
    std::vector<std::unique_ptr<QProcess>> procesos;
    for (int i = 0; i < oficinistas; ++i) {
        auto proceso = std::make_unique<QProcess>();
        proceso->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proceso->start(QCoreApplication::applicationFilePath(),
                       {u"--oficinista"_s, servidor.cadena(u"carga"_s), QString::number(1000 + i),
                        QString::number(segundos), QString::number(i + 1)});
        procesos.push_back(std::move(proceso));
    }
    Corrida corrida;
    const auto observador = Conexion::abrir(servidor.cadena(u"postgres"_s));
    std::vector<QByteArray> salidas(static_cast<size_t>(oficinistas));
    QElapsedTimer reloj;
    reloj.start();
    for (bool reiniciado = !reinicio;;) {
        QCoreApplication::processEvents(); // keeps the clerks' pipes read
        for (int i = 0; i < oficinistas; ++i)
            salidas[size_t(i)] += procesos[size_t(i)]->readAllStandardOutput();
        const bool vivos =
            std::ranges::any_of(procesos, [](const auto &p) { return p->state() != QProcess::NotRunning; });
        if (!vivos || reloj.elapsed() > (segundos + 90) * 1000LL)
            break;
        muestrear(*observador, corrida);
        if (!reiniciado && reloj.elapsed() >= segundos * 500LL) {
            reiniciado = true;
            corrida.parada = QDateTime::currentMSecsSinceEpoch();
            servidor.parar();
            QThread::msleep(PausaReinicioMs);
            if (!servidor.arrancar())
                std::fprintf(stderr, "the server did not start again\n");
            corrida.vuelta = QDateTime::currentMSecsSinceEpoch();
        }
        QThread::msleep(50);
    }
    for (int i = 0; i < oficinistas; ++i) {
        QProcess &proceso = *procesos[size_t(i)];
        if (proceso.state() != QProcess::NotRunning) {
            ++corrida.atascados;
            proceso.kill();
        }
        proceso.waitForFinished();
        leerOficinista(i + 1, salidas[size_t(i)] + proceso.readAllStandardOutput(), corrida);
    }
    return corrida;
}

qint64 percentil(std::vector<qint64> ms, int p)
{
    if (ms.empty())
        return 0;
    std::sort(ms.begin(), ms.end());
    return ms[std::min(ms.size() - 1, ms.size() * size_t(p) / 100)];
}

struct Cuenta
{
    std::vector<qint64> ms;
    int errores = 0, perdidas = 0, rechazos = 0;
};

void anotar(Cuenta &cuenta, const Operacion &op)
{
    cuenta.ms.push_back(op.ms);
    cuenta.errores += op.final == u"error" || op.final == u"hang" ? 1 : 0;
    cuenta.perdidas += op.final == u"lost" ? 1 : 0;
    cuenta.rechazos += op.final == u"refused" ? 1 : 0;
}

QString lineaTiempos(const QString &nombre, int oficinistas, bool reinicio, const Cuenta &c)
{
    return u"load=%1 clerks=%2 restart=%3 ops=%4 p50_ms=%5 p95_ms=%6 p99_ms=%7 errors=%8"_s.arg(nombre)
        .arg(oficinistas)
        .arg(reinicio ? 1 : 0)
        .arg(c.ms.size())
        .arg(percentil(c.ms, 50))
        .arg(percentil(c.ms, 95))
        .arg(percentil(c.ms, 99))
        .arg(c.errores);
}

// How long clerks could not work: from the stop to each clerk's first
// operation finished well after the server's return, the longest of them; and
// from the return to it.
std::pair<qint64, qint64> parados(const Corrida &corrida, int oficinistas)
{
    qint64 caido = 0, vuelta = 0;
    for (int i = 1; i <= oficinistas; ++i) {
        qint64 primera = -1;
        for (const Operacion &op : corrida.operaciones) {
            if (op.oficinista == i && op.final == u"ok" && op.fin - op.ms >= corrida.vuelta &&
                (primera < 0 || op.fin < primera))
                primera = op.fin;
        }
        if (primera < 0)
            return {-1, -1};
        caido = std::max(caido, primera - corrida.parada);
        vuelta = std::max(vuelta, primera - corrida.vuelta);
    }
    return {caido, vuelta};
}

// Lots of one article with one code and expiry; lots without their stock row
// plus stock rows whose change is not what the confirmed calls added.
std::pair<qint64, qint64> contar(Conexion &conexion, const QHash<QString, qint64> &antes, const Corrida &corrida)
{
    const qint64 duplicados = escalar(
        conexion, u"SELECT COUNT(*) FROM (SELECT 1 FROM Articulos_Lotes GROUP BY Cod_Empresa, Cod_Articulo, Lote,"
                  " Caducidad HAVING COUNT(*) > 1) d"_s);
    qint64 mitades = escalar(conexion, u"SELECT COUNT(*) FROM Articulos_Lotes l WHERE NOT EXISTS (SELECT 1 FROM"
                                       " Almacen_Articulos_Lotes s WHERE s.Cod_Empresa = l.Cod_Empresa AND"
                                       " s.Cod_Lote = l.Cod_Lote)"_s);
    const QHash<QString, qint64> despues = existencias(conexion);
    for (auto fila = despues.constBegin(); fila != despues.constEnd(); ++fila) {
        if (fila.value() - antes.value(fila.key()) != corrida.confirmado.value(fila.key()))
            ++mitades;
    }
    return {duplicados, mitades};
}

void informar(const Corrida &corrida, int oficinistas, bool reinicio, std::pair<qint64, qint64> cuentas)
{
    std::map<QString, Cuenta> porTipo;
    Cuenta total;
    for (const Operacion &op : corrida.operaciones) {
        anotar(porTipo[op.tipo], op);
        anotar(total, op);
    }
    total.errores += corrida.atascados;
    for (const auto &[tipo, cuenta] : porTipo)
        std::printf("%s\n", qPrintable(lineaTiempos(tipo, oficinistas, reinicio, cuenta)));
    const auto [caido, vuelta] = reinicio ? parados(corrida, oficinistas) : std::pair<qint64, qint64>{0, 0};
    std::printf("%s lost=%d refused=%d doubts=%d lock_waits=%d idle_in_transaction=%d down_ms=%lld back_ms=%lld "
                "duplicates=%lld half_written=%lld\n",
                qPrintable(lineaTiempos(u"total"_s, oficinistas, reinicio, total)), total.perdidas, total.rechazos,
                corrida.dudas, corrida.esperas, corrida.ociosas, caido, vuelta, cuentas.first, cuentas.second);
    std::fflush(stdout);
}

// One run on a fresh copy of the generated warehouse.
void correr(Servidor &servidor, int oficinistas, int segundos, bool reinicio)
{
    {
        auto postgres = Conexion::abrir(servidor.cadena(u"postgres"_s));
        postgres->ejecutar(u"DROP DATABASE IF EXISTS carga WITH (FORCE)"_s);
        postgres->ejecutar(u"CREATE DATABASE carga TEMPLATE plantilla"_s);
    }
    const QString cadena = servidor.cadena(u"carga"_s);
    const QHash<QString, qint64> antes = existencias(*Conexion::abrir(cadena));
    const Corrida corrida = trabajar(servidor, oficinistas, segundos, reinicio);
    informar(corrida, oficinistas, reinicio, contar(*Conexion::abrir(cadena), antes, corrida));
}

} // namespace

int medirCarga(int segundos, const QList<int> &oficinistas)
{
    Servidor servidor;
    if (!servidor.arrancar())
        return 1;
    try {
        generarAlmacen(*Conexion::abrir(servidor.cadena(u"plantilla"_s)));
        for (int numero : oficinistas) {
            correr(servidor, numero, segundos, false);
            correr(servidor, numero, segundos, true);
        }
    } catch (const ErrorLotes &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 1;
    }
    return 0;
}

} // namespace NVLALotes::Carga

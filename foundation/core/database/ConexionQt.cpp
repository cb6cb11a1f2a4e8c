#include "ConexionQt.h"

#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/UtilSql.h"
#include "foundation/core/values/ErrorLotes.h"

#include <atomic>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

QString nombreNuevo()
{
    static std::atomic<quint64> contador{0};
    return u"nvlalotes-%1"_s.arg(++contador);
}

// Removes the command timeout again however the run ends.
class TiempoEspera
{
public:
    TiempoEspera(const DialectoQt &dialecto, QSqlDatabase &bd, QSqlQuery &consulta, int segundos)
        : m_dialecto(dialecto)
        , m_bd(bd)
    {
        m_dialecto.fijarTiempoEspera(m_bd, consulta, segundos);
    }
    ~TiempoEspera() { m_dialecto.quitarTiempoEspera(m_bd); }
    TiempoEspera(const TiempoEspera &) = delete;
    TiempoEspera &operator=(const TiempoEspera &) = delete;

private:
    const DialectoQt &m_dialecto;
    QSqlDatabase &m_bd;
};

QSql::ParamType tipoEnlace(const ParametroComando &parametro)
{
    if (!parametro.esSalida())
        return QSql::In;
    return parametro.esEntrada() ? QSql::InOut : QSql::Out;
}

} // namespace

ConexionQt::ConexionQt(std::unique_ptr<DialectoQt> dialecto, const CadenaConexion &cadena)
    : m_nombre(nombreNuevo())
    , m_cadenaSinClave(cadena.textoSinClave())
    , m_dialecto(std::move(dialecto))
{
    m_bd = QSqlDatabase::addDatabase(m_dialecto->driverQt(), m_nombre);
    try {
        if (!m_bd.isValid())
            throw ErrorLotes(NumeroError::ConexionNoValida,
                             u"No está instalado el controlador %1 de Qt SQL para %2."_s.arg(m_dialecto->driverQt(),
                                                                                             m_dialecto->nombre()),
                             u"NVLALotes.Conexion"_s);
        m_dialecto->configurar(m_bd, cadena);
        abrir(m_cadenaSinClave);
    } catch (...) {
        m_bd = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_nombre);
        throw;
    }
}

void ConexionQt::abrir(const QString &cadenaSinClave)
{
    try {
        if (!m_bd.open()) {
            const QSqlError error = m_bd.lastError();
            throw ErrorLotes(NumeroError::ConexionNoValida,
                             u"No se pudo abrir la base de datos (%1): %2"_s.arg(
                                 cadenaSinClave, (error.databaseText() + u' ' + error.driverText()).trimmed()),
                             u"NVLALotes.Conexion"_s);
        }
        m_dialecto->alAbrir(m_bd);
    } catch (...) {
        m_dialecto->alCerrar();
        m_bd.close();
        throw;
    }
}

template<typename Llamada> auto ConexionQt::llamar(Llamada &&llamada) -> decltype(llamada())
{
    asegurarSesion();
    try {
        return llamada();
    } catch (const ErrorLotes &error) {
        if (error.Number() != NumeroError::BaseDatos || !m_dialecto->sesionPerdida(m_bd))
            throw;
        m_perdida = true;
        sesionPerdida(error.Description());
    }
}

void ConexionQt::asegurarSesion()
{
    if (!m_perdida)
        return;
    if (nivelTransaccion() > 0)
        sesionPerdida(u"el servidor ha deshecho la transacción en curso, que no se repite"_s);
    m_preparadas.clear();
    m_dialecto->alCerrar();
    m_bd.close();
    try {
        abrir(m_cadenaSinClave);
    } catch (const ErrorLotes &error) {
        sesionPerdida(u"no se ha podido restablecer: "_s + error.Description());
    }
    m_perdida = false;
}

void ConexionQt::sesionPerdida(const QString &motivo)
{
    throw ErrorLotes(NumeroError::ConexionPerdida,
                     u"Se ha perdido la conexión con la base de datos (%1): %2"_s.arg(m_dialecto->nombre(), motivo),
                     u"NVLALotes (%1)"_s.arg(m_dialecto->nombre()));
}

ConexionQt::~ConexionQt()
{
    m_preparadas.clear();
    m_dialecto->alCerrar();
    m_bd.close();
    m_bd = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_nombre);
}

std::unique_ptr<Registros> ConexionQt::abrirConsulta(const QString &sql)
{
    return llamar([&]() -> std::unique_ptr<Registros> {
        QSqlQuery consulta(m_bd);
        consulta.setForwardOnly(m_dialecto->lecturaSoloAvance());
        if (!consulta.exec(m_dialecto->traducir(sql)))
            UtilSql::lanzarError(consulta.lastError(), *m_dialecto);
        return m_dialecto->registros(weak_from_this().lock(), std::move(consulta));
    });
}

qint64 ConexionQt::ejecutar(const QString &sql)
{
    return llamar([&] { return UtilSql::ejecutar(m_bd, m_dialecto->traducir(sql), *m_dialecto).numRowsAffected(); });
}

void ConexionQt::ejecutarComando(Comando &comando)
{
    if (comando.tipo() == TipoComando::Texto)
        return llamar([&] { ejecutarTexto(comando); });
    // An engine whose procedure is several statements runs them as one unit of work.
    if (m_dialecto->procedimientoEnTransaccion())
        return enTransaccion(*this, [&] { llamar([&] { ejecutarProcedimiento(comando); }); });
    llamar([&] { ejecutarProcedimiento(comando); });
}

void ConexionQt::ejecutarProcedimiento(Comando &comando)
{
    QSqlQuery sinSentencia(m_bd);
    TiempoEspera espera(*m_dialecto, m_bd, sinSentencia, comando.tiempoEspera());
    m_dialecto->ejecutarProcedimiento(m_bd, comando);
}

void ConexionQt::ejecutarTexto(Comando &comando)
{
    const QString sql = m_dialecto->traducir(comando.texto());
    QSqlQuery local(m_bd);
    QSqlQuery &consulta = comando.preparado() ? consultaPreparada(sql) : local;
    if (!comando.preparado() && !consulta.prepare(sql))
        UtilSql::lanzarError(consulta.lastError(), *m_dialecto);
    const QList<ParametroComando> &parametros = comando.parametros();
    for (int i = 0; i < parametros.size(); ++i)
        consulta.bindValue(i, parametros[i].valorParaMotor(), tipoEnlace(parametros[i]));
    TiempoEspera espera(*m_dialecto, m_bd, consulta, comando.tiempoEspera());
    if (!consulta.exec())
        UtilSql::lanzarError(consulta.lastError(), *m_dialecto);
    comando.setFilasAfectadas(consulta.numRowsAffected());
    for (int i = 0; i < parametros.size(); ++i) {
        if (parametros[i].esSalida())
            comando.parametro(i).valor = consulta.boundValue(i);
    }
    // A finished statement holds no lock and stays compiled for its next run.
    consulta.finish();
}

QSqlQuery &ConexionQt::consultaPreparada(const QString &sql)
{
    auto encontrada = m_preparadas.constFind(sql);
    if (encontrada != m_preparadas.constEnd())
        return **encontrada;
    auto consulta = std::make_shared<QSqlQuery>(m_bd);
    if (!consulta->prepare(sql))
        UtilSql::lanzarError(consulta->lastError(), *m_dialecto);
    m_preparadas.insert(sql, consulta);
    return *consulta;
}

void ConexionQt::ejecutarPasoTransaccion(PasoTransaccion paso, int nivel)
{
    llamar([&] {
        for (const QString &sentencia : m_dialecto->sentenciasTransaccion(paso, nivel))
            UtilSql::ejecutar(m_bd, sentencia, *m_dialecto);
    });
}

} // namespace NVLALotes

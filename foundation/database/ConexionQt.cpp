#include "ConexionQt.h"

#include "foundation/database/CadenaConexion.h"
#include "foundation/database/Comando.h"
#include "foundation/database/RegistrosQt.h"
#include "foundation/database/UtilSql.h"
#include "foundation/values/ErrorLotes.h"

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
        m_dialecto.FijarTiempoEspera(m_bd, consulta, segundos);
    }
    ~TiempoEspera() { m_dialecto.QuitarTiempoEspera(m_bd); }
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
    , m_dialecto(std::move(dialecto))
{
    m_bd = QSqlDatabase::addDatabase(m_dialecto->DriverQt(), m_nombre);
    try {
        if (!m_bd.isValid())
            throw ErrorLotes(NumeroError::ConexionNoValida,
                             u"No está instalado el controlador %1 de Qt SQL para %2."_s.arg(m_dialecto->DriverQt(),
                                                                                             m_dialecto->Nombre()),
                             u"NVLALotes.Conexion"_s);
        m_dialecto->Configurar(m_bd, cadena);
        if (!m_bd.open()) {
            const QSqlError error = m_bd.lastError();
            throw ErrorLotes(NumeroError::ConexionNoValida,
                             u"No se pudo abrir la base de datos (%1): %2"_s.arg(
                                 cadena.TextoSinClave(), (error.databaseText() + u' ' + error.driverText()).trimmed()),
                             u"NVLALotes.Conexion"_s);
        }
        m_dialecto->AlAbrir(m_bd);
    } catch (...) {
        m_dialecto->AlCerrar();
        m_bd.close();
        m_bd = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_nombre);
        throw;
    }
}

ConexionQt::~ConexionQt()
{
    m_preparadas.clear();
    m_dialecto->AlCerrar();
    m_bd.close();
    m_bd = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_nombre);
}

std::unique_ptr<Registros> ConexionQt::AbrirConsulta(const QString &sql)
{
    QSqlQuery consulta(m_bd);
    consulta.setForwardOnly(m_dialecto->LecturaSoloAvance());
    if (!consulta.exec(m_dialecto->Traducir(sql)))
        UtilSql::LanzarError(consulta.lastError(), *m_dialecto);
    QList<ConversionColumna> conversiones = m_dialecto->Conversiones(consulta);
    return std::make_unique<RegistrosQt>(weak_from_this().lock(), std::move(consulta), std::move(conversiones));
}

qint64 ConexionQt::Ejecutar(const QString &sql)
{
    QSqlQuery consulta = UtilSql::Ejecutar(m_bd, m_dialecto->Traducir(sql), *m_dialecto);
    return consulta.numRowsAffected();
}

void ConexionQt::EjecutarComando(Comando &comando)
{
    if (comando.tipo() == TipoComando::Texto)
        return ejecutarTexto(comando);
    QSqlQuery sinSentencia(m_bd);
    TiempoEspera espera(*m_dialecto, m_bd, sinSentencia, comando.tiempoEspera());
    m_dialecto->EjecutarProcedimiento(m_bd, comando);
}

void ConexionQt::ejecutarTexto(Comando &comando)
{
    const QString sql = m_dialecto->Traducir(comando.texto());
    QSqlQuery local(m_bd);
    QSqlQuery &consulta = comando.preparado() ? consultaPreparada(sql) : local;
    if (!comando.preparado() && !consulta.prepare(sql))
        UtilSql::LanzarError(consulta.lastError(), *m_dialecto);
    const QList<ParametroComando> &parametros = comando.Parametros();
    for (int i = 0; i < parametros.size(); ++i)
        consulta.bindValue(i, parametros[i].valorParaMotor(), tipoEnlace(parametros[i]));
    TiempoEspera espera(*m_dialecto, m_bd, consulta, comando.tiempoEspera());
    if (!consulta.exec())
        UtilSql::LanzarError(consulta.lastError(), *m_dialecto);
    comando.setFilasAfectadas(consulta.numRowsAffected());
    for (int i = 0; i < parametros.size(); ++i) {
        if (parametros[i].esSalida())
            comando.Parametro(i).valor = consulta.boundValue(i);
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
        UtilSql::LanzarError(consulta->lastError(), *m_dialecto);
    m_preparadas.insert(sql, consulta);
    return *consulta;
}

void ConexionQt::IniciarTransaccion()
{
    m_dialecto->IniciarTransaccion(m_bd);
}

void ConexionQt::ConfirmarTransaccion()
{
    if (!m_bd.commit())
        UtilSql::LanzarError(m_bd.lastError(), *m_dialecto);
}

void ConexionQt::DeshacerTransaccion()
{
    if (!m_bd.rollback())
        UtilSql::LanzarError(m_bd.lastError(), *m_dialecto);
}

} // namespace NVLALotes

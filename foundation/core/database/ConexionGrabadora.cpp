#include "ConexionGrabadora.h"

#include "foundation/core/database/Dialecto.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QElapsedTimer>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// What a recorder without a real connection answers as its engine: SQL Server,
// which reads the host's text as it is.
class DialectoSinMotor final : public Dialecto
{
public:
    Motor motor() const override { return Motor::SqlServer; }
    QString nombre() const override { return u"SQL Server"_s; }
    QString traducir(const QString &sql) const override { return sql; }
};

using Envios = std::shared_ptr<QList<ConexionGrabadora::Envio>>;

// Times the call in the entry recorded last, when the call returns or throws.
class Cronometro
{
public:
    explicit Cronometro(Envios envios)
        : m_envios(std::move(envios))
        , m_indice(m_envios->size() - 1)
    {
        m_reloj.start();
    }
    ~Cronometro() { (*m_envios)[m_indice].microsegundos = m_reloj.nsecsElapsed() / 1000; }
    Cronometro(const Cronometro &) = delete;
    Cronometro &operator=(const Cronometro &) = delete;

    ConexionGrabadora::Envio &envio() { return (*m_envios)[m_indice]; }
    Envios envios() const { return m_envios; }
    qsizetype indice() const { return m_indice; }

private:
    Envios m_envios;
    qsizetype m_indice;
    QElapsedTimer m_reloj;
};

// A query's records, counting into its entry every record the caller reaches.
class RegistrosContados final : public Registros
{
public:
    RegistrosContados(std::unique_ptr<Registros> real, Envios envios, qsizetype indice)
        : m_real(std::move(real))
        , m_envios(std::move(envios))
        , m_indice(indice)
    {}
    bool siguiente() override
    {
        const bool hay = m_real->siguiente();
        if (hay)
            ++(*m_envios)[m_indice].filas;
        return hay;
    }
    QVariant campo(QStringView nombre) const override { return m_real->campo(nombre); }
    QVariant campo(int indice) const override { return m_real->campo(indice); }
    int numeroCampos() const override { return m_real->numeroCampos(); }
    QStringView texto(int indice) const override { return m_real->texto(indice); }

private:
    std::unique_ptr<Registros> m_real;
    Envios m_envios;
    qsizetype m_indice;
};

} // namespace

ConexionGrabadora::ConexionGrabadora(std::shared_ptr<Conexion> real)
    : m_real(std::move(real))
{}

Conexion &ConexionGrabadora::real() const
{
    if (!m_real)
        throw ErrorLotes(NumeroError::ConexionNoValida, u"La conexión grabadora no tiene base de datos."_s,
                         u"NVLALotes.ConexionGrabadora"_s);
    return *m_real;
}

void ConexionGrabadora::anotar(Clase clase, const QString &texto, const NVLALotes::Comando &comando)
{
    m_envios->append({clase, texto, comando});
}

std::unique_ptr<Registros> ConexionGrabadora::abrirConsulta(const QString &sql)
{
    anotar(Clase::Consulta, sql);
    Cronometro cronometro(m_envios);
    auto registros = real().abrirConsulta(sql);
    cronometro.envio().filas = 0;
    return std::make_unique<RegistrosContados>(std::move(registros), cronometro.envios(), cronometro.indice());
}

qint64 ConexionGrabadora::ejecutar(const QString &sql)
{
    anotar(Clase::Ejecucion, sql);
    Cronometro cronometro(m_envios);
    return cronometro.envio().filas = real().ejecutar(sql);
}

void ConexionGrabadora::ejecutarComando(NVLALotes::Comando &comando)
{
    anotar(Clase::Comando, comando.texto(), comando);
    Cronometro cronometro(m_envios);
    if (m_real) {
        m_real->ejecutarComando(comando);
        cronometro.envio().filas = comando.filasAfectadas();
    }
}

const Dialecto &ConexionGrabadora::dialecto() const
{
    static const DialectoSinMotor sinMotor;
    return m_real ? m_real->dialecto() : sinMotor;
}

void ConexionGrabadora::iniciarTransaccion()
{
    anotar(Clase::Transaccion, u"BEGIN TRANSACTION"_s);
    const Cronometro cronometro(m_envios);
    real().iniciarTransaccion();
}

void ConexionGrabadora::confirmarTransaccion()
{
    anotar(Clase::Transaccion, u"COMMIT TRANSACTION"_s);
    const Cronometro cronometro(m_envios);
    real().confirmarTransaccion();
}

void ConexionGrabadora::deshacerTransaccion()
{
    anotar(Clase::Transaccion, u"ROLLBACK TRANSACTION"_s);
    const Cronometro cronometro(m_envios);
    real().deshacerTransaccion();
}

QStringList ConexionGrabadora::textos() const
{
    QStringList textos;
    for (const Envio &envio : std::as_const(*m_envios))
        textos << envio.texto;
    return textos;
}

QList<NVLALotes::Comando> ConexionGrabadora::comandos() const
{
    QList<NVLALotes::Comando> comandos;
    for (const Envio &envio : std::as_const(*m_envios)) {
        if (envio.clase == Clase::Comando)
            comandos << envio.comando;
    }
    return comandos;
}

} // namespace NVLALotes

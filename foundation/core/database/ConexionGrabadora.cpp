#include "ConexionGrabadora.h"

#include "foundation/core/database/Dialecto.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/values/ErrorLotes.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// What a recorder without a real connection answers as its engine: SQL Server,
// which reads the host's text as it is.
class DialectoSinMotor final : public Dialecto
{
public:
    Motor motor() const override { return Motor::SqlServer; }
    QString Nombre() const override { return u"SQL Server"_s; }
    QString Traducir(const QString &sql) const override { return sql; }
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

std::unique_ptr<Registros> ConexionGrabadora::AbrirConsulta(const QString &sql)
{
    m_envios.append({Clase::Consulta, sql, {}});
    return real().AbrirConsulta(sql);
}

qint64 ConexionGrabadora::Ejecutar(const QString &sql)
{
    m_envios.append({Clase::Ejecucion, sql, {}});
    return real().Ejecutar(sql);
}

void ConexionGrabadora::EjecutarComando(NVLALotes::Comando &comando)
{
    m_envios.append({Clase::Comando, comando.texto(), comando});
    if (m_real)
        m_real->EjecutarComando(comando);
}

const Dialecto &ConexionGrabadora::dialecto() const
{
    static const DialectoSinMotor sinMotor;
    return m_real ? m_real->dialecto() : sinMotor;
}

void ConexionGrabadora::IniciarTransaccion()
{
    m_envios.append({Clase::Transaccion, u"BEGIN TRANSACTION"_s, {}});
    real().IniciarTransaccion();
}

void ConexionGrabadora::ConfirmarTransaccion()
{
    m_envios.append({Clase::Transaccion, u"COMMIT TRANSACTION"_s, {}});
    real().ConfirmarTransaccion();
}

void ConexionGrabadora::DeshacerTransaccion()
{
    m_envios.append({Clase::Transaccion, u"ROLLBACK TRANSACTION"_s, {}});
    real().DeshacerTransaccion();
}

QStringList ConexionGrabadora::Textos() const
{
    QStringList textos;
    for (const Envio &envio : m_envios)
        textos << envio.texto;
    return textos;
}

QList<NVLALotes::Comando> ConexionGrabadora::Comandos() const
{
    QList<NVLALotes::Comando> comandos;
    for (const Envio &envio : m_envios) {
        if (envio.clase == Clase::Comando)
            comandos << envio.comando;
    }
    return comandos;
}

} // namespace NVLALotes

#pragma once

#include <nvlalotes/Comando.h>
#include <nvlalotes/Conexion.h>
#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QStringList>

namespace NVLALotes {

// A connection that writes down everything the library sends before passing
// it on: the text of every query and statement, and every command as it was
// when it was run. Lets a test assert the exact text, byte for byte.
class NVLA_CORE_EXPORT ConexionGrabadora final : public Conexion
{
public:
    enum class Clase { Consulta, Ejecucion, Comando, Transaccion };
    struct Envio
    {
        Clase clase;
        QString texto;
        NVLALotes::Comando comando; // as it was sent (values before the run)
    };

    // `real` may be null: then nothing is run, queries fail and commands are
    // only recorded, which is enough to check what a caller sends.
    explicit ConexionGrabadora(std::shared_ptr<Conexion> real);

    std::unique_ptr<Registros> AbrirConsulta(const QString &sql) override;
    qint64 Ejecutar(const QString &sql) override;
    void EjecutarComando(NVLALotes::Comando &comando) override;
    const Dialecto &dialecto() const override;
    void IniciarTransaccion() override;
    void ConfirmarTransaccion() override;
    void DeshacerTransaccion() override;

    const QList<Envio> &Envios() const { return m_envios; }
    // The texts sent, in order (commands by their text).
    QStringList Textos() const;
    // The commands sent, in order.
    QList<NVLALotes::Comando> Comandos() const;
    void Olvidar() { m_envios.clear(); }

private:
    Conexion &real() const;

    std::shared_ptr<Conexion> m_real;
    QList<Envio> m_envios;
};

} // namespace NVLALotes

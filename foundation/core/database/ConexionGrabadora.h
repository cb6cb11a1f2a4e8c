#pragma once

#include <nvlalotes/Comando.h>
#include <nvlalotes/Conexion.h>
#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QStringList>

#include <memory>

namespace NVLALotes {

/// A connection that writes down everything the library sends before passing
/// it on: the text of every query and statement, and every command as it was
/// when it was run. Lets a test assert the exact text, byte for byte.
class NVLA_CORE_EXPORT ConexionGrabadora final : public Conexion
{
public:
    /// What kind of call a recorded entry was.
    enum class Clase { Consulta, Ejecucion, Comando, Transaccion };
    /// One call as the library made it.
    struct Envio
    {
        Clase clase;   ///< The kind of call.
        QString texto; ///< The query, statement or command text; "BEGIN TRANSACTION" and the like for a step.
        NVLALotes::Comando comando; ///< as it was sent (values before the run)
        qint64 microsegundos = 0;   ///< How long the real connection took, also when it failed.
        /// rows: those of a query as far as the caller has read them, those a
        /// statement or command changed; -1 when unknown.
        qint64 filas = -1;
    };

    /// `real` may be null: then nothing is run, queries fail and commands are
    /// only recorded, which is enough to check what a caller sends.
    explicit ConexionGrabadora(std::shared_ptr<Conexion> real);

    std::unique_ptr<Registros> abrirConsulta(const QString &sql) override;
    qint64 ejecutar(const QString &sql) override;
    void ejecutarComando(NVLALotes::Comando &comando) override;
    const Dialecto &dialecto() const override; ///< The dialect of the real connection.
    void iniciarTransaccion() override;
    void confirmarTransaccion() override; ///< Recorded, then passed on.
    void deshacerTransaccion() override;  ///< Recorded, then passed on.

    const QList<Envio> &envios() const { return *m_envios; } ///< Every call recorded, in order.
    /// The texts sent, in order (commands by their text).
    QStringList textos() const;
    /// The commands sent, in order.
    QList<NVLALotes::Comando> comandos() const;
    /// Forgets what was recorded; a query still open counts its rows in the old record.
    void olvidar() { m_envios = std::make_shared<QList<Envio>>(); }

private:
    Conexion &real() const;
    void anotar(Clase clase, const QString &texto, const NVLALotes::Comando &comando = {});

    std::shared_ptr<Conexion> m_real;
    // Shared with the open queries, which count their rows into their entry.
    std::shared_ptr<QList<Envio>> m_envios = std::make_shared<QList<Envio>>();
};

} // namespace NVLALotes

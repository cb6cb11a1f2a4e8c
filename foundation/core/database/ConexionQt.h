#pragma once

#include "foundation/core/database/ConexionAnidada.h"
#include "foundation/core/database/DialectoQt.h"

#include <QHash>
#include <QSqlDatabase>

namespace NVLALotes {

class CadenaConexion;

// A connection on Qt SQL: one class for every engine, with the engine's
// dialect object. Each one has its own Qt connection name, removed when it is
// destroyed; results it handed out keep it alive until they are released.
// A session the server ends is reported as lost on every call until it can be
// opened again, which the next call outside a unit of work does; a unit of
// work that lost its session is never replayed on the new one.
class ConexionQt final : public ConexionAnidada, public std::enable_shared_from_this<ConexionQt>
{
public:
    // Opens at once; ErrorLotes (NumeroError::ConexionNoValida) when it cannot.
    ConexionQt(std::unique_ptr<DialectoQt> dialecto, const CadenaConexion &cadena);
    ~ConexionQt() override;
    ConexionQt(const ConexionQt &) = delete;
    ConexionQt &operator=(const ConexionQt &) = delete;

    std::unique_ptr<Registros> abrirConsulta(const QString &sql) override;
    qint64 ejecutar(const QString &sql) override;
    void ejecutarComando(Comando &comando) override;
    const Dialecto &dialecto() const override { return *m_dialecto; }

protected:
    void ejecutarPasoTransaccion(PasoTransaccion paso, int nivel) override;
    bool transaccionPerdida() const override { return m_perdida; }

private:
    void abrir(const QString &cadenaSinClave);
    // Every call goes through here: a session lost while no unit of work was
    // open is opened again first; a failure that lost the session says so.
    template<typename Llamada> auto llamar(Llamada &&llamada) -> decltype(llamada());
    void asegurarSesion();
    [[noreturn]] void sesionPerdida(const QString &motivo);
    void ejecutarTexto(Comando &comando);
    void ejecutarProcedimiento(Comando &comando);
    QSqlQuery &consultaPreparada(const QString &sql);

    QString m_nombre;
    QString m_cadenaSinClave;
    std::unique_ptr<DialectoQt> m_dialecto;
    QSqlDatabase m_bd;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_preparadas;
    bool m_perdida = false;
};

} // namespace NVLALotes

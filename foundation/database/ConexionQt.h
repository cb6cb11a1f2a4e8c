#pragma once

#include "foundation/database/Conexion.h"
#include "foundation/database/DialectoQt.h"

#include <QHash>
#include <QSqlDatabase>

namespace NVLALotes {

class CadenaConexion;

// A connection on Qt SQL: one class for every engine, with the engine's
// dialect object. Each one has its own Qt connection name, removed when it is
// destroyed; results it handed out keep it alive until they are released.
class ConexionQt final : public Conexion, public std::enable_shared_from_this<ConexionQt>
{
public:
    // Opens at once; ErrorLotes (NumeroError::ConexionNoValida) when it cannot.
    ConexionQt(std::unique_ptr<DialectoQt> dialecto, const CadenaConexion &cadena);
    ~ConexionQt() override;
    ConexionQt(const ConexionQt &) = delete;
    ConexionQt &operator=(const ConexionQt &) = delete;

    std::unique_ptr<Registros> AbrirConsulta(const QString &sql) override;
    qint64 Ejecutar(const QString &sql) override;
    void EjecutarComando(Comando &comando) override;
    const Dialecto &dialecto() const override { return *m_dialecto; }

    void IniciarTransaccion() override;
    void ConfirmarTransaccion() override;
    void DeshacerTransaccion() override;

private:
    void ejecutarTexto(Comando &comando);
    QSqlQuery &consultaPreparada(const QString &sql);

    QString m_nombre;
    std::unique_ptr<DialectoQt> m_dialecto;
    QSqlDatabase m_bd;
    QHash<QString, std::shared_ptr<QSqlQuery>> m_preparadas;
};

} // namespace NVLALotes

#pragma once

#include "foundation/core/database/DialectoQt.h"
#include "foundation/core/database/FuncionesSqlite.h"

namespace NVLALotes {

// The embedded engine. It cannot read the schema prefix of the host's functions
// (they are functions of the connection), ISNULL (a keyword there),
// @@SERVERNAME and DELETE with a join; it runs the stored procedure as C++
// inside one write transaction.
class DialectoSqlite final : public DialectoQt
{
public:
    static constexpr int EsperaBloqueoMs = 5000;

    Motor motor() const override { return Motor::SQLite; }
    QString Nombre() const override;
    QString Traducir(const QString &sql) const override;

    QString DriverQt() const override;
    void Configurar(QSqlDatabase &bd, const CadenaConexion &cadena) override;
    void AlAbrir(QSqlDatabase &bd) override;
    void AlCerrar() override;
    QList<ConversionColumna> Conversiones(const QSqlQuery &consulta) const override;
    QStringList SentenciasTransaccion(PasoTransaccion paso, int nivel) const override;
    bool ProcedimientoEnTransaccion() const override { return true; }
    void FijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const override;
    void QuitarTiempoEspera(QSqlDatabase &bd) const override;
    void EjecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const override;

private:
    FuncionesSqlite m_funciones;
    int m_esperaBloqueoMs = EsperaBloqueoMs;
};

} // namespace NVLALotes

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
    QString nombre() const override;
    QString traducir(const QString &sql) const override;

    QString driverQt() const override;
    void configurar(QSqlDatabase &bd, const CadenaConexion &cadena) override;
    void alAbrir(QSqlDatabase &bd) override;
    void alCerrar() override;
    QList<ConversionColumna> conversiones(const QSqlQuery &consulta) const override;
    std::unique_ptr<Registros> registros(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta) const override;
    QStringList sentenciasTransaccion(PasoTransaccion paso, int nivel) const override;
    bool procedimientoEnTransaccion() const override { return true; }
    void fijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const override;
    void quitarTiempoEspera(QSqlDatabase &bd) const override;
    void ejecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const override;

private:
    FuncionesSqlite m_funciones;
    int m_esperaBloqueoMs = EsperaBloqueoMs;
};

} // namespace NVLALotes

#pragma once

#include "foundation/core/database/DialectoQt.h"

namespace NVLALotes {

// PostgreSQL keeps the host's functions in a schema dbo, so their prefix stays;
// it cannot read ISNULL, @@SERVERNAME, DELETE with a join or table names in the
// ORDER BY of a union. The stored
// procedure is a PL/pgSQL procedure, called with CALL.
class DialectoPostgres final : public DialectoQt
{
public:
    static constexpr int EsperaConexionSegundos = 10;

    Motor motor() const override { return Motor::PostgreSQL; }
    QString nombre() const override;
    QString traducir(const QString &sql) const override;

    QString driverQt() const override;
    void configurar(QSqlDatabase &bd, const CadenaConexion &cadena) override;
    void alAbrir(QSqlDatabase &bd) override;
    // Numeric columns arrive as their exact text and are read as Currency.
    QList<ConversionColumna> conversiones(const QSqlQuery &consulta) const override;
    // A result is read whole, so that the next statement never waits for it.
    bool lecturaSoloAvance() const override { return false; }
    void fijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const override;
    void quitarTiempoEspera(QSqlDatabase &bd) const override;
    void ejecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const override;
    QStringList sentenciasTransaccion(PasoTransaccion paso, int nivel) const override;
    // libpq's own state of the session.
    bool sesionPerdida(QSqlDatabase &bd) const override;

private:
    int m_esperaBloqueoMs = 0;
};

} // namespace NVLALotes

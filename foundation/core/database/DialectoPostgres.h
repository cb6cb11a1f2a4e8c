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
    QString Nombre() const override;
    QString Traducir(const QString &sql) const override;

    QString DriverQt() const override;
    void Configurar(QSqlDatabase &bd, const CadenaConexion &cadena) override;
    void AlAbrir(QSqlDatabase &bd) override;
    // Numeric columns arrive as their exact text and are read as Currency.
    QList<ConversionColumna> Conversiones(const QSqlQuery &consulta) const override;
    // A result is read whole, so that the next statement never waits for it.
    bool LecturaSoloAvance() const override { return false; }
    void FijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const override;
    void QuitarTiempoEspera(QSqlDatabase &bd) const override;
    void EjecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const override;
    QStringList SentenciasTransaccion(PasoTransaccion paso, int nivel) const override;
    // libpq's own state of the session.
    bool SesionPerdida(QSqlDatabase &bd) const override;
};

} // namespace NVLALotes

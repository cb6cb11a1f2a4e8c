#pragma once

#include "foundation/core/database/DialectoQt.h"

#include <QVariant>

namespace NVLALotes {

struct ParametroComando;

// The host's own engine, reached through unixODBC (a DSN, or FreeTDS without
// one). It reads the host's text as it is: nothing is translated.
class DialectoSqlServer final : public DialectoQt
{
public:
    Motor motor() const override { return Motor::SqlServer; }
    QString Nombre() const override;
    QString Traducir(const QString &sql) const override { return sql; }

    QString DriverQt() const override;
    void Configurar(QSqlDatabase &bd, const CadenaConexion &cadena) override;
    // Static cursors, so that an open result does not keep the connection busy.
    bool LecturaSoloAvance() const override { return false; }
    void FijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const override;
    void EjecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const override;
    // The driver's own view of the link (ODBC's "connection dead" attribute).
    bool SesionPerdida(QSqlDatabase &bd) const override;

    // The ODBC connection text that a connection string stands for.
    static QString TextoOdbc(const CadenaConexion &cadena);
    // A stored-procedure command as ODBC's call escape ("{? = CALL name(?,?)}"),
    // the command's parameters in the order of its markers, and the value each
    // marker is bound to.
    static QString TextoLlamada(const Comando &comando);
    static QList<int> OrdenMarcas(const Comando &comando);
    static QVariant ValorEnlazado(const ParametroComando &parametro);
};

} // namespace NVLALotes

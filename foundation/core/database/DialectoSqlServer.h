#pragma once

#include "foundation/core/database/DialectoQt.h"

#include <QVariant>

namespace NVLALotes {

struct ParametroComando;

// The host's own engine, reached through unixODBC (a DSN, or FreeTDS without
// one). It reads the host's text as it is: nothing is translated.
class NVLA_CORE_EXPORT DialectoSqlServer final : public DialectoQt
{
public:
    Motor motor() const override { return Motor::SqlServer; }
    QString nombre() const override;
    QString traducir(const QString &sql) const override { return sql; }

    QString driverQt() const override;
    void configurar(QSqlDatabase &bd, const CadenaConexion &cadena) override;
    // Static cursors, so that an open result does not keep the connection busy.
    bool lecturaSoloAvance() const override { return false; }
    void fijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const override;
    void ejecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const override;
    // The driver's own view of the link (ODBC's "connection dead" attribute).
    bool sesionPerdida(QSqlDatabase &bd) const override;

    // The ODBC connection text that a connection string stands for.
    static QString textoOdbc(const CadenaConexion &cadena);
    // A stored-procedure command as ODBC's call escape ("{? = CALL name(?,?)}"),
    // the command's parameters in the order of its markers, and the value each
    // marker is bound to.
    static QString textoLlamada(const Comando &comando);
    static QList<int> ordenMarcas(const Comando &comando);
    static QVariant valorEnlazado(const ParametroComando &parametro);
};

} // namespace NVLALotes

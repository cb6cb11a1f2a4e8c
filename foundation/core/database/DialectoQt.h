#pragma once

#include "foundation/core/database/Dialecto.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace NVLALotes {

class CadenaConexion;
class Comando;

// How a text value of a result column is turned into a typed value, for engines
// that store dates as text, and for exact decimals that the driver hands over
// as text (they become Currency when they fit it exactly).
enum class ConversionColumna { Ninguna, Fecha, FechaHora, Hora, Decimal };

// What one engine needs beyond the translation of the text: how it is opened
// through Qt SQL, how it runs the stored procedure and how it honours a timeout.
class DialectoQt : public Dialecto
{
protected:
    // A transaction opened with `iniciar`, then COMMIT or ROLLBACK, and inside
    // it SAVEPOINT, RELEASE and ROLLBACK TO, as SQLite and PostgreSQL write them.
    static QStringList SentenciasConPuntosGuardado(PasoTransaccion paso, int nivel, const QString &iniciar);

public:
    virtual QString DriverQt() const = 0;
    // Host, database, user and options from the connection string, before opening.
    virtual void Configurar(QSqlDatabase &bd, const CadenaConexion &cadena) = 0;
    // Settings and functions of a connection just opened.
    virtual void AlAbrir(QSqlDatabase &bd);
    // Releases what AlAbrir took, before the connection closes.
    virtual void AlCerrar();
    // Whether a result read forward only leaves the connection free for other statements.
    virtual bool LecturaSoloAvance() const { return true; }
    virtual QList<ConversionColumna> Conversiones(const QSqlQuery &consulta) const;
    // Whether the session behind a failed call is gone (the server ended it or
    // is unreachable), as opposed to a statement the engine refused.
    virtual bool SesionPerdida(QSqlDatabase &bd) const;
    // Whether the stored procedure needs a unit of work around it to be atomic.
    virtual bool ProcedimientoEnTransaccion() const { return false; }
    // The command timeout around one run (`segundos` > 0), and its removal after it.
    virtual void FijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const;
    virtual void QuitarTiempoEspera(QSqlDatabase &bd) const;
    // Runs a stored-procedure command; output and return values go back into it.
    virtual void EjecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const = 0;
};

} // namespace NVLALotes

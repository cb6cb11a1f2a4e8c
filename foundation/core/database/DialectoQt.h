#pragma once

#include "foundation/core/database/Dialecto.h"
#include "foundation/core/database/RegistrosCampos.h"

#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <memory>

namespace NVLALotes {

class CadenaConexion;
class Comando;
class Conexion;
class Registros;

// What one engine needs beyond the translation of the text: how it is opened
// through Qt SQL, how it runs the stored procedure and how it honours a timeout.
class NVLA_CORE_EXPORT DialectoQt : public Dialecto
{
public:
    virtual QString driverQt() const = 0;
    // Host, database, user and options from the connection string, before opening.
    virtual void configurar(QSqlDatabase &bd, const CadenaConexion &cadena) = 0;
    // Settings and functions of a connection just opened.
    virtual void alAbrir(QSqlDatabase &bd);
    // Releases what alAbrir took, before the connection closes.
    virtual void alCerrar();
    // Whether a result read forward only leaves the connection free for other statements.
    virtual bool lecturaSoloAvance() const { return true; }
    virtual QList<ConversionColumna> conversiones(const QSqlQuery &consulta) const;
    // The reader of a query just run, holding `conexion` open while it lives.
    virtual std::unique_ptr<Registros> registros(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta) const;
    // Whether the session behind a failed call is gone (the server ended it or
    // is unreachable), as opposed to a statement the engine refused.
    virtual bool sesionPerdida(QSqlDatabase &bd) const;
    // Whether the stored procedure needs a unit of work around it to be atomic.
    virtual bool procedimientoEnTransaccion() const { return false; }
    // The command timeout around one run (`segundos` > 0), and its removal after it.
    virtual void fijarTiempoEspera(QSqlDatabase &bd, QSqlQuery &consulta, int segundos) const;
    virtual void quitarTiempoEspera(QSqlDatabase &bd) const;
    // Runs a stored-procedure command; output and return values go back into it.
    virtual void ejecutarProcedimiento(QSqlDatabase &bd, Comando &comando) const = 0;
};

} // namespace NVLALotes

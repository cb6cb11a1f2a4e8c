#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>

#include <functional>
#include <memory>

namespace NVLALotes {

class Registros;
class Comando;
class Dialecto;

/// The library's connection to the host database. Every statement is sent as the
/// host's own SQL text; the engine's dialect translates only what its engine
/// cannot read. Every failure raises ErrorLotes (NumeroError::BaseDatos) with
/// the driver's message; nothing is left half-written.
class NVLA_CORE_EXPORT Conexion
{
public:
    /// Opens a connection from a connection string (see README), for example
    /// "Driver=SQLite;Database=/var/lib/erp/lotes.db".
    static std::shared_ptr<Conexion> abrir(const QString &cadenaConexion);

    virtual ~Conexion();

    /// A forward-only, read-only result of a text command.
    virtual std::unique_ptr<Registros> abrirConsulta(const QString &sql) = 0;
    /// A changing statement run directly; answers the number of rows it changed.
    virtual qint64 ejecutar(const QString &sql) = 0;
    /// A stored-procedure call or a prepared text command with `?` placeholders;
    /// output parameters are written back into the command.
    virtual void ejecutarComando(Comando &comando) = 0;

    /// The engine's dialect: what the connection rewrites of the host's T-SQL.
    virtual const Dialecto &dialecto() const = 0;

    /// A unit of work on this connection, in the statements of its dialect. The
    /// defaults know no nesting; the library's own connections nest units as
    /// savepoints. Callers use enTransaccion rather than these.
    virtual void iniciarTransaccion();
    virtual void confirmarTransaccion(); ///< Confirms the innermost unit of work.
    virtual void deshacerTransaccion();  ///< Undoes the innermost unit of work.
};

/// Runs `trabajo` in one transaction: confirmed when it returns, undone when it
/// throws, and the exception goes on to the caller.
NVLA_CORE_EXPORT void enTransaccion(Conexion &conexion, const std::function<void()> &trabajo);

} // namespace NVLALotes

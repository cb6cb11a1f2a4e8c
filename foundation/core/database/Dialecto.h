#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>
#include <QStringList>

namespace NVLALotes {

/// The database engines the library speaks to.
enum class Motor { SQLite, PostgreSQL, SqlServer };

/// The steps of a unit of work.
enum class PasoTransaccion { Iniciar, Confirmar, Deshacer };

/// What one database engine cannot read of the host's T-SQL text, and how it is
/// said instead. The library sends one text for every engine; SQL Server gets it
/// untouched.
class NVLA_CORE_EXPORT Dialecto
{
public:
    virtual ~Dialecto();

    virtual Motor motor() const = 0; ///< The engine this dialect is for.
    /// The engine's name for messages: "SQLite", "PostgreSQL", "SQL Server".
    virtual QString nombre() const = 0;
    /// The statement as this engine reads it. Text inside quotes is never changed.
    virtual QString traducir(const QString &sql) const = 0;
    /// The statements of one step of a unit of work at nesting level `nivel`:
    /// 0 is the transaction itself, deeper levels are savepoints inside it, so
    /// that undoing an inner unit keeps what the outer one did. The default is
    /// SQL Server's T-SQL.
    virtual QStringList sentenciasTransaccion(PasoTransaccion paso, int nivel) const;
};

} // namespace NVLALotes

#pragma once

struct sqlite3;

namespace NVLALotes {

class Comando;

// The host's stored procedures as SQLite runs them: C++ over the connection.
// The connection runs each call as one unit of work (a write transaction, or a
// savepoint of the caller's), so it either happens whole or not at all.
namespace ProcedimientoSqlite {

// Runs the procedure named by the command's text; ErrorLotes for an unknown
// name, a wrong number of arguments or any failure of the engine.
void ejecutar(sqlite3 *bd, Comando &comando);

} // namespace ProcedimientoSqlite
} // namespace NVLALotes

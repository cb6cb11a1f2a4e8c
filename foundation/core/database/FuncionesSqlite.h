#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <array>

struct sqlite3;
struct sqlite3_stmt;

namespace NVLALotes {

// The host's scalar functions, written as functions of one SQLite connection:
// fn_FacturasLineasUndSuministradas, fn_AlbaranesFLineasUndSuministradas and
// fn_DevArticuloUnidadesOSPendEntrega. Each keeps its compiled query for the
// life of the connection; liberar() must run before the connection closes.
class NVLA_CORE_EXPORT FuncionesSqlite
{
public:
    FuncionesSqlite() = default;
    ~FuncionesSqlite();
    FuncionesSqlite(const FuncionesSqlite &) = delete;
    FuncionesSqlite &operator=(const FuncionesSqlite &) = delete;

    // false when SQLite refused a registration.
    bool registrar(sqlite3 *bd);
    void liberar();

    struct Funcion
    {
        const char *nombre;
        int argumentos;
        const char *sql;
        sqlite3 *bd = nullptr;
        sqlite3_stmt *sentencia = nullptr;
    };

private:
    std::array<Funcion, 3> m_funciones = {};
};

} // namespace NVLALotes

#include "FuncionesSqlite.h"

#include <span>
#include <sqlite3.h>

namespace NVLALotes {

namespace {

constexpr const char *SuministradasFactura =
    "SELECT COALESCE(Unidades_Suministradas, 0) FROM Facturas_Lineas"
    " WHERE Cod_Empresa = ?1 AND Cod_Ejercicio = ?2 AND Serie = ?3 AND Codigo = ?4 AND TipoDoc = ?5"
    " AND Num_Linea = ?6";

constexpr const char *SuministradasAlbaran =
    "SELECT COALESCE(Unidades_Suministradas, 0) FROM Albaranes_F_Lineas"
    " WHERE Cod_Empresa = ?1 AND Cod_Ejercicio = ?2 AND Serie = ?3 AND Codigo = ?4 AND TipoDoc = ?5"
    " AND Num_Linea = ?6";

// Units still owed to customers from a warehouse: invoice lines of ordinary
// invoices and delivery-note lines whose units exceed what was supplied.
constexpr const char *PendienteEntrega =
    "SELECT COALESCE((SELECT SUM(l.Unidades - l.Unidades_Suministradas) FROM Facturas_Lineas l"
    " INNER JOIN Facturas f ON l.Cod_Empresa = f.Cod_Empresa AND l.Cod_Ejercicio = f.Cod_Ejercicio"
    " AND l.Serie = f.Serie AND l.Codigo = f.Codigo AND l.TipoDoc = f.TipoDoc"
    " WHERE l.Cod_Empresa = ?1 AND l.Cod_Articulo = ?3 AND f.Cod_AlmacenStock = ?2 AND f.TipoFactura = 0"
    " AND l.Unidades > 0 AND l.Unidades > l.Unidades_Suministradas), 0)"
    " + COALESCE((SELECT SUM(l.Unidades - l.Unidades_Suministradas) FROM Albaranes_F_Lineas l"
    " INNER JOIN Albaranes_F f ON l.Cod_Empresa = f.Cod_Empresa AND l.Cod_Ejercicio = f.Cod_Ejercicio"
    " AND l.Serie = f.Serie AND l.Codigo = f.Codigo AND l.TipoDoc = f.TipoDoc"
    " WHERE l.Cod_Empresa = ?1 AND l.Cod_Articulo = ?3 AND f.Cod_AlmacenStock = ?2"
    " AND l.Unidades > 0 AND l.Unidades > l.Unidades_Suministradas), 0)";

// The body of every registered function: runs its query with the call's
// arguments and answers the first column (0 without a row).
void ejecutarFuncion(sqlite3_context *contexto, int argc, sqlite3_value **argv)
{
    auto *funcion = static_cast<FuncionesSqlite::Funcion *>(sqlite3_user_data(contexto));
    if (!funcion->sentencia && sqlite3_prepare_v3(funcion->bd, funcion->sql, -1, SQLITE_PREPARE_PERSISTENT,
                                                  &funcion->sentencia, nullptr) != SQLITE_OK) {
        sqlite3_result_error(contexto, sqlite3_errmsg(funcion->bd), -1);
        return;
    }
    sqlite3_stmt *sentencia = funcion->sentencia;
    sqlite3_reset(sentencia);
    const std::span<sqlite3_value *> argumentos(argv, size_t(argc));
    for (size_t i = 0; i < argumentos.size(); ++i)
        sqlite3_bind_value(sentencia, int(i) + 1, argumentos[i]);
    const int resultado = sqlite3_step(sentencia);
    if (resultado == SQLITE_ROW)
        sqlite3_result_value(contexto, sqlite3_column_value(sentencia, 0));
    else if (resultado == SQLITE_DONE)
        sqlite3_result_int(contexto, 0);
    else
        sqlite3_result_error(contexto, sqlite3_errmsg(funcion->bd), -1);
    sqlite3_reset(sentencia);
}

} // namespace

FuncionesSqlite::~FuncionesSqlite()
{
    liberar();
}

bool FuncionesSqlite::registrar(sqlite3 *bd)
{
    m_funciones = {Funcion{"fn_FacturasLineasUndSuministradas", 6, SuministradasFactura, bd},
                   Funcion{"fn_AlbaranesFLineasUndSuministradas", 6, SuministradasAlbaran, bd},
                   Funcion{"fn_DevArticuloUnidadesOSPendEntrega", 3, PendienteEntrega, bd}};
    for (Funcion &funcion : m_funciones) {
        if (sqlite3_create_function_v2(bd, funcion.nombre, funcion.argumentos, SQLITE_UTF8, &funcion, &ejecutarFuncion,
                                       nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
    }
    return true;
}

void FuncionesSqlite::liberar()
{
    for (Funcion &funcion : m_funciones) {
        if (funcion.sentencia)
            sqlite3_finalize(funcion.sentencia);
        funcion.sentencia = nullptr;
    }
}

} // namespace NVLALotes

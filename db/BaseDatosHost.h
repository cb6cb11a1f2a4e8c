#pragma once

#include <QString>

#include <memory>

namespace NVLALotes {
class Conexion;
}

// The host database that the library talks to, for the workbench, the tests and
// the benchmarks: its schema, kept as versioned SQL scripts, and its demo data.
namespace NVLALotes::BaseDatosHost {

// The schema version this build creates.
int versionEsquema();
// The schema version of the database behind the connection; 0 when it has none.
int versionActual(Conexion &conexion);
// Creates the schema, or brings it up to date: each missing version in one
// transaction (tables, indexes, functions and procedure). SQLite and
// PostgreSQL; ErrorLotes on any failure, with nothing of that version left.
void crearEsquema(Conexion &conexion);
// Loads the demo data (company 1) in one transaction.
void cargarDatosDemo(Conexion &conexion);
// Whether the demo company is already there.
bool tieneDatosDemo(Conexion &conexion);

// The connection string of the embedded database in file `ruta`.
QString cadenaSqlite(const QString &ruta);
// Opens the embedded database at `ruta`, creating it with its schema and demo
// data the first time (and updating an older schema).
std::shared_ptr<Conexion> abrirBaseDemo(const QString &ruta);
// Where the workbench keeps its embedded database by default: the user's
// application data folder, "nvlalotes-demo.db".
QString rutaBaseDemoPredeterminada();

} // namespace NVLALotes::BaseDatosHost

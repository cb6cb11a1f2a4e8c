#include "Conexion.h"

#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/ConexionQt.h"
#include "foundation/core/database/ConexionSqlite.h"
#include "foundation/core/database/DialectoPostgres.h"
#include "foundation/core/database/DialectoSqlServer.h"
#include "foundation/core/values/ErrorLotes.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

bool es(const QString &driver, std::initializer_list<QStringView> nombres)
{
    return std::ranges::any_of(nombres,
                               [&](QStringView nombre) { return nombre.compare(driver, Qt::CaseInsensitive) == 0; });
}

bool esSqlite(const CadenaConexion &cadena)
{
    return es(cadena.driver(), {u"SQLite", u"SQLite3"});
}

// The dialect of an engine reached through Qt SQL.
std::unique_ptr<DialectoQt> dialectoDe(const CadenaConexion &cadena)
{
    const QString driver = cadena.driver();
    if (es(driver, {u"PostgreSQL", u"Postgres", u"PgSQL"}))
        return std::make_unique<DialectoPostgres>();
    if (cadena.driverOdbc() || es(driver, {u"ODBC", u"FreeTDS", u"SQLServer", u"SQL Server"}))
        return std::make_unique<DialectoSqlServer>();
    throw ErrorLotes(NumeroError::ConexionNoValida,
                     u"La cadena de conexión indica un controlador desconocido: «%1» (se admiten SQLite, "
                     "PostgreSQL, ODBC y FreeTDS)."_s.arg(driver),
                     u"NVLALotes.Conexion"_s);
}

} // namespace

Conexion::~Conexion() = default;

std::shared_ptr<Conexion> Conexion::abrir(const QString &cadenaConexion)
{
    const CadenaConexion cadena(cadenaConexion);
    if (esSqlite(cadena))
        return std::make_shared<ConexionSqlite>(cadena);
    return std::make_shared<ConexionQt>(dialectoDe(cadena), cadena);
}

void Conexion::iniciarTransaccion()
{
    for (const QString &sentencia : dialecto().sentenciasTransaccion(PasoTransaccion::Iniciar, 0))
        ejecutar(sentencia);
}

void Conexion::confirmarTransaccion()
{
    for (const QString &sentencia : dialecto().sentenciasTransaccion(PasoTransaccion::Confirmar, 0))
        ejecutar(sentencia);
}

void Conexion::deshacerTransaccion()
{
    for (const QString &sentencia : dialecto().sentenciasTransaccion(PasoTransaccion::Deshacer, 0))
        ejecutar(sentencia);
}

void enTransaccion(Conexion &conexion, const std::function<void()> &trabajo)
{
    conexion.iniciarTransaccion();
    try {
        trabajo();
        conexion.confirmarTransaccion();
    } catch (...) {
        try {
            conexion.deshacerTransaccion();
        } catch (const ErrorLotes &) {
            // The first failure is the one the caller needs to see.
        }
        throw;
    }
}

} // namespace NVLALotes

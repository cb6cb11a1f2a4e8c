#include "BaseDatosHost.h"

#include "db/ScriptSql.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Dialecto.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

// The SQL scripts are resources of this static library; make sure they are
// registered before the first use.
static void inicializarRecursos()
{
    static const bool hecho = [] {
        Q_INIT_RESOURCE(nvla_hostdb_sql);
        return true;
    }();
    Q_UNUSED(hecho);
}

namespace NVLALotes::BaseDatosHost {

namespace {

struct Version
{
    int numero;
    QStringList sqlite;
    QStringList postgresql;
};

const QList<Version> &versiones()
{
    static const QList<Version> lista{
        {1, {u"comun/001_esquema.sql"_s}, {u"comun/001_esquema.sql"_s, u"postgresql/001_funciones.sql"_s}},
    };
    return lista;
}

QString leerScript(const QString &nombre)
{
    inicializarRecursos();
    QFile archivo(u":/nvla/db/"_s + nombre);
    if (!archivo.open(QIODevice::ReadOnly))
        throw ErrorLotes(NumeroError::BaseDatos, u"No se encuentra el guion SQL %1."_s.arg(nombre),
                         u"NVLALotes.BaseDatosHost"_s);
    return QString::fromUtf8(archivo.readAll());
}

void ejecutarScript(Conexion &conexion, const QString &nombre)
{
    for (const QString &sentencia : sentenciasDe(leerScript(nombre)))
        conexion.ejecutar(sentencia);
}

const QStringList &scriptsDe(const Version &version, Motor motor)
{
    if (motor == Motor::SqlServer)
        throw ErrorLotes(NumeroError::BaseDatos,
                         u"El esquema de la base de datos de SQL Server lo mantiene el propio ERP."_s,
                         u"NVLALotes.BaseDatosHost"_s);
    return motor == Motor::SQLite ? version.sqlite : version.postgresql;
}

qint64 contar(Conexion &conexion, const QString &sql)
{
    auto registros = conexion.abrirConsulta(sql);
    return registros->siguiente() ? registros->campo(0).toLongLong() : 0;
}

} // namespace

int versionEsquema()
{
    return versiones().last().numero;
}

int versionActual(Conexion &conexion)
{
    const QString tablaVersion =
        conexion.dialecto().motor() == Motor::SQLite
            ? u"SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'NVLA_Version'"_s
            : u"SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = current_schema()"
              " AND table_name = 'nvla_version'"_s;
    if (contar(conexion, tablaVersion) == 0)
        return 0;
    return int(contar(conexion, u"SELECT MAX(Version) FROM NVLA_Version"_s));
}

void crearEsquema(Conexion &conexion)
{
    const Motor motor = conexion.dialecto().motor();
    const int actual = versionActual(conexion);
    for (const Version &version : versiones()) {
        if (version.numero <= actual)
            continue;
        const QStringList &scripts = scriptsDe(version, motor);
        enTransaccion(conexion, [&] {
            if (version.numero == 1)
                conexion.ejecutar(u"CREATE TABLE NVLA_Version (Version INTEGER NOT NULL PRIMARY KEY)"_s);
            for (const QString &script : scripts)
                ejecutarScript(conexion, script);
            conexion.ejecutar(u"INSERT INTO NVLA_Version (Version) VALUES ("_s + ValorSql::numero(version.numero) +
                              u')');
        });
    }
}

void cargarDatosDemo(Conexion &conexion)
{
    enTransaccion(conexion, [&] { ejecutarScript(conexion, u"comun/datos_demo.sql"_s); });
}

bool tieneDatosDemo(Conexion &conexion)
{
    return contar(conexion, u"SELECT COUNT(*) FROM Empresas WHERE Cod_Empresa = 1"_s) > 0;
}

QString cadenaSqlite(const QString &ruta)
{
    return u"Driver=SQLite;Database="_s + ruta;
}

std::shared_ptr<Conexion> abrirBaseDemo(const QString &ruta)
{
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    std::shared_ptr<Conexion> conexion = Conexion::abrir(cadenaSqlite(ruta));
    crearEsquema(*conexion);
    if (!tieneDatosDemo(*conexion))
        cargarDatosDemo(*conexion);
    return conexion;
}

QString rutaBaseDemoPredeterminada()
{
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(carpeta.isEmpty() ? QDir::homePath() : carpeta).filePath(u"nvlalotes-demo.db"_s);
}

} // namespace NVLALotes::BaseDatosHost

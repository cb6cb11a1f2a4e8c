// nvla-datos: creates a host database and fills it, for the workbench, tests and
// benchmarks.
//   nvla-datos --db FILE --demo
//   nvla-datos --db FILE --lotes N --articulo A --almacen W --lineas M
//   nvla-datos --conexion "Driver=PostgreSQL;..." --lotes N ...
#include "db/BaseDatosHost.h"
#include "db/GeneradorDatos.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

QTextStream &salida()
{
    static QTextStream flujo(stdout);
    return flujo;
}

int entero(const QCommandLineParser &opciones, const QString &nombre)
{
    bool ok = false;
    const int valor = opciones.value(nombre).toInt(&ok);
    if (!ok || valor < 0)
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"--%1 necesita un número entero no negativo."_s.arg(nombre),
                         u"nvla-datos"_s);
    return valor;
}

void ejecutar(const QCommandLineParser &opciones)
{
    QString cadena = opciones.value(u"conexion"_s);
    if (cadena.isEmpty() && opciones.isSet(u"db"_s))
        cadena = BaseDatosHost::cadenaSqlite(opciones.value(u"db"_s));
    if (cadena.isEmpty())
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"Indique --db ARCHIVO o --conexion CADENA."_s, u"nvla-datos"_s);
    auto conexion = Conexion::abrir(cadena);
    BaseDatosHost::crearEsquema(*conexion);
    salida() << "Esquema en la versión " << BaseDatosHost::versionActual(*conexion) << Qt::endl;
    if (opciones.isSet(u"demo"_s) && !BaseDatosHost::tieneDatosDemo(*conexion)) {
        BaseDatosHost::cargarDatosDemo(*conexion);
        salida() << "Datos de demostración cargados" << Qt::endl;
    }
    BaseDatosHost::TamanoDatos tamano;
    tamano.empresa = qint16(entero(opciones, u"empresa"_s));
    tamano.almacen = qint16(entero(opciones, u"almacen"_s));
    tamano.articulo = entero(opciones, u"articulo"_s);
    tamano.lotes = entero(opciones, u"lotes"_s);
    tamano.lineas = entero(opciones, u"lineas"_s);
    if (tamano.lotes == 0 && tamano.lineas == 0)
        return;
    const BaseDatosHost::DatosGenerados datos = BaseDatosHost::generarDatos(*conexion, tamano);
    salida() << "Artículo " << tamano.articulo << ", almacén " << tamano.almacen << ": " << datos.lotes
             << " lotes (claves desde " << datos.primeraClave << "), " << datos.lineasFactura << " líneas de factura y "
             << datos.lineasAlbaran << " de albarán en " << datos.segundos << " s" << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication aplicacion(argc, argv);
    QCoreApplication::setApplicationName(u"nvla-datos"_s);
    QCommandLineParser opciones;
    opciones.setApplicationDescription(u"Crea una base de datos del ERP para NVLALotes y la llena de datos."_s);
    opciones.addHelpOption();
    opciones.addOptions({
        {u"db"_s, u"Archivo de la base de datos SQLite."_s, u"archivo"_s},
        {u"conexion"_s, u"Cadena de conexión (SQLite o PostgreSQL)."_s, u"cadena"_s},
        {u"demo"_s, u"Carga los datos de demostración."_s},
        {u"empresa"_s, u"Empresa de los datos generados."_s, u"n"_s, u"1"_s},
        {u"almacen"_s, u"Almacén de los datos generados."_s, u"n"_s, u"1"_s},
        {u"articulo"_s, u"Artículo de los datos generados."_s, u"n"_s, u"9000"_s},
        {u"lotes"_s, u"Lotes que generar para el artículo en el almacén."_s, u"n"_s, u"0"_s},
        {u"lineas"_s, u"Líneas de factura (y otras tantas de albarán) que generar."_s, u"n"_s, u"0"_s},
    });
    opciones.process(aplicacion);
    try {
        ejecutar(opciones);
    } catch (const ErrorLotes &error) {
        QTextStream(stderr) << error.Source() << ": " << error.Description() << Qt::endl;
        return 1;
    }
    return 0;
}

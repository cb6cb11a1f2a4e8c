// The workbench: runs the library's entry classes on the embedded demo database.
#include "VentanaBanco.h"
#include "db/BaseDatosHost.h"
#include "foundation/controls/Mensajes.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/ErrorLotes.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"nvla-banco"_s);

    QCommandLineParser opciones;
    opciones.setApplicationDescription(u"Banco de pruebas de NVLALotes"_s);
    opciones.addHelpOption();
    opciones.addOption({u"db"_s, u"Base de datos SQLite de demostración (se crea si no existe)."_s, u"fichero"_s,
                        NVLALotes::BaseDatosHost::RutaBaseDemoPredeterminada()});
    opciones.addOption({u"conexion"_s, u"Cadena de conexión a otra base de datos del host."_s, u"cadena"_s});
    opciones.process(app);

    std::shared_ptr<NVLALotes::Conexion> conexion;
    QString descripcion;
    try {
        if (opciones.isSet(u"conexion"_s)) {
            descripcion = opciones.value(u"conexion"_s);
            conexion = NVLALotes::Conexion::Abrir(descripcion);
        } else {
            descripcion = QDir::toNativeSeparators(opciones.value(u"db"_s));
            conexion = NVLALotes::BaseDatosHost::AbrirBaseDemo(opciones.value(u"db"_s));
        }
    } catch (const NVLALotes::ErrorLotes &error) {
        NVLALotes::Mensajes::Critico(
            nullptr, u"nvla-banco"_s,
            u"No se ha podido abrir la base de datos %1:\n%2"_s.arg(descripcion, error.Description()));
        return 1;
    }

    NVLALotes::Banco::VentanaBanco ventana(conexion, descripcion);
    ventana.resize(720, 680);
    ventana.show();
    return QApplication::exec();
}

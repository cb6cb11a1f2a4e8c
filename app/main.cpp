// The workbench: runs the library's entry classes on the embedded demo database.
#include "VentanaBanco.h"
#include "db/BaseDatosHost.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/TextosQt.h"
#include "foundation/core/host/ContextoCompartido.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/ErrorLotes.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// The demo file and what SQLite keeps beside it, so that it is made anew.
void borrarBaseDemo(const QString &ruta)
{
    for (const QString &sufijo : {QString(), u"-journal"_s, u"-wal"_s, u"-shm"_s})
        QFile::remove(ruta + sufijo);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"nvla-banco"_s);
    // Its settings under its own name: ~/.config/NVLALotes/nvla-banco.conf.
    QApplication::setOrganizationName(u"NVLALotes"_s);
    // As a Spanish host runs: Qt's own dialogs (the confirmation below, the
    // print and file dialogs) in Spanish, and their numbers with a decimal comma.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    NVLALotes::TextosQt::asegurarEspanol();

    QCommandLineParser opciones;
    opciones.setApplicationDescription(u"Banco de pruebas de NVLALotes"_s);
    opciones.addHelpOption();
    opciones.addOption({u"db"_s, u"Base de datos SQLite de demostración (se crea si no existe)."_s, u"fichero"_s,
                        NVLALotes::BaseDatosHost::rutaBaseDemoPredeterminada()});
    opciones.addOption({u"conexion"_s, u"Cadena de conexión a otra base de datos del host."_s, u"cadena"_s});
    opciones.process(app);
    const bool demo = !opciones.isSet(u"conexion"_s);
    const QString ruta = opciones.value(u"db"_s);

    // "Restablecer datos de demostración" closes the window; the file is then
    // removed and the workbench opens again on a new one.
    for (;;) {
        std::shared_ptr<NVLALotes::Conexion> conexion;
        const QString descripcion = demo ? QDir::toNativeSeparators(ruta) : opciones.value(u"conexion"_s);
        try {
            conexion = demo ? NVLALotes::BaseDatosHost::abrirBaseDemo(ruta) : NVLALotes::Conexion::abrir(descripcion);
        } catch (const NVLALotes::ErrorLotes &error) {
            NVLALotes::Mensajes::critico(
                nullptr, u"nvla-banco"_s,
                u"No se ha podido abrir la base de datos %1:\n%2"_s.arg(descripcion, error.Description()));
            return 1;
        }
        bool restablecer = false;
        int codigo = 0;
        {
            NVLALotes::Banco::VentanaBanco ventana(std::move(conexion), descripcion, demo ? ruta : QString());
            ventana.show();
            codigo = QApplication::exec();
            restablecer = ventana.restablecerPedido();
        }
        if (!restablecer)
            return codigo;
        NVLALotes::ContextoCompartido::setConexion(nullptr); // the last Show's, on the old file
        borrarBaseDemo(ruta);
    }
}

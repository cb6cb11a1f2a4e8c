// A host program of the ERP as small as it gets: it hands the library its
// company object and a connection to a SQLite file and opens the purchase lot
// dialog. On a screen the dialog waits for the clerk, and the program prints the
// lot typed; without one (offscreen, as the tests run it) nobody could answer,
// so Show(0) closes it again at once. It answers 0 when the library loaded and
// showed the dialog, and offscreen also returned Result False as promised.
#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/frmclsLotesCompras.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool conPantalla =
        QGuiApplication::platformName() != u"offscreen"_s && QGuiApplication::platformName() != u"minimal"_s;
    // The database file: the first argument, or a new one in a folder of its own.
    const QTemporaryDir carpeta;
    const QString archivo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : carpeta.filePath(u"erp.db"_s);
    try {
        auto empresa = std::make_shared<NVLALotes::EmpresaMemoria>(1, 1);
        empresa->setParametro(u"Lotes_ModeloUsar"_s, u"3"_s);
        empresa->setParametro(u"Lotes_NroObligatorio"_s, u"True"_s);
        NVLALotes::frmclsLotesCompras lotes;
        // The company object before the connection, as a host that opens its database late.
        lotes.EmpresaNuvalia(empresa);
        lotes.ConexionNuvalia(NVLALotes::Conexion::abrir(u"Driver=SQLite;Database="_s + archivo));
        lotes.PedirCaducidad = true;
        lotes.Unidades = 12;
        lotes.Show(conPantalla ? 1 : 0);
        if (!conPantalla)
            return lotes.Result ? 1 : 0;
        QTextStream(stdout) << (lotes.Result ? u"Lote %1, caducidad %2"_s.arg(lotes.Lote,
                                                                              lotes.Caducidad.toString(u"dd/MM/yyyy"_s))
                                             : u"Cancelado"_s)
                            << Qt::endl;
        return 0;
    } catch (const NVLALotes::ErrorLotes &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 2;
    }
}

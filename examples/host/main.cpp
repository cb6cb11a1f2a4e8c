// A host program of the ERP as small as it gets: it hands the library its
// company object and a connection to a SQLite file, opens the purchase lot
// dialog and lets Show(0) close it again at once. It answers 0 when the library
// loaded, showed and returned Result False as promised.
#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/frmclsLotesCompras.h>

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The database file: the first argument, or a new one in a folder of its own.
    const QTemporaryDir carpeta;
    const QString archivo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : carpeta.filePath(u"erp.db"_s);
    try {
        auto empresa = std::make_shared<NVLALotes::EmpresaMemoria>(1, 1);
        empresa->setParametro(u"Lotes_ModeloUsar"_s, u"3"_s);
        NVLALotes::frmclsLotesCompras lotes;
        // The company object before the connection, as a host that opens its database late.
        lotes.EmpresaNuvalia(empresa);
        lotes.ConexionNuvalia(NVLALotes::Conexion::abrir(u"Driver=SQLite;Database="_s + archivo));
        lotes.PedirCaducidad = true;
        lotes.Unidades = 12;
        lotes.Show(0);
        return lotes.Result ? 1 : 0;
    } catch (const NVLALotes::ErrorLotes &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
        return 2;
    }
}

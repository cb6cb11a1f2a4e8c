#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesCompras.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    auto empresa = std::make_shared<NVLALotes::EmpresaMemoria>(1, 1);
    empresa->setParametro(QStringLiteral("Lotes_ModeloUsar"), QStringLiteral("3"));
    NVLALotes::frmclsLotesCompras lotes;
    lotes.EmpresaNuvalia(empresa);
    lotes.PedirCaducidad = true;
    lotes.Unidades = 12;
    lotes.Show(argc > 1 ? 1 : 0);
    return lotes.Result ? 0 : 1;
}

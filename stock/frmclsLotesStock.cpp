#include "frmclsLotesStock.h"

#include "foundation/entry/ProtocoloShow.h"
#include "foundation/entry/RegistroComponentes.h"
#include "stock/frmLotesStockAlm1.h"
#include "stock/frmLotesStockAlm2.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("77D87724-49C3-4C41-B8F1-5276F41C0B30", [] { return std::make_unique<frmclsLotesStock>(); });

const Campos Entrada{"Cod_Almacen", "Cod_Articulo", "Control_Lotes", "Control_Caducidad"};

} // namespace

void frmclsLotesStock::Show(qint16 Modal, QWidget *OwnerForm)
{
    ejecutarShow(u"frmclsLotesStock"_s, Modal, OwnerForm, nullptr, [this](int modelo) {
        switch (modelo) {
        case 2:
            return PlanModelo::ventana<frmLotesStockAlm2>(*this, Entrada);
        case 3:
        case 4:
            return PlanModelo::ventana<frmLotesStockAlm1>(*this, Entrada);
        default:
            return PlanModelo::inmediato([] {});
        }
    });
}

} // namespace NVLALotes

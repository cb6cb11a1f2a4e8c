#include "frmclsLotesInventario.h"

#include "foundation/core/values/Conversiones.h"
#include "foundation/entry/ProtocoloShow.h"
#include "foundation/entry/RegistroComponentes.h"
#include "inventory/frmInventarioLotes1.h"
#include "inventory/frmInventarioLotes2.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("12334DD8-5591-4A7B-88B4-6089E806B7E9",
                          [] { return std::make_unique<frmclsLotesInventario>(); });

// Both dialogs expose the same fields, copied in and out in this order.
const Campos Entrada{"Cod_Almacen", "Cod_Articulo", "Unidades", "peso", "Lote", "Caducidad", "ControlCaducidad"};
const Campos Salida{"Cod_Lote", "Lote", "Caducidad", "Tono", "Calibre"};

} // namespace

void frmclsLotesInventario::Show(qint16 Modal, QWidget *OwnerForm)
{
    ejecutarShow(u"frmclsLotesInventario"_s, Modal, OwnerForm, Result, [this](int modelo) {
        switch (modelo) {
        case 1:
        case 4:
            // No lots are counted: every line takes the generic lot.
            return PlanModelo::inmediato([this] {
                Cod_Lote = 1;
                Caducidad = fechaNula();
                Result = true;
            });
        case 2:
            return PlanModelo::dialogo<frmInventarioLotes2>(*this, Entrada, Salida);
        case 3:
            return PlanModelo::dialogo<frmInventarioLotes1>(*this, Entrada, Salida);
        default:
            return PlanModelo::fallo();
        }
    });
}

} // namespace NVLALotes

#pragma once

#include "foundation/core/values/Conversiones.h"
#include "foundation/entry/ProtocoloShow.h"
#include "regularization/frmLotesStockReg1.h"
#include "regularization/frmLotesStockReg2.h"

#include <functional>

namespace NVLALotes {

// What the entry classes of a stock movement (regularization and transfer) do
// under each lot model: answer at once without lots in stock (1 and 4), or open
// the tone/caliber (2) or the lot (3) dialog with the inputs `entrada` gives.
// Either dialog gives back all five outputs, the ones of the other lot model
// empty.
template<class Clase> PlanModelo planMovimientoStock(Clase &clase, int modelo, const std::function<Campos()> &entrada)
{
    const Campos salida{"Cod_Lote", "Lote", "Caducidad", "Tono", "Calibre"};
    switch (modelo) {
    case 1:
    case 4:
        return PlanModelo::inmediato([&clase] {
            clase.Cod_Lote = 1;
            clase.Caducidad = fechaNula();
            clase.Result = true;
        });
    case 2:
        return PlanModelo::dialogo<frmLotesStockReg2>(clase, entrada(), salida);
    case 3:
        return PlanModelo::dialogo<frmLotesStockReg1>(clase, entrada(), salida);
    default:
        return PlanModelo::fallo();
    }
}

} // namespace NVLALotes

#include "frmclsLotesFacturacion.h"

#include "foundation/core/values/Conversiones.h"
#include "foundation/entry/ProtocoloShow.h"
#include "foundation/entry/RegistroComponentes.h"
#include "purchases/frmLotesDatos1.h"
#include "sales/frmLotesStockFacturar1.h"
#include "sales/frmLotesStockFacturar2.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("C23CE54A-753C-4E21-AD0B-C74F3B2A027B",
                          [] { return std::make_unique<frmclsLotesFacturacion>(); });

// What the class takes back from an accepted dialog, by the lot model read
// again once the dialog has ended: the host may have changed it meanwhile. An
// error of that read reaches the host; a lot the clerk typed was already
// written whole by the lot stock procedure, and stays.
Campos salidaDelModelo(int modelo)
{
    Campos salida{"Lote", "Caducidad"};
    switch (modelo) {
    case 1:
        salida.append(Campo::fijo("Cod_Lote", 1));
        break;
    case 2:
        salida += Campos{"Cod_Lote", "Tono", "Calibre", "Reparto"};
        break;
    case 3:
        salida += Campos{"Cod_Lote", "Reparto"};
        break;
    default:
        break;
    }
    return salida;
}

Campos salidaAlAceptar()
{
    return salidaDelModelo(leerModeloLotes());
}

// Without lot stock (model 1) the line only records a lot code and expiry.
PlanModelo planSinStock(frmclsLotesFacturacion &clase)
{
    return PlanModelo::dialogo<frmLotesDatos1>(clase, {{"PedirCaducidad", "ControlCaducidad"}, "Unidades"},
                                               salidaAlAceptar);
}

template<class Dialogo> PlanModelo planDesdeStock(frmclsLotesFacturacion &clase)
{
    return PlanModelo::dialogo<Dialogo>(clase,
                                        {"Cod_Almacen", "Cod_Articulo", "Unidades", "ControlCaducidad",
                                         "PermitirAutomatico", "PermitirContinuarSinLote", "DiasVidaMinima",
                                         "PermitirReparto"},
                                        salidaAlAceptar);
}

} // namespace

void frmclsLotesFacturacion::Show(qint16 Modal, QWidget *OwnerForm)
{
    ejecutarShow(u"frmclsLotesFacturacion"_s, Modal, OwnerForm, Result, [this](int modelo) {
        switch (modelo) {
        case 1:
            return planSinStock(*this);
        case 2:
            return planDesdeStock<frmLotesStockFacturar2>(*this);
        case 3:
            return planDesdeStock<frmLotesStockFacturar1>(*this);
        case 4:
            // Lots are not tracked in stock: every line takes the generic lot.
            return PlanModelo::inmediato([this] {
                Cod_Lote = 1;
                Caducidad = fechaNula();
                Result = true;
            });
        default:
            return PlanModelo::fallo();
        }
    });
}

} // namespace NVLALotes

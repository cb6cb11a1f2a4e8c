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

// What the class takes back from an accepted dialog. The model is the one the
// dialog was chosen by: reading it again after the dialog could fail once a lot
// typed there already exists, and the host would then lose that lot's key.
Campos salidaDelModelo(int modelo)
{
    Campos salida{"Lote", "Caducidad"};
    switch (modelo) {
    case 1:
        salida.append(Campo::fijo("Cod_Lote", 1));
        break;
    case 2:
        salida += Campos{"Cod_Lote", "Tono", "Calibre"};
        break;
    case 3:
        salida.append("Cod_Lote");
        break;
    default:
        break;
    }
    return salida;
}

// Without lot stock (model 1) the line only records a lot code and expiry.
PlanModelo planSinStock(frmclsLotesFacturacion &clase)
{
    return PlanModelo::dialogo<frmLotesDatos1>(clase, {{"PedirCaducidad", "ControlCaducidad"}, "Unidades"},
                                               salidaDelModelo(1));
}

template<class Dialogo> PlanModelo planDesdeStock(frmclsLotesFacturacion &clase, int modelo)
{
    return PlanModelo::dialogo<Dialogo>(clase,
                                        {"Cod_Almacen", "Cod_Articulo", "Unidades", "ControlCaducidad",
                                         "PermitirAutomatico", "PermitirContinuarSinLote"},
                                        salidaDelModelo(modelo));
}

} // namespace

void frmclsLotesFacturacion::Show(qint16 Modal, QWidget *OwnerForm)
{
    EjecutarShow(u"frmclsLotesFacturacion"_s, Modal, OwnerForm, Result, [this](int modelo) {
        switch (modelo) {
        case 1:
            return planSinStock(*this);
        case 2:
            return planDesdeStock<frmLotesStockFacturar2>(*this, modelo);
        case 3:
            return planDesdeStock<frmLotesStockFacturar1>(*this, modelo);
        case 4:
            // Lots are not tracked in stock: every line takes the generic lot.
            return PlanModelo::inmediato([this] {
                Cod_Lote = 1;
                Caducidad = FechaNula();
                Result = true;
            });
        default:
            return PlanModelo::fallo();
        }
    });
}

} // namespace NVLALotes

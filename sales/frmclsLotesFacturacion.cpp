#include "frmclsLotesFacturacion.h"

#include "foundation/entry/ProtocoloShow.h"
#include "foundation/values/Conversiones.h"
#include "purchases/frmLotesDatos1.h"
#include "sales/frmLotesStockFacturar1.h"
#include "sales/frmLotesStockFacturar2.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// Without lot stock (model 1) the line only records a lot code and expiry.
PlanModelo planSinStock(frmclsLotesFacturacion &clase)
{
    return PlanModelo::dialogo<frmLotesDatos1>(
        [&clase](frmLotesDatos1 &d) {
            d.PedirCaducidad = clase.ControlCaducidad;
            d.Unidades = clase.Unidades;
        },
        [&clase](frmLotesDatos1 &d) {
            if (LeerModeloLotes() == 1)
                clase.Cod_Lote = 1;
            clase.Lote = d.Lote;
            clase.Caducidad = d.Caducidad;
        });
}

template<class Dialogo> PlanModelo planDesdeStock(frmclsLotesFacturacion &clase)
{
    return PlanModelo::dialogo<Dialogo>(
        [&clase](Dialogo &d) {
            d.Cod_Almacen = clase.Cod_Almacen;
            d.Cod_Articulo = clase.Cod_Articulo;
            d.Unidades = clase.Unidades;
            d.ControlCaducidad = clase.ControlCaducidad;
            d.PermitirAutomatico = clase.PermitirAutomatico;
            d.PermitirContinuarSinLote = clase.PermitirContinuarSinLote;
        },
        [&clase](Dialogo &d) {
            // The model is read again, as the host may answer per call.
            switch (LeerModeloLotes()) {
            case 1:
                clase.Cod_Lote = 1;
                break;
            case 2:
                clase.Cod_Lote = d.Cod_Lote;
                clase.Tono = d.Tono;
                clase.Calibre = d.Calibre;
                break;
            case 3:
                clase.Cod_Lote = d.Cod_Lote;
                break;
            default:
                break;
            }
            clase.Lote = d.Lote;
            clase.Caducidad = d.Caducidad;
        });
}

} // namespace

void frmclsLotesFacturacion::Show(qint16 Modal, QWidget *OwnerForm)
{
    EjecutarShow(u"frmclsLotesFacturacion"_s, Modal, OwnerForm, Result, [this](int modelo) {
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
                Caducidad = FechaNula();
                Result = true;
            });
        default:
            return PlanModelo::fallo();
        }
    });
}

} // namespace NVLALotes

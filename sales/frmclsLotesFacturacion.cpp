#include "frmclsLotesFacturacion.h"

#include "foundation/entry/ProtocoloShow.h"
#include "foundation/entry/RegistroComponentes.h"
#include "foundation/values/Conversiones.h"
#include "purchases/frmLotesDatos1.h"
#include "sales/frmLotesStockFacturar1.h"
#include "sales/frmLotesStockFacturar2.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("C23CE54A-753C-4E21-AD0B-C74F3B2A027B",
                          [] { return std::make_unique<frmclsLotesFacturacion>(); });

// Without lot stock (model 1) the line only records a lot code and expiry.
PlanModelo planSinStock(frmclsLotesFacturacion &clase)
{
    return PlanModelo::dialogo<frmLotesDatos1>(clase, {{"PedirCaducidad", "ControlCaducidad"}, "Unidades"}, [] {
        Campos salida{"Lote", "Caducidad"};
        if (LeerModeloLotes() == 1)
            salida.append(Campo::fijo("Cod_Lote", 1));
        return salida;
    });
}

template<class Dialogo> PlanModelo planDesdeStock(frmclsLotesFacturacion &clase)
{
    return PlanModelo::dialogo<Dialogo>(clase,
                                        {"Cod_Almacen", "Cod_Articulo", "Unidades", "ControlCaducidad",
                                         "PermitirAutomatico", "PermitirContinuarSinLote"},
                                        [] {
                                            Campos salida{"Lote", "Caducidad"};
                                            // The model is read again, as the host may answer per call.
                                            switch (LeerModeloLotes()) {
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

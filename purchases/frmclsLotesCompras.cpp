#include "frmclsLotesCompras.h"

#include "foundation/core/values/Conversiones.h"
#include "foundation/entry/ProtocoloShow.h"
#include "foundation/entry/RegistroComponentes.h"
#include "purchases/frmLotesDatos1.h"
#include "purchases/frmLotesDatos2.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("467AEFB2-B541-4C0C-A141-D5C6100B49CA",
                          [] { return std::make_unique<frmclsLotesCompras>(); });

template<class Dialogo> PlanModelo planDialogo(frmclsLotesCompras &clase)
{
    return PlanModelo::dialogo<Dialogo>(clase, {"Lote", "Caducidad", "PedirCaducidad", "Tono", "Calibre", "Unidades"},
                                        Campos{"Lote", "Caducidad", "Tono", "Calibre"});
}

} // namespace

void frmclsLotesCompras::Show(qint16 Modal, QWidget *OwnerForm)
{
    ejecutarShow(u"frmclsLotesCompras"_s, Modal, OwnerForm, Result, [this](int modelo) {
        switch (modelo) {
        case 1:
            // Lots without data: nothing to ask.
            return PlanModelo::inmediato([this] {
                Lote.clear();
                Caducidad = fechaNula();
                Result = true;
            });
        case 2:
            return planDialogo<frmLotesDatos2>(*this);
        case 3:
        case 4:
            return planDialogo<frmLotesDatos1>(*this);
        default:
            return PlanModelo::fallo();
        }
    });
}

} // namespace NVLALotes

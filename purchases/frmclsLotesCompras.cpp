#include "frmclsLotesCompras.h"

#include "foundation/entry/ProtocoloShow.h"
#include "foundation/values/Conversiones.h"
#include "purchases/frmLotesDatos1.h"
#include "purchases/frmLotesDatos2.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

template<class Dialogo> PlanModelo planDialogo(frmclsLotesCompras &clase)
{
    return PlanModelo::dialogo<Dialogo>(
        [&clase](Dialogo &d) {
            d.Lote = clase.Lote;
            d.Caducidad = clase.Caducidad;
            d.PedirCaducidad = clase.PedirCaducidad;
            d.Tono = clase.Tono;
            d.Calibre = clase.Calibre;
            d.Unidades = clase.Unidades;
        },
        [&clase](Dialogo &d) {
            clase.Lote = d.Lote;
            clase.Caducidad = d.Caducidad;
            clase.Tono = d.Tono;
            clase.Calibre = d.Calibre;
        });
}

} // namespace

void frmclsLotesCompras::Show(qint16 Modal, QWidget *OwnerForm)
{
    EjecutarShow(u"frmclsLotesCompras"_s, Modal, OwnerForm, Result, [this](int modelo) {
        switch (modelo) {
        case 1:
            // Lots without data: nothing to ask.
            return PlanModelo::inmediato([this] {
                Lote.clear();
                Caducidad = FechaNula();
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

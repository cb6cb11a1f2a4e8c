#include "frmclsLotesTraspaso.h"

#include "foundation/entry/RegistroComponentes.h"
#include "regularization/PlanMovimientoStock.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("0220F91A-BDC4-425B-BCB0-6416F104DACA",
                          [] { return std::make_unique<frmclsLotesTraspaso>(); });

} // namespace

void frmclsLotesTraspaso::Show(qint16 Modal, QWidget *OwnerForm)
{
    ejecutarShow(u"frmclsLotesTraspaso"_s, Modal, OwnerForm, Result, [this](int modelo) {
        return planMovimientoStock(*this, modelo, [] {
            // A transfer always takes stock out of the origin warehouse. The model
            // is read again for the caption, as the host may answer per call.
            const QString titulo = leerModeloLotes() == 2 ? u"Traspaso de Tono / Calibre"_s : u"Traspaso de Lote"_s;
            return Campos{Campo::fijoEnDialogo("EsNegativo", true), "Cod_Almacen", "Cod_Articulo", "Unidades",
                          Campo::fijoEnDialogo("windowTitle", titulo)};
        });
    });
}

} // namespace NVLALotes

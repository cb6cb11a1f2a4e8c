#include "frmclsLotesRegularizar.h"

#include "foundation/entry/RegistroComponentes.h"
#include "regularization/PlanMovimientoStock.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const Registro::Alta alta("E26860AB-5344-4968-8087-82426FB6941D",
                          [] { return std::make_unique<frmclsLotesRegularizar>(); });

} // namespace

void frmclsLotesRegularizar::Show(qint16 Modal, QWidget *OwnerForm)
{
    ejecutarShow(u"frmclsLotesRegularizar"_s, Modal, OwnerForm, Result, [this](int modelo) {
        return planMovimientoStock(*this, modelo, [] {
            return Campos{"EsNegativo", "Cod_Almacen", "Cod_Articulo", "Unidades"};
        });
    });
}

} // namespace NVLALotes

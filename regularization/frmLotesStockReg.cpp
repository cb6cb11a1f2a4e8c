#include "frmLotesStockReg.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/rules/ReglasStockLotes.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmLotesStockReg::frmLotesStockReg(const Diseno &diseno, QWidget *parent)
    : DialogoListaLotes(diseno, parent)
{
    Formulario::ordenTabulacion({vsLotes, cmdAceptar, cmdCancelar});
}

frmLotesStockReg::~frmLotesStockReg() = default;

QString frmLotesStockReg::consulta() const
{
    // Both dialogs read the same columns; each shows the ones of its lot model.
    return ReglasStockLotes::consulta(u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre"_s,
                                      ContextoCompartido::empresaRequerida().CodigoEmpresa(), Cod_Almacen, Cod_Articulo,
                                      EsNegativo);
}

} // namespace NVLALotes

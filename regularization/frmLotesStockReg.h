#pragma once

#include "foundation/lists/DialogoListaLotes.h"

namespace NVLALotes {

// What the two pick-from-stock dialogs of a stock movement (a regularization or
// a transfer) share: the article's lots with a stock record in the warehouse,
// fewest units first. A movement that takes stock out lists only lots with
// stock and refuses a lot whose stock, as displayed, is short of the units.
// Nothing is typed and nothing is written: no "Manual" frame, no automatic row,
// and no keys of their own.
class frmLotesStockReg : public DialogoListaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockReg)
    Q_PROPERTY(bool EsNegativo MEMBER EsNegativo)

public:
    ~frmLotesStockReg() override;

    bool EsNegativo = false;

protected:
    frmLotesStockReg(const Diseno &diseno, QWidget *parent);

private:
    QString consulta() const override;
    bool comprobarStock() const override { return EsNegativo; }
};

} // namespace NVLALotes

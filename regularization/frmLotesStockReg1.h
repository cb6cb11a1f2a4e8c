#pragma once

#include "regularization/frmLotesStockReg.h"

namespace NVLALotes {

// The lot of a stock movement under the lot-code model: lot code and expiry.
class frmLotesStockReg1 final : public frmLotesStockReg
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockReg1)

public:
    explicit frmLotesStockReg1(QWidget *parent = nullptr);

private:
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void tomarFila(int fila) override;
};

} // namespace NVLALotes

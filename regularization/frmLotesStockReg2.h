#pragma once

#include "regularization/frmLotesStockReg.h"

namespace NVLALotes {

// The lot of a stock movement under the tone and caliber model.
class frmLotesStockReg2 final : public frmLotesStockReg
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockReg2)

public:
    explicit frmLotesStockReg2(QWidget *parent = nullptr);

private:
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void tomarFila(int fila) override;
};

} // namespace NVLALotes

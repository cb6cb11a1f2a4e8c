#pragma once

#include "sales/frmLotesStockFacturar.h"

namespace NVLALotes {

class kxMaskEdBox;
class kxTextBox;

// The lot of a sales line under the lot-code model: lot code and expiry.
class frmLotesStockFacturar1 final : public frmLotesStockFacturar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockFacturar1)

public:
    explicit frmLotesStockFacturar1(QWidget *parent = nullptr);

private:
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void tomarFila(int fila) override;
    void aceptarManual() override;

    kxMaskEdBox *txtCaducidad = nullptr;
    kxTextBox *txtLote = nullptr;
};

} // namespace NVLALotes

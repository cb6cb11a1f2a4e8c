#pragma once

#include "sales/frmLotesStockFacturar.h"

namespace NVLALotes {

class kxMaskEdBox;
class kxTextBox;

// The lot of a sales line under the tone and caliber model: blocked lots are
// shown and refused, and the caller may let the line go on without a lot.
class frmLotesStockFacturar2 final : public frmLotesStockFacturar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockFacturar2)

public:
    explicit frmLotesStockFacturar2(QWidget *parent = nullptr);

private:
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void tomarFila(int fila) override;
    void aceptarManual() override;
    void antesDeCargar() override;
    void continuarSinLote();

    kxMaskEdBox *txtCaducidad = nullptr;
    kxTextBox *txtTono = nullptr;
    kxTextBox *txtCalibre = nullptr;
    PushButton *cmdContinuar = nullptr;
};

} // namespace NVLALotes

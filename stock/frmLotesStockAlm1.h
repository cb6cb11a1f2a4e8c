#pragma once

#include "stock/VentanaStockLotes.h"

namespace NVLALotes {

// The stock of an article by lot code and expiry in one warehouse at a time,
// fewest units first, with the total below; a lot can be created in the
// chosen warehouse.
class frmLotesStockAlm1 final : public VentanaStockLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockAlm1)

public:
    explicit frmLotesStockAlm1(QWidget *parent = nullptr);

private:
    void mostrarBotones() override;
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void llenarListas() override;
};

} // namespace NVLALotes

#pragma once

#include "stock/VentanaStockLotes.h"

namespace NVLALotes {

// The stock of an article by tone and caliber in one warehouse at a time:
// the lots with their block marker, fewest units first; the units customers
// are still owed, deducted in the total; and beside them the documents that
// owe them. A manager may block or unblock the current lot, which the sales
// dialogs then refuse, and create a lot in the chosen warehouse.
class frmLotesStockAlm2 final : public VentanaStockLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockAlm2)

public:
    explicit frmLotesStockAlm2(QWidget *parent = nullptr);

private:
    void prepararListas() override;
    void mostrarBotones() override;
    void llenar() override;

    // The stock row (only without lots) and the owed units; answers whether
    // customers are owed any, and adds both to `total`.
    bool filasDelAlmacen(bool hayLotes, Currency &total);
    void llenarPendientes();
    void filaCambiada();
    void bloquear();

    Rejilla *vsAPE = nullptr;
    PushButton *cmdBloquear = nullptr;
};

} // namespace NVLALotes

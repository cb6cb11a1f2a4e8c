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
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void llenarListas() override;
    void listasLlenas() override;
    bool etiquetaConTono() const override { return true; }

    // The stock row, one per stock record, when the warehouse lists no lot;
    // answers their sum.
    Currency filasDeStock();
    // The units customers are owed, with the documents that owe them in vsAPE.
    Currency leerPendientes();
    void filaCambiada();
    void bloquear();

    Rejilla *vsAPE = nullptr;
    PushButton *cmdBloquear = nullptr;
};

} // namespace NVLALotes

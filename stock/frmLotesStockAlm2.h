#pragma once

#include "stock/VentanaStockLotes.h"

#include <optional>

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
    // What this fill has read of the units customers are owed.
    struct Pendientes
    {
        std::optional<Currency> unidades;
        bool documentos = false; // vsAPE holds the documents that owe them
        bool fallo = false;      // a read failed, and the clerk was told
    };
    // The units customers are owed.
    Currency unidadesPendientes();
    // The documents that owe them in vsAPE; not looked up when none are owed.
    void leerDocumentos(Pendientes &pendientes);
    void filaCambiada();
    void bloquear();

    Rejilla *vsAPE = nullptr;
    PushButton *cmdBloquear = nullptr;
};

} // namespace NVLALotes

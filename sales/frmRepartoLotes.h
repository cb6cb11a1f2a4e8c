#pragma once

#include "foundation/entry/DialogoLotes.h"
#include "foundation/lists/ListaLotes.h"
#include "sales/EleccionLotes.h"

#include <nvlalotes/Currency.h>

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;

namespace NVLALotes {

class PushButton;
class Rejilla;

// A sales line split over lots: the proposal, one row per lot with the units
// it gives in a column the clerk edits in place (Enter, a digit or a double
// click), the units still to split shown as they are typed. Aceptar takes it
// only when every lot gives no more than its stock and the units add up to
// the line's.
class frmRepartoLotes final : public DialogoLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmRepartoLotes)

public:
    // The lots as the sales list shows them: its columns after the hidden key,
    // a row's tab-separated line (key first) and its stock as displayed.
    struct Lista
    {
        QList<ListaLotes::Columna> columnas;
        std::function<QString(int fila)> linea;
        std::function<Currency(int fila)> stock;
    };

    frmRepartoLotes(QWidget *parent, Lista lista, std::vector<EleccionLotes::Parte> partes, Currency unidades);

    void Cargar() override;
    // The lots that give units, in the order shown, with their units.
    std::vector<EleccionLotes::Parte> reparto() const;

private:
    void editar(int caracter);
    void anotar(int fila, const QString &texto);
    void mostrarPendientes(int filaEscrita = 0, const QString &escrito = {});
    void aceptar();
    void rechazar(int fila, const QString &texto);

    Lista m_lista;
    std::vector<EleccionLotes::Parte> m_partes;
    // Per row, the units typed; none when the text is no amount.
    std::vector<std::optional<Currency>> m_unidades;
    Currency m_total;
    int m_columnaUnidades = 0;
    QPointer<QLineEdit> m_editor; // the open editor of a row's units
    QLabel *lblPendientes = nullptr;
    Rejilla *vsReparto = nullptr;
    PushButton *cmdAceptar = nullptr;
    PushButton *cmdCancelar = nullptr;
};

} // namespace NVLALotes

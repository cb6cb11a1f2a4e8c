#pragma once

#include "foundation/lists/DialogoListaLotes.h"

#include <optional>

class QLabel;

namespace NVLALotes {

class kxMaskEdBox;

// What the two lot dialogs of an inventory count share. The counter picks one
// of the article's known lots from the list or types the lot on the box in the
// "Manual" frame; a typed lot that is listed (same texts, exactly) resolves to
// its key, any other comes back with key 0 for the host to create. Nothing is
// written and no stock is checked. The window knows which way Aceptar works
// only once a control has been entered.
class frmInventarioLotes : public DialogoListaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmInventarioLotes)
    Q_PROPERTY(NVLALotes::Currency peso MEMBER peso)
    Q_PROPERTY(bool ControlCaducidad MEMBER ControlCaducidad)
    Q_PROPERTY(QString modo READ modo)

public:
    ~frmInventarioLotes() override;

    Currency peso;
    // The expiry is mandatory: the date box is editable and a missing date refused.
    bool ControlCaducidad = false;

    // "nuevo_lote", "seleccion_lote", or empty before any control had the focus.
    QString modo() const;

protected:
    frmInventarioLotes(const Diseno &diseno, const QRect &marcoTwips, QWidget *parent);

    // The frame's date label and box; Down in the box moves to the next control.
    QLabel *crearFecha(const QRect &etiquetaTwips, const QRect &cajaTwips);
    // A text box of the frame whose Up and Down arrows move the focus.
    kxTextBox *crearCaja(const QString &nombre, int maxLength, const QRect &twips);

    // The date step of a typed lot: the typed date, or "01/01/1900" when the
    // text is no date; nothing (after the message) when the date is mandatory.
    std::optional<QString> textoCaducidadTecleada();
    // The key of the first listed row holding exactly the typed cells, else 0.
    qint32 claveTecleada(const QList<ReglasStockLotes::CeldaTecleada> &celdas) const;

    kxMaskEdBox *txtCaducidad = nullptr;

private:
    void antesDeCargar() override;
    bool comprobarStock() const override { return false; }
};

} // namespace NVLALotes

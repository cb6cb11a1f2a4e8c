#pragma once

#include "foundation/entry/DialogoLotes.h"

#include <nvlalotes/Currency.h>

#include <QDate>
#include <QString>

namespace NVLALotes {

class kxMaskEdBox;
class kxTextBox;
class PushButton;

// What the two purchase data-entry dialogs share: their fields, the title, the
// expiry box with its checks, and the two buttons.
class frmLotesDatos : public DialogoLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesDatos)
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(bool PedirCaducidad MEMBER PedirCaducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)

public:
    ~frmLotesDatos() override;

    QString Lote;
    QDate Caducidad;
    bool PedirCaducidad = false;
    QString Tono;
    QString Calibre;
    Currency Unidades;

protected:
    explicit frmLotesDatos(QWidget *parent = nullptr);

    // The name and the fixed inner area in twips.
    void disenar(const QString &nombre, int anchoTwips, int altoTwips);
    // The date box and the two buttons, at the places both dialogs share.
    void colocarFechaYBotones(const QRect &fechaTwips);

    // Shows the stored expiry (the text it was given) and enables the box only
    // when an expiry is asked for.
    void cargarCaducidad(const QString &textoFecha);
    // The expiry checks of accept. Writes Caducidad (the typed date, or the null
    // date when none is asked for) and answers true, or shows the message, moves
    // the focus to the date box and answers false.
    bool aceptarCaducidad();

    virtual void aceptar() = 0;

    kxMaskEdBox *txtCaducidad = nullptr;
    PushButton *cmdAceptar = nullptr;
    PushButton *cmdCancelar = nullptr;
};

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QDialog>
#include <QString>

#include <functional>

namespace NVLALotes {

// Base of every lot dialog. A dialog is created for one Show: the entry class
// sets its input fields, Cargar() builds it (the first use), the dialog ends
// itself by hiding, and the entry class reads Result and the outputs.
// Enter and Escape do nothing by themselves: no button is a default or cancel
// button, each dialog's key handlers decide. The close box ends it like a
// cancel: Result stays False.
class NVLA_EXPORT DialogoLotes : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogoLotes)

public:
    bool Result = false;

    // Builds the dialog from its input fields. Database errors propagate to the
    // entry class, before anything is shown.
    virtual void Cargar() = 0;

protected:
    explicit DialogoLotes(QWidget *parent = nullptr);

    // The designed inner area in twips; the window keeps that size.
    void fijarAreaCliente(int anchoTwips, int altoTwips);
    // Result True and hide: the entry class reads the outputs.
    void terminarAceptando();
    // Result False and hide.
    void terminarCancelando();

    // Runs a user action (a click, a key). An error must not cross the event
    // loop: it is shown to the clerk, titled "dialog:action", and the dialog
    // stays open with Result unchanged.
    void protegido(const QString &accion, const std::function<void()> &manejador);

    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace NVLALotes

#pragma once

#include <QApplication>
#include <QDialog>

namespace NVLALotes {

// The dialog a driven clerk types into: the visible modal dialog, once it has
// the keys. One that has not is asked to take them, and the driver's next tick
// finds it ready; keys sent before would go nowhere.
inline QDialog *dialogoConTeclado(QWidget *modal)
{
    auto *dialogo = qobject_cast<QDialog *>(modal);
    if (!dialogo || !dialogo->isVisible())
        return nullptr;
    if (!dialogo->isActiveWindow()) {
        dialogo->activateWindow();
        return nullptr;
    }
    return dialogo;
}

} // namespace NVLALotes

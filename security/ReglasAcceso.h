#pragma once

#include <QtGlobal>

class QWidget;

// How a permission shows on a control that does not handle it itself.
namespace NVLALotes::ReglasAcceso {

enum Permiso : qint32 { Visible = 0, SoloLectura = 1, Deshabilitado = 2 };

// Whether the control's class declares an AccessLevel property it can be
// written through; then the control is given the permission and does the rest.
bool aplicarNivelPropio(QWidget *control, qint32 permiso);

// Visible: shown. Read-only: grey text and read-only, or disabled where the
// control cannot be read-only. Disabled: disabled, without a frame, with its
// container's background. Any other value changes nothing.
void aplicarReglaGenerica(QWidget *control, qint32 permiso);

} // namespace NVLALotes::ReglasAcceso

#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QRect>
#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace NVLALotes {
class kxMaskEdBox;
class kxTextBox;
class PushButton;
} // namespace NVLALotes

// Building a dialog from its design: each control with its name (objectName),
// caption or settings, and its place in twips relative to its parent.
namespace NVLALotes::Formulario {

NVLA_EXPORT QLabel *etiqueta(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips);
NVLA_EXPORT kxTextBox *cajaTexto(QWidget *padre, const QString &nombre, int maxLength, const QRect &twips);
// The date box of every dialog, named txtCaducidad.
NVLA_EXPORT kxMaskEdBox *cajaFecha(QWidget *padre, const QRect &twips);
NVLA_EXPORT PushButton *boton(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips);
// The tab order, first to last.
NVLA_EXPORT void ordenTabulacion(std::initializer_list<QWidget *> controles);

} // namespace NVLALotes::Formulario

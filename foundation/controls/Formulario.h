#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QRect>
#include <QString>

#include <initializer_list>
#include <optional>

class QGroupBox;
class QLabel;
class QWidget;

namespace NVLALotes {
class kxAlmacen;
class kxMaskEdBox;
class kxTextBox;
class PushButton;
class Rejilla;
} // namespace NVLALotes

// Building a window from its design: each control with its name (objectName),
// caption or settings, and its place in twips relative to its parent. Every
// control of the library is built here, so that each one that takes the focus
// carries its tab position, which the permission catalog reads.
namespace NVLALotes::Formulario {

NVLA_EXPORT QLabel *etiqueta(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips);
NVLA_EXPORT kxTextBox *cajaTexto(QWidget *padre, const QString &nombre, int maxLength, const QRect &twips);
// The date box of every dialog, named txtCaducidad.
NVLA_EXPORT kxMaskEdBox *cajaFecha(QWidget *padre, const QRect &twips);
// The warehouse picker of the stock windows.
NVLA_EXPORT kxAlmacen *selectorAlmacen(QWidget *padre, const QString &nombre, const QRect &twips);
NVLA_EXPORT PushButton *boton(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips);
NVLA_EXPORT QGroupBox *marco(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips);
NVLA_EXPORT Rejilla *rejilla(QWidget *padre, const QString &nombre, const QRect &twips);

// The tab order, first to last: each control that takes the focus gets the
// next tab position, from 0.
NVLA_EXPORT void ordenTabulacion(std::initializer_list<QWidget *> controles);
// A control's tab position as designed, where the design skips numbers.
NVLA_EXPORT void fijarPosicionTab(QWidget *control, int posicion);
// The tab position a control was given; none for a control that takes no focus.
NVLA_EXPORT std::optional<int> posicionTab(const QWidget *control);

} // namespace NVLALotes::Formulario

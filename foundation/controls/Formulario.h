#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QList>
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
// carries its tab position, which the permission catalog reads, and a name a
// screen reader tells: a box or list built right after a label is named by it
// and becomes its buddy; a list without a label is the list of lots.
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

struct PosicionTab
{
    QWidget *control;
    int posicion;
};
// The tab positions of a design, frames and labels included: each control
// keeps its number, gaps and all, since the permission catalog records it, and
// the controls that take the focus follow each other in that order.
NVLA_EXPORT void posicionesTab(const QList<PosicionTab> &controles);
// The tab position a control was given; none when its design gives it none.
NVLA_EXPORT std::optional<int> posicionTab(const QWidget *control);
// The control where the focus of `ventana` starts: the first in tab order
// that takes the focus now; none when no control has a position.
NVLA_EXPORT QWidget *primeroEnTabulacion(const QWidget *ventana);

} // namespace NVLALotes::Formulario

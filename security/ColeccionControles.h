#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QList>
#include <QString>

#include <optional>

class QWidget;

// What a form's "controls" are, for the permissions and their catalog.
namespace NVLALotes::ColeccionControles {

// The name of the dynamic property that makes a widget an element of a
// control array: an integer, the element's index. Several widgets of one form
// share an objectName and differ in it.
inline constexpr const char *PropiedadIndice = "Index";

// The controls of `formulario`, in a fixed order: its descendant widgets
// depth first, each before its own children, siblings in the order Qt keeps
// them (creation order). A control is a widget with an objectName; unnamed
// widgets and Qt's own parts (names starting "qt_") are pieces of some control
// and are not listed, though named widgets inside them are. Windows owned by
// the form (dialogs, popups) are not part of it.
NVLA_EXPORT QList<QWidget *> de(const QWidget *formulario);

// Whether the control is an element of a control array.
NVLA_EXPORT bool esElementoMatriz(const QWidget *control);
// The element's index as decimal text; "" outside a control array.
NVLA_EXPORT QString indice(const QWidget *control);
// The key that tells controls apart on one form: name, "!", index text.
NVLA_EXPORT QString clave(const QWidget *control);

// The control's place in the form's tab order: the position its form gave it,
// else, for a control that takes the focus by Tab, its place in the form's
// focus chain, counting only the form's controls; none for a control that
// takes no focus.
NVLA_EXPORT std::optional<int> posicionTabulacion(const QWidget *formulario, const QWidget *control);

} // namespace NVLALotes::ColeccionControles

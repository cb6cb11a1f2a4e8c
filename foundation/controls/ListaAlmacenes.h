#pragma once

#include "foundation/core/host/Almacenes.h"

#include <QFrame>

namespace NVLALotes {

class Rejilla;

// The drop-down list of warehouses the picker opens under itself: arrows move,
// Enter or a double click chooses, Escape or a click elsewhere closes it.
// It deletes itself once closed.
class ListaAlmacenes final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListaAlmacenes)

public:
    ListaAlmacenes(QWidget *selector, const QList<DatosAlmacen> &almacenes, qint16 actual);

    // Shows the list under the picker, with the focus in it.
    void abrir();

Q_SIGNALS:
    void elegido(qint16 almacen);
    // Closed from the list itself, by a choice or by Escape; a click elsewhere
    // closes it too, but leaves the focus where the click put it.
    void cerrada();

private:
    void elegir();
    void cerrar();

    QWidget *m_selector;
    Rejilla *m_rejilla;
};

} // namespace NVLALotes

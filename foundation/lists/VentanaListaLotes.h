#pragma once

#include "foundation/lists/ListaLotes.h"

#include <QString>

class QWidget;

namespace NVLALotes {

class Registros;

// What every window that lists lots stands on, the dialogs that pick a lot
// and the stock windows alike: the article and warehouse the entry class
// sets, and the lot list vsLotes, whose rows the window makes from the
// records of its query. `Base` is the kind of window: a dialog that ends with
// a Result, or a window that returns nothing. Each kind tells a failed read
// of the list its own way (VentanaLotes::falloAlLeer).
template<class Base> class VentanaListaLotes : public Base
{
public:
    qint32 Cod_Articulo = 0;
    qint16 Cod_Almacen = 0;

protected:
    explicit VentanaListaLotes(QWidget *parent)
        : Base(parent)
    {}

    // The list, created where the window's design puts it among its controls.
    void crearLista(const ListaLotes::Diseno &diseno)
    {
        m_lista = new ListaLotes(this, diseno);
        vsLotes = m_lista->rejilla();
    }

    // A list row (its texts tab-separated, stock and dates as values) from one
    // record of the query, written over `fila`, the row before it: every value
    // the row keeps is set.
    virtual void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const = 0;

    ListaLotes *m_lista = nullptr;
    Rejilla *vsLotes = nullptr;
};

} // namespace NVLALotes

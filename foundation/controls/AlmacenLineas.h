#pragma once

#include <QStringView>

#include <string>
#include <vector>

namespace NVLALotes {

// The texts of a grid's rows, one after another in large blocks: a list of a
// million lots costs a few hundred allocations, not one per row, and no row
// carries a string header of its own. A text once kept never moves, so a view
// of it stays valid until the store is emptied; a changed row keeps its new
// text as a new one.
class AlmacenLineas
{
public:
    // Where a kept text is; the empty text needs no place.
    struct Tramo
    {
        qint32 bloque = 0;
        qint32 inicio = 0;
        qint32 longitud = 0;
    };

    Tramo guardar(QStringView texto);
    QStringView ver(Tramo tramo) const
    {
        return tramo.longitud == 0
                   ? QStringView()
                   : QStringView(m_bloques[std::size_t(tramo.bloque)]).sliced(tramo.inicio, tramo.longitud);
    }
    // Forgets every text: no view of an earlier one may be used afterwards.
    void vaciar();

private:
    // Each block keeps the capacity it was made with, so its texts never move.
    std::vector<std::u16string> m_bloques;
};

} // namespace NVLALotes

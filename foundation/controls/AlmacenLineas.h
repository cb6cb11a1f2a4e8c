#pragma once

#include <QStringView>

#include <memory>
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
                   : QStringView(m_bloques[std::size_t(tramo.bloque)].get() + tramo.inicio, tramo.longitud);
    }
    // Forgets every text: no view of an earlier one may be used afterwards.
    void vaciar();

private:
    std::vector<std::unique_ptr<char16_t[]>> m_bloques;
    qsizetype m_usadosUltimo = 0;
    qsizetype m_tamanoUltimo = 0;
};

} // namespace NVLALotes

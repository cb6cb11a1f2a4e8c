#include "AlmacenLineas.h"

#include "foundation/controls/BloquesMemoria.h"

#include <algorithm>
#include <limits>

namespace NVLALotes {

namespace {
// 64 KB: big enough that allocations are rare, small enough that a short list
// does not hold much it never uses.
constexpr std::size_t CaracteresPorBloque = 32768;
} // namespace

AlmacenLineas::Tramo AlmacenLineas::guardar(QStringView texto)
{
    if (texto.isEmpty())
        return {};
    const auto longitud = std::size_t(std::min<qsizetype>(texto.size(), std::numeric_limits<qint32>::max()));
    if (m_bloques.empty() || m_bloques.back().capacity() - m_bloques.back().size() < longitud) {
        // A text longer than a block gets a block of its own size.
        std::u16string &nuevo = m_bloques.emplace_back();
        nuevo.reserve(std::max(CaracteresPorBloque, longitud));
        ocuparPaginas(nuevo.data(), nuevo.capacity() * sizeof(char16_t));
    }
    std::u16string &bloque = m_bloques.back();
    const Tramo tramo{qint32(m_bloques.size() - 1), qint32(bloque.size()), qint32(longitud)};
    bloque.append(texto.utf16(), longitud);
    return tramo;
}

void AlmacenLineas::vaciar()
{
    m_bloques.clear();
}

} // namespace NVLALotes

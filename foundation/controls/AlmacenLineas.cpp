#include "AlmacenLineas.h"

#include <algorithm>
#include <limits>

namespace NVLALotes {

namespace {
// 64 KB: big enough that allocations are rare, small enough that a short list
// does not hold much it never uses.
constexpr qsizetype CaracteresPorBloque = 32768;
} // namespace

AlmacenLineas::Tramo AlmacenLineas::guardar(QStringView texto)
{
    if (texto.isEmpty())
        return {};
    const qsizetype longitud = std::min<qsizetype>(texto.size(), std::numeric_limits<qint32>::max());
    if (m_bloques.empty() || m_tamanoUltimo - m_usadosUltimo < longitud) {
        // A text longer than a block gets a block of its own size.
        m_tamanoUltimo = std::max(CaracteresPorBloque, longitud);
        m_bloques.push_back(std::make_unique_for_overwrite<char16_t[]>(std::size_t(m_tamanoUltimo)));
        m_usadosUltimo = 0;
    }
    char16_t *destino = m_bloques.back().get() + m_usadosUltimo;
    std::copy_n(texto.utf16(), longitud, destino);
    const Tramo tramo{qint32(m_bloques.size() - 1), qint32(m_usadosUltimo), qint32(longitud)};
    m_usadosUltimo += longitud;
    return tramo;
}

void AlmacenLineas::vaciar()
{
    m_bloques.clear();
    m_usadosUltimo = 0;
    m_tamanoUltimo = 0;
}

} // namespace NVLALotes

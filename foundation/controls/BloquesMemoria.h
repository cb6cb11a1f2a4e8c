#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace NVLALotes {

// Maps in at once the pages of a block that is about to be filled, instead of
// one fault per page as each row reaches it: a long list fills thousands of
// pages. Where the system cannot, the pages come as they are written.
void ocuparPaginas(void *inicio, std::size_t bytes);

// A grid's rows, kept in blocks of a fixed count: a list that grows to a
// million rows never moves or copies the rows it has, and no page is written
// twice on the way.
template<class T, std::size_t PorBloque = 2048> class FilasEnBloques
{
public:
    qsizetype size() const { return m_tamano; }
    T &operator[](qsizetype i) { return m_bloques[std::size_t(i) / PorBloque][std::size_t(i) % PorBloque]; }
    const T &operator[](qsizetype i) const { return m_bloques[std::size_t(i) / PorBloque][std::size_t(i) % PorBloque]; }

    void append(const T &fila)
    {
        bloqueConSitio().push_back(fila);
        ++m_tamano;
    }
    // Fewer drops the last rows, and the blocks left empty; more adds rows as T{} makes them.
    void resize(qsizetype tamano)
    {
        const auto filas = std::size_t(std::max<qsizetype>(tamano, 0));
        if (filas < std::size_t(m_tamano)) {
            m_bloques.resize((filas + PorBloque - 1) / PorBloque);
            if (!m_bloques.empty())
                m_bloques.back().resize(filas - (m_bloques.size() - 1) * PorBloque);
            m_tamano = qsizetype(filas);
        }
        for (; std::size_t(m_tamano) < filas; ++m_tamano)
            bloqueConSitio().emplace_back();
    }
    // Every row and block goes back.
    void clear()
    {
        m_bloques = {};
        m_tamano = 0;
    }

private:
    std::vector<T> &bloqueConSitio()
    {
        if (m_bloques.empty() || m_bloques.back().size() == PorBloque) {
            std::vector<T> &nuevo = m_bloques.emplace_back();
            nuevo.reserve(PorBloque);
            ocuparPaginas(nuevo.data(), PorBloque * sizeof(T));
        }
        return m_bloques.back();
    }

    // Each block keeps the capacity it was made with, so its rows never move.
    std::vector<std::vector<T>> m_bloques;
    qsizetype m_tamano = 0;
};

} // namespace NVLALotes

#pragma once

#include <QHash>
#include <QList>

#include <algorithm>
#include <optional>

namespace NVLALotes {

// A rectangle of cells in the grid's numbering (row 0 is the header), inclusive.
struct RangoCeldas
{
    int fila1 = 0;
    int col1 = 0;
    int fila2 = 0;
    int col2 = 0;

    bool contiene(int fila, int col) const { return fila >= fila1 && fila <= fila2 && col >= col1 && col <= col2; }
};

// One kind of cell format given to rectangles of cells; for a cell the last
// rectangle given wins. Single rows (the usual case: a total row, a band) are
// found through their row, so looking a cell up costs no more than the few
// rectangles that touch its row.
template<typename T> class CapaFormato
{
public:
    void poner(const RangoCeldas &rango, const T &valor);
    std::optional<T> en(int fila, int col) const;
    // Forgets the rows from `filas` and the columns from `columnas` on.
    void recortar(int filas, int columnas);

private:
    struct Entrada
    {
        RangoCeldas rango;
        T valor;
        quint64 orden = 0;
    };
    static void masReciente(const QList<Entrada> &entradas, int fila, int col, const Entrada *&mejor);

    QHash<int, QList<Entrada>> m_deUnaFila;
    QList<Entrada> m_deVariasFilas;
    quint64 m_orden = 0;
};

namespace DetalleCapaFormato {

inline bool contenido(const RangoCeldas &dentro, const RangoCeldas &fuera)
{
    return fuera.contiene(dentro.fila1, dentro.col1) && fuera.contiene(dentro.fila2, dentro.col2);
}

// Drops what lies beyond the grid's rows and columns; true when nothing is left.
inline bool recortarRango(RangoCeldas &rango, int filas, int columnas)
{
    rango.fila2 = std::min(rango.fila2, filas - 1);
    rango.col2 = std::min(rango.col2, columnas - 1);
    return rango.fila1 > rango.fila2 || rango.col1 > rango.col2;
}

} // namespace DetalleCapaFormato

template<typename T> inline void CapaFormato<T>::poner(const RangoCeldas &rango, const T &valor)
{
    QList<Entrada> &entradas = rango.fila1 == rango.fila2 ? m_deUnaFila[rango.fila1] : m_deVariasFilas;
    // An older rectangle inside the new one can never win again.
    entradas.removeIf([&](const Entrada &entrada) { return DetalleCapaFormato::contenido(entrada.rango, rango); });
    entradas.append(Entrada{rango, valor, ++m_orden});
}

template<typename T>
inline void CapaFormato<T>::masReciente(const QList<Entrada> &entradas, int fila, int col, const Entrada *&mejor)
{
    for (const Entrada &entrada : entradas) {
        if (entrada.rango.contiene(fila, col) && (!mejor || entrada.orden > mejor->orden))
            mejor = &entrada;
    }
}

template<typename T> inline std::optional<T> CapaFormato<T>::en(int fila, int col) const
{
    const Entrada *mejor = nullptr;
    if (const auto deLaFila = m_deUnaFila.constFind(fila); deLaFila != m_deUnaFila.cend())
        masReciente(*deLaFila, fila, col, mejor);
    masReciente(m_deVariasFilas, fila, col, mejor);
    return mejor ? std::optional<T>(mejor->valor) : std::nullopt;
}

template<typename T> inline void CapaFormato<T>::recortar(int filas, int columnas)
{
    const auto recortarTodas = [&](QList<Entrada> &entradas) {
        QList<Entrada> quedan;
        for (Entrada entrada : std::as_const(entradas)) {
            if (!DetalleCapaFormato::recortarRango(entrada.rango, filas, columnas))
                quedan.append(std::move(entrada));
        }
        entradas = std::move(quedan);
    };
    for (auto it = m_deUnaFila.begin(); it != m_deUnaFila.end();) {
        recortarTodas(*it);
        it = it->isEmpty() ? m_deUnaFila.erase(it) : std::next(it);
    }
    recortarTodas(m_deVariasFilas);
}

} // namespace NVLALotes

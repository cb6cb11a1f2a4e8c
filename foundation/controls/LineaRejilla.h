#pragma once

#include <QString>

#include <array>
#include <functional>
#include <initializer_list>
#include <limits>
#include <span>

namespace NVLALotes {

// A data row as a source gives it to the grid: its text cells tab-separated in
// `linea`, and the values of the columns that keep values (numbers, dates),
// left to right, which are written out only when their cell is shown or read
// as text. A long list so costs no formatting for rows nobody looks at. A value
// cell whose value is SinValor shows its text in `linea`, as a text cell does.
struct FilaOrigen
{
    static constexpr qint64 SinValor = std::numeric_limits<qint64>::min();
    static constexpr int MaximoValores = 2;

    QString linea;
    std::array<qint64, MaximoValores> valores{SinValor, SinValor};
};

// How a value column writes its value.
using FormatoValor = std::function<QString(qint64 valor)>;

} // namespace NVLALotes

namespace NVLALotes::LineaRejilla {

// The tab-separated line a grid row is appended from. A tab or line break
// inside a value would shift the row's cells, so it is shown as a blank.
inline QString unir(std::initializer_list<QString> celdas)
{
    qsizetype longitud = 0;
    for (const QString &celda : celdas)
        longitud += celda.size() + 1;
    if (longitud == 0)
        return {};
    // Written in place, one allocation per row: a long list makes one line per lot.
    QString linea(longitud - 1, Qt::Uninitialized);
    const std::span<QChar> destino(linea.data(), std::size_t(linea.size()));
    std::size_t escritos = 0;
    for (const QString &celda : celdas) {
        if (&celda != celdas.begin())
            destino[escritos++] = u'\t';
        for (const QChar c : celda)
            destino[escritos++] = c == u'\t' || c == u'\n' || c == u'\r' ? QChar(u' ') : c;
    }
    return linea;
}

} // namespace NVLALotes::LineaRejilla

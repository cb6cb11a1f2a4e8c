#pragma once

#include <QString>

#include <initializer_list>
#include <span>

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

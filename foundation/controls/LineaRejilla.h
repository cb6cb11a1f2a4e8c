#pragma once

#include <QString>

#include <initializer_list>

namespace NVLALotes::LineaRejilla {

// The tab-separated line a grid row is appended from. A tab or line break
// inside a value would shift the row's cells, so it is shown as a blank.
inline QString unir(std::initializer_list<QString> celdas)
{
    qsizetype longitud = 0;
    for (const QString &celda : celdas)
        longitud += celda.size() + 1;
    QString linea;
    linea.reserve(longitud);
    bool primera = true;
    for (const QString &celda : celdas) {
        if (!primera)
            linea += u'\t';
        primera = false;
        const qsizetype desde = linea.size();
        linea += celda;
        // Most cells hold no tab or break: one pass finds none and nothing is rewritten.
        for (qsizetype i = desde; i < linea.size(); ++i) {
            const QChar c = linea.at(i);
            if (c == u'\t' || c == u'\n' || c == u'\r')
                linea[i] = u' ';
        }
    }
    return linea;
}

} // namespace NVLALotes::LineaRejilla

#pragma once

#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

// Rules of choosing a lot from a warehouse's stock list, shared by every list
// that shows lot stock. They work on the list as displayed, so a stock of
// 4,996 shown as "5,00" covers 5 units.
namespace NVLALotes::ReglasStockLotes {

// The lot stock list of an article in a warehouse, fewest units first: the given
// select list followed by the join, the company, warehouse and article, and the
// positive-stock condition when asked for.
NVLA_CORE_EXPORT QString consulta(const QString &seleccion, qint16 empresa, qint16 almacen, qint32 articulo,
                                  bool soloStockPositivo);

// The stock of a row as displayed; 0 when the text is no number.
NVLA_CORE_EXPORT Currency stockMostrado(QStringView texto);
// The stock a list displays for `stock` (2 decimals, half away from zero),
// found without writing it out: a list keeps its stock as values.
NVLA_CORE_EXPORT Currency stockMostrado(Currency stock);

// Whether a row may be the automatic choice: not blocked, and its stock as
// displayed covers `unidades`. The list is in ascending stock, so the first
// such row is the choice and nothing after it needs reading.
NVLA_CORE_EXPORT bool cubreUnidades(Currency stockMostrado, bool bloqueada, Currency unidades);

// A typed lot against a listed row: every given cell must hold exactly the
// typed text (letter case included).
struct CeldaTecleada
{
    int columna = 0;
    QString texto;
};
NVLA_CORE_EXPORT bool coincideTecleado(const QList<CeldaTecleada> &celdas,
                                       const std::function<QStringView(int columna)> &celda);

} // namespace NVLALotes::ReglasStockLotes

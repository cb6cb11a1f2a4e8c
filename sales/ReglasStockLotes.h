#pragma once

#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_core_export.h>

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
NVLA_CORE_EXPORT QString Consulta(const QString &seleccion, qint16 empresa, qint16 almacen, qint32 articulo,
                                  bool soloStockPositivo);

// The stock of a row as displayed; 0 when the text is no number.
NVLA_CORE_EXPORT Currency StockMostrado(QStringView texto);

struct FilaCandidata
{
    QString stock; // as displayed
    bool bloqueada = false;
};

// The automatic choice: the first row from `primera` to `ultima` (list order,
// ascending stock) that is not blocked and whose stock covers `unidades`;
// -1 when none does.
NVLA_CORE_EXPORT int EleccionAutomatica(int primera, int ultima, Currency unidades,
                                        const std::function<FilaCandidata(int fila)> &fila);

} // namespace NVLALotes::ReglasStockLotes

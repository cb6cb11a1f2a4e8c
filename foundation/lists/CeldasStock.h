#pragma once

#include "foundation/lists/ListaLotes.h"

#include <nvlalotes/nvlalotes_export.h>

#include <QList>
#include <QString>

namespace NVLALotes {
class Registros;
}

// What a lot stock list shows under each lot model, the same in every dialog
// that picks a lot from stock: the columns after the hidden key, and a row from
// one record of a stock query whose select list begins "SELECT a.Cod_Lote,
// a.Stock_Actual, b.Lote, b.Caducidad" (and goes on ", b.Tono, b.Calibre" for
// tone and caliber). Fields are read by position: a list of thousands of lots
// should not look names up for every field.
namespace NVLALotes::CeldasStock {

// "Stock", "Caducidad", "Lote".
NVLA_EXPORT QList<ListaLotes::Columna> ColumnasLote();
// "Stock", "Tono", "Calibre", "Caducidad".
NVLA_EXPORT QList<ListaLotes::Columna> ColumnasTono();

// Key, stock with 2 decimals, expiry, lot code.
NVLA_EXPORT QString FilaLote(const Registros &registro);
// Key, then `bloqueo` when the list shows the block flag, then stock with 2
// decimals, tone, caliber, expiry.
NVLA_EXPORT QString FilaTono(const Registros &registro, const QString *bloqueo = nullptr);

} // namespace NVLALotes::CeldasStock

#pragma once

#include "foundation/lists/ListaLotes.h"

#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QList>
#include <QString>
#include <QVariant>

namespace NVLALotes {
class Registros;
}

// What a lot stock list shows under each lot model, the same in every dialog
// and window that lists lot stock: the columns after the hidden key, and a row
// from one record of a stock query whose select list begins "SELECT a.Cod_Lote,
// a.Stock_Actual, b.Lote, b.Caducidad" (and goes on ", b.Tono, b.Calibre" for
// tone and caliber, then ", b.Bloqueado" where the block flag shows). Fields
// are read by position: a list of thousands of lots should not look names up
// for every field.
namespace NVLALotes::CeldasStock {

// Where the lot code stands: the dialogs show the expiry first, the stock
// window the lot code.
enum class OrdenLote { CaducidadLote, LoteCaducidad };

// "Stock", then "Caducidad" and "Lote" in `orden`.
NVLA_EXPORT QList<ListaLotes::Columna> columnasLote(OrdenLote orden = OrdenLote::CaducidadLote);
// "Blq" when `conBloqueo`, "Stock", "Tono" and "Calibre" `anchoTono` wide, "Caducidad".
NVLA_EXPORT QList<ListaLotes::Columna> columnasTono(bool conBloqueo = false, int anchoTono = 1300);

// Key, stock with 2 decimals, then expiry and lot code in `orden`; stock and
// expiry kept as values. Written over `fila`.
NVLA_EXPORT void filaLote(const Registros &registro, FilaOrigen &fila, OrdenLote orden = OrdenLote::CaducidadLote);
// Key, then "X" for a blocked lot (empty for a free one) when `conBloqueo`,
// then stock with 2 decimals, tone, caliber, expiry; stock and expiry kept as
// values. Written over `fila`.
NVLA_EXPORT void filaTono(const Registros &registro, FilaOrigen &fila, bool conBloqueo = false);

// An expiry column of any lot list: the value kept for a record's date (its
// day number, or none when it shows no date), and how it shows.
NVLA_EXPORT qint64 valorCaducidad(const QVariant &fecha);
NVLA_EXPORT QString formatoCaducidad(qint64 dia);

// The stored stock of a record, as the totals add it up.
NVLA_EXPORT Currency stockDelLote(const Registros &registro);

} // namespace NVLALotes::CeldasStock

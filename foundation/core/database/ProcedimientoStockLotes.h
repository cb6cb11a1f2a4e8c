#pragma once

#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_core_export.h>

#include <QDate>
#include <QString>

namespace NVLALotes {

class Conexion;

/// One call of the host's lot stock procedure: makes sure the lot exists for the
/// article in the warehouse, adds the units, and gives back the lot's key.
struct LlamadaStockLote
{
    qint16 empresa = 0;  ///< the company code
    qint16 almacen = 0;  ///< the warehouse code
    qint32 articulo = 0; ///< the article code
    Currency unidades;   ///< the units added (negative: taken out)
    QString lote;        ///< the lot code (cut to 50 characters)
    QDate caducidad;     ///< fechaNula() when the lot has no expiry
    QString tono;        ///< the tone (cut to 20 characters)
    QString calibre;     ///< the caliber (cut to 20 characters)
    /// The sales dialogs pass the key in and out; the stock windows only read it.
    bool claveEntradaSalida = true;
};

/// Runs GES_Almacen_Articulo_Lotes_Update once on the connection (timeout 500 s)
/// and answers the key read from "@Cod_Lote". Raises ErrorLotes on any failure,
/// and NumeroError::ProcedimientoSinClave when the procedure gives no key back.
NVLA_CORE_EXPORT qint32 actualizarStockLote(Conexion &conexion, const LlamadaStockLote &llamada);

} // namespace NVLALotes

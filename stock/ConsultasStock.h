#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QString>

// The texts of the stock window's queries beyond the lot list, built by plain
// concatenation as the host database expects them.
namespace NVLALotes::ConsultasStock {

struct Claves
{
    qint16 empresa = 0;
    qint16 empresaClientes = 0;
    qint16 almacen = 0;
    qint32 articulo = 0;
};

// The article's warehouse stock plus what customers are still owed ("Stock"),
// one record per stock record of the article in the warehouse.
NVLA_EXPORT QString stockArticulo(const Claves &claves);
// The units of the article customers are still owed from the warehouse ("Und").
NVLA_EXPORT QString unidadesPendientes(const Claves &claves);
// The invoice and delivery-note lines that owe them, oldest first.
NVLA_EXPORT QString documentosPendientes(const Claves &claves);
// The change of a lot's block flag.
NVLA_EXPORT QString bloqueo(qint16 empresa, qint32 lote, bool bloquear);
// What a lot's label prints of it: "Lote", "Caducidad", "Tono", "Calibre".
NVLA_EXPORT QString loteEtiqueta(qint16 empresa, qint32 lote);
// The article's "Descripcion", for its labels.
NVLA_EXPORT QString descripcionArticulo(qint16 empresa, qint32 articulo);

} // namespace NVLALotes::ConsultasStock

#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QList>
#include <QRectF>
#include <QString>

namespace NVLALotes {

// What one lot label says: the article, the lot as the lists show it and, in
// its GS1-128 barcode, the article number (01), the expiry (17) and the lot
// code (10). Tone and caliber go as text only: GS1 has no place for them.
struct EtiquetaLote
{
    qint32 articulo = 0;
    QString descripcion;
    QString gtin; // empty: the host gave none
    QString lote;
    QDate caducidad; // invalid or the null date: none
    QString tono, calibre;
    bool tonoCalibre = false; // the tone/caliber model: tone and caliber show
};

// The barcode of a label: the bars (across in modules of the symbol with its
// quiet zones, down as a share of the bars' height) and the human-readable line; or, when the label's data cannot be
// written in GS1 so that it reads back the same, no bars and why not.
struct CodigoEtiqueta
{
    QList<QRectF> barras;
    qreal ancho = 0; // modules, quiet zones included
    QString legible; // "(01)...(17)...(10)..."
    QString sinCodigo;
};

// The label's barcode through libzint. The data is first read back with the
// library's own GS1 reader as a scanner would send it: a lot code GS1 does
// not allow (a character outside its set 82, more than 20 characters) gets no
// barcode rather than one that scans as another lot.
NVLA_EXPORT CodigoEtiqueta codigoEtiqueta(const EtiquetaLote &etiqueta, QDate hoy = QDate::currentDate());

} // namespace NVLALotes

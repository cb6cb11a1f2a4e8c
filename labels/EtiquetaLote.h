#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QList>
#include <QRect>
#include <QString>

namespace NVLALotes {

// What one lot label says: the article, the lot as the lists show it and, in
// its GS1 barcode, the article number (01), the expiry (17) and the lot code
// (10). Tone and caliber go as text only: GS1 has no place for them.
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

// One symbol in whole modules, quiet zones included: `modulos` are the dark
// rectangles; a linear symbol has height 0 and its bars run the full height.
struct SimboloEtiqueta
{
    QList<QRect> modulos;
    int ancho = 0;
    int alto = 0;

    bool vacio() const { return modulos.isEmpty(); }
};

// The barcode of a label, in the two forms the painter chooses between: the
// linear one where it fits the label in modules of at least 0.25 mm, the
// DataMatrix where not or, for GS1 data, where the host asks for it. Both GS1 when the label
// carries an article number; without one, the lot code alone for in-house use,
// with no function character, so no GS1 scanner takes it for GS1 data. When
// the data cannot be written so that it reads back the same: no symbols and why not.
struct CodigoEtiqueta
{
    SimboloEtiqueta lineal;
    SimboloEtiqueta matriz;
    QString legible; // "(01)...(17)...(10)...", or the lot marked for in-house use
    QString sinCodigo;
    bool interno = false; // the lot code alone, no GS1
};

// The label's barcode through libzint. A GS1 string is first read back with
// the library's own GS1 reader, every rule of GS1's table applied: data GS1
// does not allow gets no barcode rather than one that scans as another lot.
NVLA_EXPORT CodigoEtiqueta codigoEtiqueta(const EtiquetaLote &etiqueta, QDate hoy = QDate::currentDate());

} // namespace NVLALotes

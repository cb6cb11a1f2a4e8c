#pragma once

#include "labels/EtiquetaLote.h"

#include <nvlalotes/Reporte.h>
#include <nvlalotes/nvlalotes_export.h>

namespace NVLALotes {

// Where the labels go: one a page on a label printer's roll, or ten to an A4
// sheet to cut.
enum class PapelEtiquetas { Etiquetadora, HojaA4 };

// Lot labels as a report, so the viewer previews, prints and exports them like
// any other. Each label in the list is one printed label: copies come repeated.
// `dataMatrix` prints every label's barcode as a GS1 DataMatrix (host
// parameter "Lotes_EtiquetaDataMatrix"), not only those whose linear symbol
// does not fit.
class NVLA_EXPORT ReporteEtiquetas final : public Reporte
{
public:
    ReporteEtiquetas(const QList<EtiquetaLote> &etiquetas, PapelEtiquetas papel, bool dataMatrix = false);

    QPageLayout diseno() const override;
    int paginas() const override;
    void pintarPagina(QPainter &pintor, int pagina, const QSizeF &area) const override;
    QString titulo() const override;
    const QList<EtiquetaLote> &etiquetas() const { return m_etiquetas; }

private:
    QList<EtiquetaLote> m_etiquetas;
    QList<CodigoEtiqueta> m_codigos; // encoded once, painted on every device
    PapelEtiquetas m_papel;
    bool m_dataMatrix;
};

// The host parameter that asks for DataMatrix on every label.
inline constexpr QStringView ParametroDataMatrix = u"Lotes_EtiquetaDataMatrix";
// Whether the host asks for it: missing, empty or malformed, no.
bool etiquetasDataMatrix();

// `copias` of each label in order.
NVLA_EXPORT QList<EtiquetaLote> repetidas(const QList<EtiquetaLote> &etiquetas, int copias);
// The labels, those without an article number given the one the host's
// company answers for their article, when it answers one.
QList<EtiquetaLote> conGtinDelHost(QList<EtiquetaLote> etiquetas);
// Opens the report viewer on the labels, with the host's article numbers:
// modal, or returning at once.
void verEtiquetas(const QList<EtiquetaLote> &etiquetas, PapelEtiquetas papel, bool modal);

} // namespace NVLALotes

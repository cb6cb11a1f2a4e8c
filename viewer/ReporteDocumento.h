#pragma once

#include <nvlalotes/Reporte.h>
#include <nvlalotes/nvlalotes_export.h>

#include <memory>

class QImage;
class QTextDocument;

namespace NVLALotes {

/// A rich-text document as a report: paginated on the printable area of the
/// page, its headings (\<h1\>, \<h2\>, ...) as the group tree.
class NVLA_EXPORT ReporteDocumento final : public Reporte
{
public:
    /// The document on A4 portrait with 10 mm margins; `titulo` names the print job and the exported file.
    explicit ReporteDocumento(std::unique_ptr<QTextDocument> documento, QString titulo = {});
    /// The document on the paper and margins of `diseno`.
    ReporteDocumento(std::unique_ptr<QTextDocument> documento, const QPageLayout &diseno, QString titulo = {});
    ~ReporteDocumento() override;

    QPageLayout diseno() const override { return m_diseno; }
    int paginas() const override;
    void pintarPagina(QPainter &pintor, int pagina, const QSizeF &area) const override;
    QList<GrupoReporte> grupos() const override;
    QString titulo() const override;

private:
    /// The document is laid out in points: the device it measures its fonts on
    /// has 72 dots an inch. Declared first, so it outlives the document's layout.
    std::unique_ptr<QImage> m_medida;
    std::unique_ptr<QTextDocument> m_documento;
    QPageLayout m_diseno;
    QString m_titulo;
};

} // namespace NVLALotes

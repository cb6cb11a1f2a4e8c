#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QList>
#include <QPageLayout>
#include <QSizeF>
#include <QString>

class QPainter;

namespace NVLALotes {

/// A heading of a report, listed in the viewer's group tree: a click on it
/// shows the page it starts on.
struct GrupoReporte
{
    QString titulo; ///< The heading's text.
    int pagina = 1; ///< from 1
    int nivel = 0;  ///< 0 at the top of the tree
};

/// A report the host prepares and fills, as numbered pages it can paint. The
/// viewer shows, prints and exports it by painting each page on the device at
/// hand (screen preview, printer, PDF file), so a report draws itself once for all.
class NVLA_EXPORT Reporte
{
public:
    virtual ~Reporte();

    /// Paper, orientation and margins; disenoComun() unless the report says otherwise.
    virtual QPageLayout diseno() const;
    /// A4 portrait with 10 mm margins.
    static QPageLayout disenoComun();
    /// How many pages there are; at least 1.
    virtual int paginas() const = 0;
    /// Paints page `pagina` (1 to paginas()). The painter works in points
    /// (1/72 inch) with the origin at the top left of the printable area, which
    /// is `area` large; nothing outside it shows. Font sizes go in points as
    /// QFont::setPixelSize: a setPointSize would be counted once more at the
    /// device's resolution. The painter's font is the application's face, so sized.
    virtual void pintarPagina(QPainter &pintor, int pagina, const QSizeF &area) const = 0;
    /// The group tree, in the report's order; none unless the report has headings.
    virtual QList<GrupoReporte> grupos() const;
    /// The name of the print job and of the exported file.
    virtual QString titulo() const;
};

} // namespace NVLALotes

#include "ImpresionReporte.h"

#include "foundation/core/values/ErrorLotes.h"
#include "viewer/Reporte.h"

#include <QGuiApplication>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr double PuntosPorPulgada = 72.0;

[[noreturn]] void fallo(const QString &descripcion)
{
    throw ErrorLotes(NumeroError::LlamadaNoValida, descripcion, u"frmView"_s);
}

// The application's face, its size in points given as a pixel size: the
// painter counts in points, and a point size would be counted again at the
// device's resolution.
QFont letraEnPuntos()
{
    QFont letra = QGuiApplication::font();
    letra.setPixelSize(qMax(1, qRound(letra.pointSizeF())));
    return letra;
}

// Saves the painter's state for one page and gives it back on leaving, a
// report's exception included.
class EstadoPagina
{
public:
    explicit EstadoPagina(QPainter &pintor)
        : m_pintor(pintor)
    {
        m_pintor.save();
    }
    ~EstadoPagina() { m_pintor.restore(); }
    Q_DISABLE_COPY_MOVE(EstadoPagina)

private:
    QPainter &m_pintor;
};

} // namespace

void pintarReporte(const Reporte &reporte, QPagedPaintDevice &dispositivo)
{
    dispositivo.setPageLayout(reporte.diseno());
    QPainter pintor;
    if (!pintor.begin(&dispositivo))
        fallo(u"No se puede imprimir el reporte «%1»."_s.arg(reporte.titulo()));
    const QSizeF area = dispositivo.pageLayout().paintRect(QPageLayout::Point).size();
    const QPageRanges elegidas = dispositivo.pageRanges();
    bool primera = true;
    for (int pagina = 1; pagina <= reporte.paginas(); ++pagina) {
        if (!elegidas.isEmpty() && !elegidas.contains(pagina))
            continue;
        if (!primera)
            dispositivo.newPage();
        primera = false;
        const EstadoPagina estado(pintor);
        // The painter's origin is already the top left of the printable area.
        pintor.scale(dispositivo.logicalDpiX() / PuntosPorPulgada, dispositivo.logicalDpiY() / PuntosPorPulgada);
        pintor.setClipRect(QRectF(QPointF(), area));
        pintor.setFont(letraEnPuntos());
        reporte.pintarPagina(pintor, pagina, area);
    }
    pintor.end();
}

void escribirPdf(const Reporte &reporte, const QString &ruta)
{
    // The file appears only once the whole report is in it: a report that
    // fails halfway leaves no half-written PDF (nor touches an older one).
    QSaveFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        fallo(u"No se puede escribir el archivo «%1»: %2"_s.arg(ruta, archivo.errorString()));
    {
        QPdfWriter pdf(&archivo);
        pdf.setTitle(reporte.titulo());
        pdf.setCreator(u"NVLALotes"_s);
        pintarReporte(reporte, pdf);
    }
    if (!archivo.commit())
        fallo(u"No se puede escribir el archivo «%1»: %2"_s.arg(ruta, archivo.errorString()));
}

} // namespace NVLALotes

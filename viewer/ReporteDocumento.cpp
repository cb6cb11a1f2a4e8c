#include "ReporteDocumento.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace NVLALotes {

namespace {

constexpr double PuntosPorPulgada = 72.0;
constexpr double MetrosPorPulgada = 0.0254;

} // namespace

ReporteDocumento::ReporteDocumento(std::unique_ptr<QTextDocument> documento, QString titulo)
    : ReporteDocumento(std::move(documento), disenoComun(), std::move(titulo))
{}

ReporteDocumento::ReporteDocumento(std::unique_ptr<QTextDocument> documento, const QPageLayout &diseno, QString titulo)
    : m_medida(std::make_unique<QImage>(1, 1, QImage::Format_ARGB32_Premultiplied))
    , m_documento(std::move(documento))
    , m_diseno(diseno)
    , m_titulo(std::move(titulo))
{
    const int puntosPorMetro = int(std::lround(PuntosPorPulgada / MetrosPorPulgada));
    m_medida->setDotsPerMeterX(puntosPorMetro);
    m_medida->setDotsPerMeterY(puntosPorMetro);
    m_documento->documentLayout()->setPaintDevice(m_medida.get());
    m_documento->setPageSize(m_diseno.paintRect(QPageLayout::Point).size());
}

ReporteDocumento::~ReporteDocumento() = default;

int ReporteDocumento::paginas() const
{
    return qMax(1, m_documento->pageCount());
}

void ReporteDocumento::pintarPagina(QPainter &pintor, int pagina, const QSizeF &area) const
{
    const QSizeF hoja = m_documento->pageSize();
    const QRectF visible(QPointF(0, (pagina - 1) * hoja.height()), hoja);
    pintor.save();
    // The document was paginated for this report's page; a smaller area gets it scaled down whole.
    const double escala = qMin(1.0, qMin(area.width() / hoja.width(), area.height() / hoja.height()));
    pintor.scale(escala, escala);
    pintor.translate(0, -visible.top());
    pintor.setClipRect(visible);
    QAbstractTextDocumentLayout::PaintContext contexto;
    contexto.clip = visible;
    contexto.palette.setColor(QPalette::Text, Qt::black);
    m_documento->documentLayout()->draw(&pintor, contexto);
    pintor.restore();
}

QList<GrupoReporte> ReporteDocumento::grupos() const
{
    QList<GrupoReporte> grupos;
    const double altoHoja = m_documento->pageSize().height();
    for (QTextBlock bloque = m_documento->begin(); bloque.isValid(); bloque = bloque.next()) {
        const int nivel = bloque.blockFormat().headingLevel();
        if (nivel <= 0)
            continue;
        const double arriba = m_documento->documentLayout()->blockBoundingRect(bloque).top();
        grupos.append({bloque.text(), int(arriba / altoHoja) + 1, nivel - 1});
    }
    return grupos;
}

QString ReporteDocumento::titulo() const
{
    if (!m_titulo.isEmpty())
        return m_titulo;
    const QString delDocumento = m_documento->metaInformation(QTextDocument::DocumentTitle);
    return delDocumento.isEmpty() ? Reporte::titulo() : delDocumento;
}

} // namespace NVLALotes

#include "ReporteEtiquetas.h"

#include "foundation/core/values/Conversiones.h"
#include "viewer/clsView.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

void fijarLetra(QPainter &pintor, qreal puntos, bool negrita)
{
    QFont letra = pintor.font();
    letra.setPixelSize(std::max(5, qRound(puntos)));
    letra.setBold(negrita);
    pintor.setFont(letra);
}

// The A4 sheet: two columns of five labels.
constexpr int Columnas = 2;
constexpr int Filas = 5;

int porPagina(PapelEtiquetas papel)
{
    return papel == PapelEtiquetas::HojaA4 ? Columnas * Filas : 1;
}

// One line of text in `caja`, in a face `puntos` high or, when the line is
// wider than the box, as much smaller as it needs (down to a third): the
// readable line of the barcode must show whole. Cut with an ellipsis below that.
void linea(QPainter &pintor, const QRectF &caja, const QString &texto, qreal puntos, bool negrita,
           Qt::Alignment alineacion = Qt::AlignLeft)
{
    fijarLetra(pintor, puntos, negrita);
    const qreal ancho = QFontMetricsF(pintor.font()).horizontalAdvance(texto);
    if (ancho > caja.width())
        fijarLetra(pintor, std::floor(std::max(puntos / 3, puntos * caja.width() / ancho)), negrita);
    const QString cabe = QFontMetricsF(pintor.font()).elidedText(texto, Qt::ElideRight, caja.width());
    pintor.drawText(caja, int(alineacion | Qt::AlignVCenter), cabe);
}

void pintarBarras(QPainter &pintor, const QRectF &caja, const CodigoEtiqueta &codigo)
{
    const qreal modulo = caja.width() / codigo.ancho;
    pintor.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF &barra : codigo.barras)
        pintor.fillRect(QRectF(caja.left() + barra.x() * modulo, caja.top() + barra.y() * caja.height(),
                               barra.width() * modulo, barra.height() * caja.height()),
                        Qt::black);
}

// The mark of a label without barcode, where the bars would be: nobody takes
// an empty space for a code that failed to print.
void pintarSinCodigo(QPainter &pintor, const QRectF &caja, const QString &motivo)
{
    pintor.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    pintor.drawRect(caja);
    pintor.setPen(Qt::black);
    pintor.drawText(caja.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, motivo);
}

QString textoLote(const EtiquetaLote &e)
{
    QStringList partes;
    if (!e.lote.isEmpty() || !e.tonoCalibre)
        partes << u"Lote: "_s + e.lote;
    if (e.tonoCalibre)
        partes << u"Tono: "_s + e.tono << u"Calibre: "_s + e.calibre;
    return partes.join(u"   "_s);
}

void pintarEtiqueta(QPainter &pintor, const QRectF &caja, const EtiquetaLote &e, const CodigoEtiqueta &codigo)
{
    const QRectF r = caja.marginsRemoved(QMarginsF(6, 4, 6, 4));
    const qreal alto = r.height();
    pintor.save();
    pintor.setPen(Qt::black);
    linea(pintor, {r.left(), r.top(), r.width(), alto * 0.14}, u"%1  %2"_s.arg(e.articulo).arg(e.descripcion),
          alto * 0.1, true);
    const QRectF barras(r.left(), r.top() + alto * 0.16, r.width(), alto * 0.42);
    if (codigo.barras.isEmpty()) {
        fijarLetra(pintor, alto * 0.08, true);
        pintarSinCodigo(pintor, barras, codigo.sinCodigo);
    } else {
        pintarBarras(pintor, barras, codigo);
    }
    linea(pintor, {r.left(), barras.bottom(), r.width(), alto * 0.11}, codigo.legible, alto * 0.08, false,
          Qt::AlignHCenter);
    linea(pintor, {r.left(), r.top() + alto * 0.71, r.width(), alto * 0.14}, textoLote(e), alto * 0.095, true);
    if (e.caducidad.isValid() && e.caducidad != fechaNula())
        linea(pintor, {r.left(), r.top() + alto * 0.85, r.width(), alto * 0.14},
              u"Caducidad: "_s + e.caducidad.toString(u"dd/MM/yyyy"_s), alto * 0.095, true);
    pintor.restore();
}

} // namespace

ReporteEtiquetas::ReporteEtiquetas(const QList<EtiquetaLote> &etiquetas, PapelEtiquetas papel)
    : m_etiquetas(etiquetas)
    , m_papel(papel)
{
    for (const EtiquetaLote &etiqueta : etiquetas)
        m_codigos.append(codigoEtiqueta(etiqueta));
}

QPageLayout ReporteEtiquetas::diseno() const
{
    if (m_papel == PapelEtiquetas::HojaA4)
        return Reporte::diseno();
    // The common 100 x 60 mm roll label.
    return {QPageSize(QSizeF(100, 60), QPageSize::Millimeter, u"Etiqueta 100 x 60 mm"_s), QPageLayout::Portrait,
            QMarginsF(2, 2, 2, 2), QPageLayout::Millimeter};
}

int ReporteEtiquetas::paginas() const
{
    const int n = porPagina(m_papel);
    return std::max(1, int((m_etiquetas.size() + n - 1) / n));
}

void ReporteEtiquetas::pintarPagina(QPainter &pintor, int pagina, const QSizeF &area) const
{
    const int n = porPagina(m_papel);
    const QSizeF celda = n == 1 ? area : QSizeF(area.width() / Columnas, area.height() / Filas);
    for (int i = 0; i < n; ++i) {
        const qsizetype indice = qsizetype(pagina - 1) * n + i;
        if (indice >= m_etiquetas.size())
            break;
        const int columna = i % Columnas;
        const int fila = i / Columnas;
        const QRectF caja(QPointF(columna * celda.width(), fila * celda.height()), celda);
        if (n > 1) {
            // Where to cut the sheet.
            pintor.setPen(QPen(Qt::lightGray, 0.5, Qt::DotLine));
            pintor.drawRect(caja);
        }
        pintarEtiqueta(pintor, caja, m_etiquetas.at(indice), m_codigos.at(indice));
    }
}

QString ReporteEtiquetas::titulo() const
{
    return u"Etiquetas de lotes"_s;
}

QList<EtiquetaLote> repetidas(const QList<EtiquetaLote> &etiquetas, int copias)
{
    QList<EtiquetaLote> todas;
    for (const EtiquetaLote &etiqueta : etiquetas) {
        for (int i = 0; i < copias; ++i)
            todas.append(etiqueta);
    }
    return todas;
}

void verEtiquetas(const QList<EtiquetaLote> &etiquetas, PapelEtiquetas papel, bool modal)
{
    clsView visor;
    visor.Report(std::make_shared<ReporteEtiquetas>(etiquetas, papel));
    visor.Cargar(modal);
}

} // namespace NVLALotes

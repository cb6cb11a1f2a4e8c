#include "ReporteEtiquetas.h"

#include "foundation/core/host/Ampliaciones.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"
#include "viewer/clsView.h"

#include <QFontMetricsF>
#include <QHash>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr qreal PuntosPorPulgada = 72.0;

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

// The device the painter draws on, in dots a point: the painter counts in
// points. A printer or an image has dots of its own; a PDF or a preview on no
// printer keeps what the printer the paper is for would print, a label
// printer's 203 dpi or an office printer's 300.
struct Dispositivo
{
    qreal puntosPorPunto; // device dots in a point
    bool rejilla;         // whether the dots are real, to align the symbol on them
};

Dispositivo dispositivo(const QPainter &pintor, PapelEtiquetas papel)
{
    const QPaintDevice *d = pintor.device();
    const auto *impresora = dynamic_cast<const QPrinter *>(d);
    const bool raster =
        d->devType() == QInternal::Image || d->devType() == QInternal::Pixmap || d->devType() == QInternal::Widget;
    if (raster || (impresora && impresora->outputFormat() == QPrinter::NativeFormat))
        return {pintor.deviceTransform().m11(), true};
    return {(papel == PapelEtiquetas::Etiquetadora ? 203 : 300) / PuntosPorPulgada, false};
}

// The module in whole device dots: the largest that fits `cabe` modules in
// `ancho` points and stays within GS1's 0.25 to 1.016 mm; 0 when none fits.
int puntosModulo(qreal ancho, int modulos, qreal puntosPorPunto)
{
    const qreal puntosPorMm = puntosPorPunto * PuntosPorPulgada / 25.4;
    const int minimo = int(std::ceil(0.25 * puntosPorMm - 1e-6));
    const int maximo = int(std::floor(std::min(1.016 * puntosPorMm, ancho * puntosPorPunto / modulos)));
    return maximo >= minimo ? maximo : 0;
}

// The symbol of the two a label paints in `caja`, with its module in dots:
// the linear one when it fits and the host did not ask for DataMatrix. The
// in-house code stays linear where it fits: no GS1 scanner is meant to read it.
std::pair<const SimboloEtiqueta *, int> elegirSimbolo(const CodigoEtiqueta &codigo, const QRectF &caja,
                                                      const Dispositivo &d, bool dataMatrix)
{
    if ((!dataMatrix || codigo.interno) && !codigo.lineal.vacio()) {
        if (const int puntos = puntosModulo(caja.width(), codigo.lineal.ancho, d.puntosPorPunto); puntos > 0)
            return {&codigo.lineal, puntos};
    }
    if (codigo.matriz.vacio())
        return {nullptr, 0};
    const qreal lado = std::min(caja.width(), caja.height());
    const int puntos = puntosModulo(lado, std::max(codigo.matriz.ancho, codigo.matriz.alto), d.puntosPorPunto);
    return {puntos > 0 ? &codigo.matriz : nullptr, puntos};
}

// The symbol centred in `caja`, every module a whole number of device dots
// from a corner on a dot, so that no bar comes out a dot wider than another.
void pintarSimbolo(QPainter &pintor, const QRectF &caja, const SimboloEtiqueta &simbolo, int puntos,
                   const Dispositivo &d)
{
    const qreal modulo = puntos / d.puntosPorPunto;
    const qreal alto = simbolo.alto > 0 ? simbolo.alto * modulo : caja.height();
    QPointF origen(caja.center().x() - simbolo.ancho * modulo / 2, caja.center().y() - alto / 2);
    if (d.rejilla) {
        const QPointF enDispositivo = pintor.deviceTransform().map(origen);
        origen = pintor.deviceTransform().inverted().map(
            QPointF(std::round(enDispositivo.x()), std::round(enDispositivo.y())));
    }
    pintor.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect &m : simbolo.modulos) {
        const qreal y = simbolo.alto > 0 ? m.y() * modulo : 0;
        const qreal h = simbolo.alto > 0 ? m.height() * modulo : alto;
        pintor.fillRect(QRectF(origen.x() + m.x() * modulo, origen.y() + y, m.width() * modulo, h), Qt::black);
    }
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

void pintarEtiqueta(QPainter &pintor, const QRectF &caja, const EtiquetaLote &e, const CodigoEtiqueta &codigo,
                    const Dispositivo &d, bool dataMatrix)
{
    const QRectF r = caja.marginsRemoved(QMarginsF(6, 4, 6, 4));
    const qreal alto = r.height();
    pintor.save();
    pintor.setPen(Qt::black);
    linea(pintor, {r.left(), r.top(), r.width(), alto * 0.14}, u"%1  %2"_s.arg(e.articulo).arg(e.descripcion),
          alto * 0.1, true);
    const QRectF barras(r.left(), r.top() + alto * 0.16, r.width(), alto * 0.42);
    const auto [simbolo, puntos] = elegirSimbolo(codigo, barras, d, dataMatrix);
    if (simbolo) {
        pintarSimbolo(pintor, barras, *simbolo, puntos, d);
    } else {
        fijarLetra(pintor, alto * 0.08, true);
        pintarSinCodigo(pintor, barras,
                        codigo.sinCodigo.isEmpty() ? u"Sin código de barras: no cabe en la etiqueta"_s
                                                   : codigo.sinCodigo);
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

ReporteEtiquetas::ReporteEtiquetas(const QList<EtiquetaLote> &etiquetas, PapelEtiquetas papel, bool dataMatrix)
    : m_etiquetas(etiquetas)
    , m_papel(papel)
    , m_dataMatrix(dataMatrix)
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
    const Dispositivo d = dispositivo(pintor, m_papel);
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
        pintarEtiqueta(pintor, caja, m_etiquetas.at(indice), m_codigos.at(indice), d, m_dataMatrix);
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

bool etiquetasDataMatrix()
{
    return Ampliaciones::interruptor(ParametroDataMatrix, false);
}

QList<EtiquetaLote> conGtinDelHost(QList<EtiquetaLote> etiquetas)
{
    const std::shared_ptr<NVLAEMP> empresa = ContextoCompartido::empresa();
    QHash<qint32, QString> gtins;
    for (EtiquetaLote &etiqueta : etiquetas) {
        if (!empresa || !etiqueta.gtin.isEmpty())
            continue;
        if (!gtins.contains(etiqueta.articulo)) {
            QString gtin;
            try {
                gtin = empresa->GtinArticulo(etiqueta.articulo).trimmed();
            } catch (const ErrorLotes &) {
                // The label prints without it, as without a description the host cannot give.
            }
            gtins.insert(etiqueta.articulo, gtin);
        }
        etiqueta.gtin = gtins.value(etiqueta.articulo);
    }
    return etiquetas;
}

void verEtiquetas(const QList<EtiquetaLote> &etiquetas, PapelEtiquetas papel, bool modal)
{
    clsView visor;
    visor.Report(std::make_shared<ReporteEtiquetas>(conGtinDelHost(etiquetas), papel, etiquetasDataMatrix()));
    visor.Cargar(modal);
}

} // namespace NVLALotes

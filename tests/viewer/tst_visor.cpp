// The report viewer: one shared window, modal and modeless, zoom, the group
// tree, the resize rule, and the pages that reach a PDF file. The lot label
// report: printed, scanned and read back by the library's own GS1 reader.
#include "foundation/core/values/Gs1.h"
#include "labels/ReporteEtiquetas.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"
#include "viewer/ImpresionReporte.h"
#include "viewer/VisorReporte.h"
#include "viewer/frmView.h"

#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/ReporteDocumento.h>
#include <nvlalotes/clsView.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTreeWidget>

#define ZX_USE_UTF8 1 // text() in UTF-8, as zxing-cpp 2 has it
#include <ZXing/ReadBarcode.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Numbered pages, a group starting on each one; remembers the pages it painted.
struct ReportePrueba final : Reporte
{
    explicit ReportePrueba(int paginas, bool falla = false)
        : total(paginas)
        , fallar(falla)
    {}
    int paginas() const override { return total; }
    void pintarPagina(QPainter &pintor, int pagina, const QSizeF &area) const override
    {
        if (fallar)
            throw ErrorLotes(NumeroError::BaseDatos, u"Sin datos"_s, u"ReportePrueba"_s);
        pintor.drawText(QRectF(QPointF(), area), u"Página %1"_s.arg(pagina));
        pintadas.append(pagina);
        alturaLetra = pintor.fontMetrics().height();
    }
    QList<GrupoReporte> grupos() const override
    {
        QList<GrupoReporte> grupos;
        for (int pagina = 1; pagina <= total; ++pagina)
            grupos.append({u"Grupo %1"_s.arg(pagina), pagina, 0});
        return grupos;
    }
    int total;
    bool fallar;
    mutable QList<int> pintadas;
    mutable qreal alturaLetra = 0;
};

// Opens the viewer modeless on a report of that many pages.
frmView *abrir(int paginas, bool grupos = false, qint16 zoom = 0)
{
    clsView vista;
    vista.MostrarGrupos = grupos;
    vista.Report(std::make_shared<ReportePrueba>(paginas));
    return sinDialogo([&] { vista.Cargar(false, zoom); }) ? frmView::cargada() : nullptr;
}

QPrintPreviewWidget *paginas(QWidget *ventana)
{
    return control<QPrintPreviewWidget>(ventana, u"pvwPaginas"_s);
}

// The module of the symbol in a label's image, in dots: the narrowest run of
// the scan line across it with most runs, when every run is a whole number of
// it; 0 when one is not.
int moduloEnPuntos(const QImage &imagen)
{
    QList<int> tramos;
    for (int y = imagen.height() / 5; y < imagen.height() * 3 / 5; ++y) {
        const uchar *linea = imagen.constScanLine(y);
        QList<int> fila;
        for (int x = 1, inicio = 0; x < imagen.width(); ++x) {
            if ((linea[x] < 128) != (linea[x - 1] < 128)) {
                fila << x - inicio;
                inicio = x;
            }
        }
        if (fila.size() > tramos.size())
            tramos = fila.mid(1); // the white before the symbol is no module
    }
    const int modulo = tramos.isEmpty() ? 0 : *std::ranges::min_element(tramos);
    return std::ranges::all_of(tramos, [&](int t) { return modulo > 0 && t % modulo == 0; }) ? modulo : 0;
}

// What a scanner sends for each label of page 1, printed at `ppp` dots an inch
// without antialiasing, as a thermal or an office printer prints it,
// `columnas` by `filas` labels. One label at a time: zxing-cpp 1.4 asserts on
// two equal codes in one image.
QStringList escanear(const Reporte &reporte, int columnas, int filas, int ppp)
{
    const QSizeF area = reporte.diseno().paintRect(QPageLayout::Point).size();
    QImage pagina((area * ppp / 72).toSize(), QImage::Format_Grayscale8);
    pagina.setDotsPerMeterX(qRound(ppp / 0.0254));
    pagina.setDotsPerMeterY(qRound(ppp / 0.0254));
    pagina.fill(Qt::white);
    QPainter pintor(&pagina);
    pintor.scale(ppp / 72.0, ppp / 72.0);
    reporte.pintarPagina(pintor, 1, area);
    const auto opciones = ZXing::DecodeHints()
                              .setFormats(ZXing::BarcodeFormat::Code128 | ZXing::BarcodeFormat::DataMatrix)
                              .setTryDownscale(false);
    QStringList textos;
    const QSize celda(pagina.width() / columnas, pagina.height() / filas);
    for (int i = 0; i < columnas * filas; ++i) {
        const QImage imagen = pagina.copy({{i % columnas * celda.width(), i / columnas * celda.height()}, celda});
        const ZXing::Result leido = ZXing::ReadBarcode(
            {imagen.constBits(), imagen.width(), imagen.height(), ZXing::ImageFormat::Lum, int(imagen.bytesPerLine())},
            opciones);
        // Whole dots of at least 0.25 mm, or no scan.
        if (leido.isValid() && moduloEnPuntos(imagen) * 25.4 / ppp >= 0.25)
            textos << QString::fromStdString(leido.symbologyIdentifier() + leido.text());
    }
    return textos;
}

} // namespace

Q_DECLARE_METATYPE(EtiquetaLote)

class TstVisor : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        QVERIFY(ningunaVentanaAbierta());
        // A closed viewer goes at the next turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(frmView::cargada(), nullptr);
    }

    // Modal waits for the clerk; the viewer's close button unloads the shared
    // window. Nothing to show, or a report that fails to paint: the caller
    // gets the error and no window is left behind.
    // Modeless returns at once with the window open, and once active takes away
    // the caller's wait cursor. A second report while it is open shows in the
    // same window, with its own zoom and group tree; once closed, the next
    // report gets a new one. Zoom 0 fits the width; a percentage stops at 400.
    void modalYNoModal()
    {
        clsView vista;
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, vista.Cargar(false));
        vista.Report(std::make_shared<ReportePrueba>(3));
        QVERIFY(conDialogo([&] { vista.Cargar(true); },
                           [](QDialog *d) {
                               QCOMPARE(d->objectName(), u"frmView"_s);
                               QCOMPARE(d->windowTitle(), u"KALDEROS Brex, S.L. - Visor de Reportes"_s);
                               QCOMPARE(paginas(d)->pageCount(), 3);
                               clic(d, u"cmdCerrar"_s);
                           }));
        QCOMPARE(frmView::cargada(), nullptr);
        vista.Report(std::make_shared<ReportePrueba>(2, true));
        const auto error = errorDe([&] { vista.Cargar(false); });
        QCOMPARE(error ? error->Description() : QString(), u"Sin datos"_s);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QPointer<frmView> primera = abrir(2);
        QVERIFY(primera && primera->isVisible() && !primera->isModal() && QTest::qWaitForWindowActive(primera));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
        QCOMPARE(abrir(5, false, 1000), primera.data());
        QCOMPARE(paginas(primera)->pageCount(), 5);
        QCOMPARE(paginas(primera)->zoomFactor(), 4.0);
        QCOMPARE(abrir(1, false, 150), primera.data());
        QCOMPARE(paginas(primera)->zoomFactor(), 1.5);
        primera->close();
        QCOMPARE(frmView::cargada(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(primera.isNull());
        frmView *segunda = abrir(3, true);
        QCOMPARE(segunda ? paginas(segunda)->pageCount() : 0, 3);
        // The group tree follows MostrarGrupos on every Cargar; a group chosen by
        // mouse or keyboard shows its page, and the page box follows every move.
        auto *arbol = control<QTreeWidget>(segunda, u"tvGrupos"_s);
        auto *caja = control<QSpinBox>(segunda, u"txtPagina"_s);
        const auto pagina = [&] { return QList<int>{paginas(segunda)->currentPage(), caja->value()}; };
        QVERIFY(arbol->isVisible() && arbol->topLevelItemCount() == 3);
        QTreeWidgetItem *tercero = arbol->topLevelItem(2);
        QCOMPARE(tercero->text(0), u"Grupo 3"_s);
        QTest::mouseClick(arbol->viewport(), Qt::LeftButton, {}, arbol->visualItemRect(tercero).center());
        QCOMPARE(pagina(), (QList<int>{3, 3}));
        QTest::keyClick(arbol, Qt::Key_Up);
        QCOMPARE(pagina(), (QList<int>{2, 2}));
        // Every tool has a key of its own, is a tab stop and has a name to tell.
        QVERIFY(QTest::qWaitForWindowActive(segunda));
        using Zoom = QPrintPreviewWidget::ZoomMode;
        using Paso = std::tuple<QKeySequence, int, Zoom>;
        for (const auto &[tecla, esperada, modo] :
             {Paso{Qt::CTRL | Qt::Key_PageUp, 1, Zoom::FitToWidth}, Paso{Qt::CTRL | Qt::Key_End, 3, Zoom::FitToWidth},
              Paso{Qt::CTRL | Qt::Key_Home, 1, Zoom::FitToWidth},
              Paso{Qt::CTRL | Qt::Key_PageDown, 2, Zoom::FitToWidth}, Paso{QKeySequence::ZoomIn, 2, Zoom::CustomZoom},
              Paso{Qt::CTRL | Qt::Key_0, 2, Zoom::FitInView}, Paso{Qt::CTRL | Qt::Key_1, 2, Zoom::FitToWidth}}) {
            QTest::keySequence(segunda, tecla);
            QCOMPARE(pagina(), (QList<int>{esperada, esperada}));
            QCOMPARE(paginas(segunda)->zoomMode(), modo);
        }
        // Tab stops at the tree, the pages, the page box and the 12 tools, each with a name.
        QStringList nombres;
        arbol->setFocus();
        do {
            nombres << QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        } while (QApplication::focusWidget() != arbol && nombres.size() < 30);
        QVERIFY2(nombres.size() == 15 && !nombres.contains(QString()), qPrintable(nombres.join(u'|')));
        QCOMPARE(abrir(1), segunda);
        QVERIFY(!arbol->isVisible());
        // The viewer fills the window and the logo keeps its distance from its right edge, at every size.
        QList<int> distancias;
        for (const QSize tamano : {QSize(900, 500), QSize(640, 700)}) {
            segunda->resize(tamano);
            QCOMPARE(control(segunda, u"crvRep"_s)->geometry(), QRect(QPoint(0, 0), tamano));
            distancias << tamano.width() - control(segunda, u"pctLogo"_s)->x();
        }
        QVERIFY(distancias.first() == distancias.last() && distancias.first() > 0);
        // Escape closes it as its close box does.
        QTest::keyClick(segunda, Qt::Key_Escape);
        QCOMPARE(frmView::cargada(), nullptr);
    }

    // Every page reaches the PDF file, or only those of the range a print
    // dialog chose; a report that fails halfway leaves no file behind.
    // A document is paginated on the report's page, and each heading is a group on the page it falls on.
    void pdfYDocumento()
    {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(u"reporte.pdf"_s);
        frmView *ventana = abrir(4);
        QVERIFY(ventana);
        control<VisorReporte>(ventana, u"crvRep"_s)->exportarPdf(ruta);
        QFile pdf(ruta); // the page count its page tree declares
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QRegularExpression cuenta(u"^%PDF.*?/Count (\\d+)"_s, QRegularExpression::DotMatchesEverythingOption);
        QCOMPARE(cuenta.match(QString::fromLatin1(pdf.readAll())).captured(1), u"4"_s);
        // Ctrl+E asks for the file, in Spanish, Qt's own dialog included; Ctrl+P for the printer.
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        QVERIFY(conDialogo([&] { QTest::keySequence(ventana, Qt::CTRL | Qt::Key_E); },
                           [](QDialog *d) {
                               QStringList botones;
                               for (const QAbstractButton *b : d->findChild<QDialogButtonBox *>()->buttons())
                                   botones << b->text().remove(u'&');
                               botones.sort();
                               d->reject();
                               QCOMPARE(botones, QStringList({u"Cancelar"_s, u"Guardar"_s}));
                           }));
        ventana->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ventana));
        QVERIFY(conDialogo([&] { QTest::keySequence(ventana, QKeySequence::Print); }, [](QDialog *d) { d->reject(); }));
        ventana->close();

        ReportePrueba reporte(4);
        QPdfWriter escritor(ruta);
        escritor.setPageRanges(QPageRanges::fromString(u"2-3"_s));
        pintarReporte(reporte, escritor);
        QCOMPARE(reporte.pintadas, (QList<int>{2, 3}));
        // The face the painter starts with is a text size in points, whatever the device's resolution.
        QVERIFY2(reporte.alturaLetra > 5 && reporte.alturaLetra < 20, qPrintable(QString::number(reporte.alturaLetra)));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, escribirPdf(reporte, carpeta.filePath(u"no/existe.pdf"_s)));
        const QString fallido = carpeta.filePath(u"fallido.pdf"_s);
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, escribirPdf(ReportePrueba(2, true), fallido));
        QVERIFY(!QFile::exists(fallido));
        auto texto = std::make_unique<QTextDocument>();
        texto->setHtml(u"<h1>Almacén 1</h1><p>Lotes</p><h2>Artículo 100</h2>"
                       u"<h1 style=\"page-break-before: always\">Almacén 2</h1><p>Lotes</p>"_s);
        const ReporteDocumento documento(std::move(texto));
        QCOMPARE(documento.paginas(), 2);
        QStringList grupos;
        for (const GrupoReporte &grupo : documento.grupos())
            grupos << u"%1 %2/%3"_s.arg(grupo.titulo).arg(grupo.pagina).arg(grupo.nivel);
        QCOMPARE(grupos, (QStringList{u"Almacén 1 1/0"_s, u"Artículo 100 1/1"_s, u"Almacén 2 2/0"_s}));
    }

    void idaYVuelta_data()
    {
        QTest::addColumn<EtiquetaLote>("etiqueta");
        // The symbology the scanner reports (]C1 GS1-128, ]d2 GS1 DataMatrix,
        // ]C0 the in-house Code 128), or the reason the label has no barcode.
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<int>("copias"); // 1 on the label printer, more on A4 sheets
        QTest::addColumn<bool>("dataMatrix");
        const auto fila = [](const char *caso, const QString &lote, QDate caducidad, const QString &gtin,
                             const QString &esperado, int copias = 1, bool dataMatrix = false) {
            QTest::newRow(caso) << EtiquetaLote{100, u"Yogur natural"_s, gtin, lote, caducidad, {}, {}, false}
                                << esperado << copias << dataMatrix;
        };
        const QDate marzo(2027, 3, 15);
        const QString ean = u"8412345678905"_s, lineal = u"]C1"_s, matriz = u"]d2"_s, interno = u"]C0"_s;
        const QString caracteres = u"Sin código de barras: el lote tiene caracteres que GS1 no admite"_s;
        fila("lote, caducidad y GTIN", u"L-2026/01"_s, marzo, ean, lineal);
        fila("DataMatrix pedido por el host", u"L-2026/01"_s, marzo, ean, matriz, 1, true);
        fila("puntuación del juego 82", u"!\"%&'()*+,-./:;<=>?_"_s, marzo, u"12345670"_s, matriz);
        fila("20 caracteres, GTIN y caducidad", u"ABCDEFGHIJ0123456789"_s, marzo, u"08412345678905"_s, matriz);
        fila("fin de febrero bisiesto, UPC-A", u"L1"_s, QDate(2028, 2, 29), u"012345678905"_s, lineal);
        fila("sin caducidad", u"L1"_s, {}, ean, lineal);
        fila("sin GTIN: uso interno", u"L-3"_s, marzo, {}, interno);
        fila("sin GTIN, hoja A4, 12 copias", u"ABCDEFGHIJ0123456789"_s, marzo, {}, interno, 12);
        fila("sin GTIN, DataMatrix pedido", u"L-3"_s, marzo, {}, interno, 1, true);
        fila("sin GTIN ni lote", {}, marzo, {}, u"Sin código de barras: el artículo no tiene GTIN"_s);
        QTest::newRow("tono y calibre, sin lote")
            << EtiquetaLote{200, u"Azulejo"_s, {}, {}, {}, u"A1"_s, u"10"_s, true}
            << u"Sin código de barras: el lote no tiene código ni caducidad"_s << 1 << false;
        fila("eñe", u"LOTE-Ñ1"_s, marzo, ean, caracteres);
        fila("eñe sin GTIN", u"LOTE-Ñ1"_s, marzo, {},
             u"Sin código de barras: el lote tiene caracteres que el código de barras no admite"_s);
        fila("almohadilla", u"A#1"_s, marzo, ean, caracteres);
        fila("21 caracteres", u"ABCDEFGHIJ01234567890"_s, {}, ean,
             u"Sin código de barras: el lote pasa de los 20 caracteres que admite GS1"_s);
        fila("GTIN erróneo", u"L1"_s, {}, u"8412345678901"_s,
             u"Sin código de barras: el GTIN del artículo no es válido"_s);
    }
    // What the label prints scans back, at a thermal printer's 203 dpi and an
    // office printer's 300, its modules in whole dots of at least 0.25 mm, as the same lot, expiry and article number
    // on every label of the page, a string every rule of GS1 accepts; without an article number, as the lot code alone,
    // which no GS1 reader takes. Data GS1 cannot carry gets no barcode.
    void idaYVuelta()
    {
        QFETCH(EtiquetaLote, etiqueta);
        QFETCH(QString, esperado);
        QFETCH(int, copias);
        QFETCH(bool, dataMatrix);
        const bool hoja = copias > 1;
        const ReporteEtiquetas reporte(repetidas({etiqueta}, copias),
                                       hoja ? PapelEtiquetas::HojaA4 : PapelEtiquetas::Etiquetadora, dataMatrix);
        const int porPagina = hoja ? 10 : 1;
        QCOMPARE(reporte.paginas(), (copias + porPagina - 1) / porPagina);
        const bool conCodigo = esperado.startsWith(u']');
        QCOMPARE(codigoEtiqueta(etiqueta).sinCodigo, conCodigo ? QString() : esperado);
        const QString gtin = etiqueta.gtin.isEmpty() ? QString() : etiqueta.gtin.rightJustified(14, u'0');
        for (const int ppp : {203, 300}) {
            const QStringList textos = escanear(reporte, hoja ? 2 : 1, hoja ? 5 : 1, ppp);
            QCOMPARE(textos.size(), conCodigo ? std::min(copias, porPagina) : 0);
            for (const QString &texto : textos) {
                QCOMPARE(texto.first(3), esperado);
                const auto lectura = leerGs1(texto, QDate::currentDate(), RigorGs1::Impresion);
                if (gtin.isEmpty()) {
                    QCOMPARE(std::make_pair(texto.sliced(3), lectura.has_value()),
                             std::make_pair(etiqueta.lote, false));
                    continue;
                }
                QVERIFY(lectura);
                QCOMPARE(QStringList({lectura->lote.value_or(QString()),
                                      lectura->caducidad.value_or(QDate()).toString(Qt::ISODate),
                                      lectura->articulo.value_or(QString())}),
                         QStringList({etiqueta.lote, etiqueta.caducidad.toString(Qt::ISODate), gtin}));
            }
        }
    }
};

QTEST_MAIN(TstVisor)
#include "tst_visor.moc"

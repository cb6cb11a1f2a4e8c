// A lot label printed, scanned and read back by the library's own GS1 reader.
#include "foundation/core/values/Gs1.h"
#include "labels/ReporteEtiquetas.h"

#define ZX_USE_UTF8 1 // text() in UTF-8, as zxing-cpp 2 has it
#include <QImage>
#include <QPainter>
#include <QTest>

#include <ZXing/ReadBarcode.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

// What a scanner sends for each label of page 1, printed at 8 pixels a point
// (576 DPI) in grey as a scanner's camera sees it, `columnas` by `filas` labels.
// One label at a time: zxing-cpp 1.4 asserts on two equal codes in one image.
QStringList escanear(const Reporte &reporte, int columnas, int filas)
{
    const QSizeF area = reporte.diseno().paintRect(QPageLayout::Point).size();
    QImage pagina((area * 8).toSize(), QImage::Format_Grayscale8);
    pagina.fill(Qt::white);
    QPainter pintor(&pagina);
    pintor.scale(8, 8);
    reporte.pintarPagina(pintor, 1, area);
    ZXing::DecodeHints opciones;
    opciones.setFormats(ZXing::BarcodeFormat::Code128);
    opciones.setTryDownscale(false);
    QStringList textos;
    const QSize celda(pagina.width() / columnas, pagina.height() / filas);
    for (int i = 0; i < columnas * filas; ++i) {
        const QImage imagen = pagina.copy({{i % columnas * celda.width(), i / columnas * celda.height()}, celda});
        const ZXing::Result leido = ZXing::ReadBarcode(
            {imagen.constBits(), imagen.width(), imagen.height(), ZXing::ImageFormat::Lum, int(imagen.bytesPerLine())},
            opciones);
        if (leido.isValid())
            textos << QString::fromStdString(leido.symbologyIdentifier() + leido.text());
    }
    return textos;
}

} // namespace

Q_DECLARE_METATYPE(EtiquetaLote)

class TstEtiquetas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void idaYVuelta_data()
    {
        QTest::addColumn<EtiquetaLote>("etiqueta");
        QTest::addColumn<QString>("sinCodigo"); // empty: the barcode must read back the label's data
        QTest::addColumn<int>("copias");        // 1 on the label printer, more on A4 sheets
        const auto fila = [](const char *caso, const QString &lote, QDate caducidad, const QString &gtin = {},
                             const QString &sinCodigo = {}, int copias = 1) {
            QTest::newRow(caso) << EtiquetaLote{100, u"Yogur natural"_s, gtin, lote, caducidad, {}, {}, false}
                                << sinCodigo << copias;
        };
        const QDate marzo(2027, 3, 15);
        const QString caracteres = u"Sin código de barras: el lote tiene caracteres que GS1 no admite"_s;
        fila("lote, caducidad y GTIN", u"L-2026/01"_s, marzo, u"8412345678905"_s);
        fila("puntuación del juego 82", u"!\"%&'()*+,-./:;<=>?_"_s, marzo);
        fila("20 caracteres, sin caducidad", u"ABCDEFGHIJ0123456789"_s, {}, u"08412345678905"_s);
        fila("fin de febrero bisiesto", u"L1"_s, QDate(2028, 2, 29));
        QTest::newRow("fin de abril, tono y calibre")
            << EtiquetaLote{200, u"Azulejo"_s, {}, {}, QDate(2027, 4, 30), u"A1"_s, u"10"_s, true} << QString() << 1;
        fila("hoja A4, 12 copias", u"L-3"_s, marzo, {}, {}, 12);
        fila("eñe", u"LOTE-Ñ1"_s, marzo, {}, caracteres);
        fila("almohadilla", u"A#1"_s, marzo, {}, caracteres);
        fila("21 caracteres", u"ABCDEFGHIJ01234567890"_s, {}, {},
             u"Sin código de barras: el lote pasa de los 20 caracteres que admite GS1"_s);
        fila("GTIN erróneo", u"L1"_s, {}, u"8412345678901"_s,
             u"Sin código de barras: el GTIN del artículo no es válido"_s);
    }
    // What the label prints scans back as the same lot, expiry and article
    // number, on every label of the page; a lot GS1 cannot carry gets no barcode.
    void idaYVuelta()
    {
        QFETCH(EtiquetaLote, etiqueta);
        QFETCH(QString, sinCodigo);
        QFETCH(int, copias);
        const bool hoja = copias > 1;
        const ReporteEtiquetas reporte(repetidas({etiqueta}, copias),
                                       hoja ? PapelEtiquetas::HojaA4 : PapelEtiquetas::Etiquetadora);
        const int porPagina = hoja ? 10 : 1;
        QCOMPARE(reporte.paginas(), (copias + porPagina - 1) / porPagina);
        QCOMPARE(codigoEtiqueta(etiqueta).sinCodigo, sinCodigo);
        const QStringList textos = escanear(reporte, hoja ? 2 : 1, hoja ? 5 : 1);
        QCOMPARE(textos.size(), sinCodigo.isEmpty() ? std::min(copias, porPagina) : 0);
        const QString gtin = etiqueta.gtin.isEmpty() ? QString() : etiqueta.gtin.rightJustified(14, u'0');
        for (const QString &texto : textos) {
            const auto lectura = leerGs1(texto, QDate::currentDate());
            QVERIFY(lectura);
            QCOMPARE(QStringList({lectura->lote.value_or(QString()),
                                  lectura->caducidad.value_or(QDate()).toString(Qt::ISODate),
                                  lectura->articulo.value_or(QString())}),
                     QStringList({etiqueta.lote, etiqueta.caducidad.toString(Qt::ISODate), gtin}));
        }
    }
};

QTEST_MAIN(TstEtiquetas)
#include "tst_etiquetas.moc"

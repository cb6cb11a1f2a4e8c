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

struct Caso
{
    EtiquetaLote etiqueta;
    QString sinCodigo; // empty: the barcode must read back the label's data
    PapelEtiquetas papel = PapelEtiquetas::Etiquetadora;
    int copias = 1;
};

Caso caso(const QString &lote, QDate caducidad, const QString &gtin = {}, const QString &sinCodigo = {})
{
    Caso c;
    c.etiqueta = {100, u"Yogur natural"_s, gtin, lote, caducidad, {}, {}, false};
    c.sinCodigo = sinCodigo;
    return c;
}

// Page 1 at 8 pixels a point (576 DPI), in grey as a scanner's camera sees it.
QImage imprimir(const Reporte &reporte)
{
    const QSizeF area = reporte.diseno().paintRect(QPageLayout::Point).size();
    QImage imagen((area * 8).toSize(), QImage::Format_Grayscale8);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    pintor.scale(8, 8);
    reporte.pintarPagina(pintor, 1, area);
    return imagen;
}

// What a scanner sends for each label of a page of `columnas` by `filas`
// labels. One label at a time: zxing-cpp 1.4 asserts on two equal codes in one image.
QStringList escanear(const QImage &pagina, int columnas, int filas)
{
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

Q_DECLARE_METATYPE(Caso)

class TstEtiquetas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void idaYVuelta_data()
    {
        QTest::addColumn<Caso>("caso");
        const QDate marzo(2027, 3, 15);
        const QString caracteres = u"Sin código de barras: el lote tiene caracteres que GS1 no admite"_s;
        QTest::newRow("lote, caducidad y GTIN") << caso(u"L-2026/01"_s, marzo, u"8412345678905"_s);
        QTest::newRow("puntuación del juego 82") << caso(u"!\"%&'()*+,-./:;<=>?_"_s, marzo);
        QTest::newRow("20 caracteres, sin caducidad") << caso(u"ABCDEFGHIJ0123456789"_s, {}, u"08412345678905"_s);
        QTest::newRow("fin de febrero bisiesto") << caso(u"L1"_s, QDate(2028, 2, 29));
        const EtiquetaLote tono{200, u"Azulejo"_s, {}, {}, QDate(2027, 4, 30), u"A1"_s, u"10"_s, true};
        QTest::newRow("fin de abril, tono y calibre") << Caso{tono, {}, PapelEtiquetas::Etiquetadora, 1};
        QTest::newRow("hoja A4, 12 copias") << Caso{caso(u"L-3"_s, marzo).etiqueta, {}, PapelEtiquetas::HojaA4, 12};
        QTest::newRow("eñe") << caso(u"LOTE-Ñ1"_s, marzo, {}, caracteres);
        QTest::newRow("almohadilla") << caso(u"A#1"_s, marzo, {}, caracteres);
        QTest::newRow("21 caracteres") << caso(
            u"ABCDEFGHIJ01234567890"_s, {}, {},
            u"Sin código de barras: el lote pasa de los 20 caracteres que admite GS1"_s);
        QTest::newRow("GTIN erróneo") << caso(u"L1"_s, {}, u"8412345678901"_s,
                                              u"Sin código de barras: el GTIN del artículo no es válido"_s);
    }
    // What the label prints scans back as the same lot, expiry and article
    // number, on every label of the page; a lot GS1 cannot carry gets no barcode.
    void idaYVuelta()
    {
        QFETCH(Caso, caso);
        const EtiquetaLote &e = caso.etiqueta;
        const ReporteEtiquetas reporte(repetidas({e}, caso.copias), caso.papel);
        const bool hoja = caso.papel == PapelEtiquetas::HojaA4;
        const int porPagina = hoja ? 10 : 1;
        QCOMPARE(reporte.paginas(), (caso.copias + porPagina - 1) / porPagina);
        QCOMPARE(codigoEtiqueta(e).sinCodigo, caso.sinCodigo);
        const QStringList textos = escanear(imprimir(reporte), hoja ? 2 : 1, hoja ? 5 : 1);
        QCOMPARE(textos.size(), caso.sinCodigo.isEmpty() ? std::min(caso.copias, porPagina) : 0);
        for (const QString &texto : textos) {
            const auto lectura = leerGs1(texto, QDate::currentDate());
            QVERIFY(lectura);
            const QString gtin = e.gtin.isEmpty() ? e.gtin : e.gtin.rightJustified(14, u'0');
            QCOMPARE(QStringList({lectura->lote.value_or(QString()),
                                  lectura->caducidad.value_or(QDate()).toString(Qt::ISODate),
                                  lectura->articulo.value_or(QString())}),
                     QStringList({e.lote, e.caducidad.toString(Qt::ISODate), gtin}));
        }
    }
};

QTEST_MAIN(TstEtiquetas)
#include "tst_etiquetas.moc"

// Picking the lot of a stock regularization or a warehouse transfer, through
// the entry classes and the real dialogs, on a real database.
#include "foundation/controls/Rejilla.h"
#include "tests/sales/EscenarioVentas.h"

#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesTraspaso.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Listed by stock: -2, 0, 4.99, 4.996 (shown as 5,00), 5, 8. Lots 23 and 24
// share tone and caliber.
const QList<LotePrueba> Lotes{
    {21, u"5"_s, u"L-5"_s, u"2027-05-31"_s, u"A1"_s, u"10"_s},
    {22, u"4.99"_s, u"L-499"_s, u"2027-04-30"_s, u"A1"_s, u"11"_s},
    {23, u"4.996"_s, u"L-4996"_s, {}, u"B2"_s, u"10"_s},
    {24, u"0"_s, u"L-CERO"_s, u"2027-01-31"_s, u"B2"_s, u"10"_s},
    {25, u"-2"_s, u"O'Ñandú"_s, u"2026-12-31"_s, u"Ñ'1"_s, u"12"_s},
    {26, u"8"_s, u"L-8"_s, u"2027-08-31"_s, u"A1"_s, u"12"_s},
};
const QString Corto = u"El lote seleccionado no tiene stock suficiente"_s;

QString consultaEsperada(qint32 articulo, bool soloConStock)
{
    return u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre FROM Almacen_Articulos_Lotes a "
           u"INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE "
           u"a.Cod_Empresa = 1 AND a.Cod_Almacen = 1 AND b.Cod_Articulo = "_s +
           QString::number(articulo) + (soloConStock ? u" AND a.Stock_Actual > 0"_s : QString()) +
           u" ORDER BY a.Stock_Actual"_s;
}

// The header row, or column 0 (the lot keys) from the header down.
QStringList textos(Rejilla *r, bool cabecera)
{
    QStringList celdas;
    for (int i = 0; i < (cabecera ? r->Cols() : r->Rows()); ++i)
        celdas << (cabecera ? r->TextMatrix(0, i) : r->TextMatrix(i, 0));
    return celdas;
}

template<class Clase> void elegirLote()
{
    QFETCH(QString, motor);
    QFETCH(QString, modelo);
    QFETCH(bool, esNegativo);
    QFETCH(int, unidades);
    QFETCH(QString, elegir); // a lot key, or empty for an article without lots
    QFETCH(QString, mensaje);
    QFETCH(QString, titulo);
    NVLA_BASE_DATOS(bd, motor, false);
    QVERIFY_SQL(Sembrar(*bd, Lotes));
    Sesion<Clase> s(bd, modelo, unidades);
    s.marcarSalidas();
    if constexpr (requires { s.clase.EsNegativo; })
        s.clase.EsNegativo = esNegativo;
    if (elegir.isEmpty())
        s.clase.Cod_Articulo = ArticuloPrueba + 1;
    const bool modeloLote = modelo == u"3";
    const QStringList cabeceras = modeloLote ? QStringList{{}, u"Stock"_s, u"Caducidad"_s, u"Lote"_s}
                                             : QStringList{{}, u"Stock"_s, u"Tono"_s, u"Calibre"_s, u"Caducidad"_s};
    const QStringList claves = elegir.isEmpty() ? QStringList{QString()}
                               : esNegativo     ? QStringList{{}, u"22"_s, u"23"_s, u"21"_s, u"26"_s}
                                                : QStringList{{}, u"25"_s, u"24"_s, u"22"_s, u"23"_s, u"21"_s, u"26"_s};
    QList<MensajeVisto> mensajes;
    QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                       [&](QDialog *d) {
                           auto *r = control<Rejilla>(d, u"vsLotes"_s);
                           QCOMPARE(d->objectName(), modeloLote ? u"frmLotesStockReg1"_s : u"frmLotesStockReg2"_s);
                           QCOMPARE(d->windowTitle(), titulo);
                           QCOMPARE(textos(r, true), cabeceras);
                           QVERIFY(r->ColHidden(0));
                           QCOMPARE(textos(r, false), claves);
                           const int fila = int(claves.indexOf(elegir));
                           r->setRow(fila);
                           // Enter in the list is no Aceptar: these dialogs have no keys of their own.
                           QTest::keyClick(r, Qt::Key_Return);
                           QVERIFY(d->isVisible());
                           mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                           if (!mensaje.isEmpty() || elegir.isEmpty()) {
                               QVERIFY(d->isVisible());
                               QCOMPARE(r->Row(), fila);
                               clic(d, u"cmdCancelar"_s);
                           }
                       }));
    // One query, the exact text, and nothing written.
    QCOMPARE(s.grabadora->Textos(), QStringList{consultaEsperada(s.clase.Cod_Articulo, esNegativo)});
    QCOMPARE(mensajes.size(), mensaje.isEmpty() ? 0 : 1);
    if (!mensaje.isEmpty()) {
        QCOMPARE(mensajes[0].texto, mensaje);
        QCOMPARE(mensajes[0].titulo, u"¡ Atención !"_s);
        QCOMPARE(mensajes[0].icono, QMessageBox::Warning);
    }
    if (!mensaje.isEmpty() || elegir.isEmpty()) {
        QVERIFY(!s.clase.Result);
        QVERIFY(s.salidasIntactas());
        return;
    }
    QVERIFY(s.clase.Result);
    QCOMPARE(s.clase.Cod_Lote, elegir.toInt());
    const LotePrueba &lote = *std::ranges::find(Lotes, elegir.toInt(), &LotePrueba::clave);
    QCOMPARE(s.clase.Caducidad,
             lote.caducidad.isEmpty() ? QDate(1900, 1, 1) : QDate::fromString(lote.caducidad, Qt::ISODate));
    // The fields of the other lot model come back empty, whatever the host had.
    QCOMPARE(s.clase.Lote, modeloLote ? lote.lote : QString());
    QCOMPARE(s.clase.Tono, modeloLote ? QString() : lote.tono);
    QCOMPARE(s.clase.Calibre, modeloLote ? QString() : lote.calibre);
}

} // namespace

class TstRegularizacion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Regularization rows, then transfer rows: a transfer always takes stock
    // out, whatever the units, and its caption says so.
    void eleccionDesdeLaLista_data()
    {
        for (const char *columna : {"motor", "modelo"})
            QTest::addColumn<QString>(columna);
        QTest::addColumn<bool>("esNegativo");
        QTest::addColumn<int>("unidades");
        for (const char *columna : {"elegir", "mensaje", "titulo"})
            QTest::addColumn<QString>(columna);
        const QString lotes = u"Regularización de Lotes"_s;
        const QString tonos = u"Regularización de Tono / Calibre"_s;
        const QString lote = u"Traspaso de Lote"_s;
        const QString tono = u"Traspaso de Tono / Calibre"_s;
        for (const QString &m : Motores()) {
            const QByteArray n = m.toUtf8();
            QTest::newRow(n + " salida: 4,996 se ve 5,00 y cubre 5")
                << m << u"3"_s << true << 5 << u"23"_s << QString() << lotes;
            QTest::newRow(n + " salida: 4,99 no cubre 5") << m << u"3"_s << true << 5 << u"22"_s << Corto << lotes;
            QTest::newRow(n + " salida de cero unidades") << m << u"3"_s << true << 0 << u"22"_s << QString() << lotes;
            QTest::newRow(n + " entrada: negativo, con comillas")
                << m << u"3"_s << false << 5 << u"25"_s << QString() << lotes;
            QTest::newRow(n + " entrada tono: a cero, su propia clave")
                << m << u"2"_s << false << 100 << u"24"_s << QString() << tonos;
            QTest::newRow(n + " salida tono: stock igual") << m << u"2"_s << true << 5 << u"21"_s << QString() << tonos;
            QTest::newRow(n + " artículo sin lotes") << m << u"3"_s << false << 5 << QString() << QString() << lotes;
            QTest::newRow(n + " traspaso: 4,99 no cubre 5") << m << u"3"_s << true << 5 << u"22"_s << Corto << lote;
            QTest::newRow(n + " traspaso de cero unidades") << m << u"3"_s << true << 0 << u"22"_s << QString() << lote;
            QTest::newRow(n + " traspaso tono: 5 no cubre 8") << m << u"2"_s << true << 8 << u"21"_s << Corto << tono;
            QTest::newRow(n + " traspaso tono") << m << u"2"_s << true << 8 << u"26"_s << QString() << tono;
            QTest::newRow(n + " traspaso sin lotes") << m << u"2"_s << true << 1 << QString() << QString() << tono;
        }
    }
    void eleccionDesdeLaLista()
    {
        QFETCH(QString, titulo);
        if (titulo.startsWith(u"Traspaso"))
            elegirLote<frmclsLotesTraspaso>();
        else
            elegirLote<frmclsLotesRegularizar>();
    }
};

QTEST_MAIN(TstRegularizacion)
#include "tst_regularizacion.moc"

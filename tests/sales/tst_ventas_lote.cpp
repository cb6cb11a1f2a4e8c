// Picking the lot of a sales line from stock, lot-code model, on a real database.
#include "EscenarioVentas.h"
#include "foundation/controls/Rejilla.h"

#include <QApplication>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Stock 3, 5 and 8 below a 4,996 that shows as 5,00, plus a zero and a negative lot.
const QList<LotePrueba> Lotes{
    {11, u"3"_s, u"L-3"_s, u"2027-03-31"_s, {}, {}}, {12, u"5"_s, u"L-5"_s, u"2027-05-31"_s, {}, {}},
    {13, u"8"_s, u"L-8"_s, u"2027-08-31"_s, {}, {}}, {14, u"4.996"_s, u"L-4996"_s, u"2027-06-30"_s, {}, {}},
    {15, u"0"_s, u"L-CERO"_s, {}, {}, {}},           {16, u"-2"_s, u"L-NEG"_s, u"2026-12-31"_s, {}, {}},
};

Rejilla *rejilla(QDialog *d)
{
    return control<Rejilla>(d, u"vsLotes"_s);
}

int filaDeLote(const Rejilla *r, const QString &lote)
{
    return FilaCon(r, {{3, lote}});
}

} // namespace

class TstVentasLote : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void listaYEleccionDesdeLaRejilla_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<int>("unidades");
        QTest::addColumn<bool>("automatico");
        QTest::addColumn<QString>("elegir"); // lot code, or "AUTO"
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<qint32>("clave");

        const QStringList positivos{u"L-3"_s, u"L-4996"_s, u"L-5"_s, u"L-8"_s};
        const QStringList todos{u"L-NEG"_s, u"L-CERO"_s, u"L-3"_s, u"L-4996"_s, u"L-5"_s, u"L-8"_s};
        const QString corto = u"El lote seleccionado no tiene stock suficiente"_s;
        const QString ninguno = u"No existe un lote con stock suficiente"_s;
        for (const QString &motor : Motores()) {
            const QByteArray m = motor.toUtf8();
            QTest::newRow(m + " automático elige 4,996 como 5")
                << motor << 5 << true << u"AUTO"_s << positivos << QString() << 14;
            QTest::newRow(m + " lote de 3 sin stock") << motor << 5 << true << u"L-3"_s << positivos << corto << 0;
            QTest::newRow(m + " lote de 8") << motor << 5 << true << u"L-8"_s << positivos << QString() << 13;
            QTest::newRow(m + " sin automático, fila 1 se comprueba")
                << motor << 5 << false << u"L-3"_s << positivos << corto << 0;
            QTest::newRow(m + " automático sin lote suficiente")
                << motor << 9 << true << u"AUTO"_s << positivos << ninguno << 0;
            QTest::newRow(m + " cero unidades lista todo")
                << motor << 0 << true << u"AUTO"_s << todos << QString() << 15;
            QTest::newRow(m + " devolución acepta negativo")
                << motor << -3 << true << u"AUTO"_s << todos << QString() << 16;
            QTest::newRow(m + " devolución lote negativo")
                << motor << -2 << true << u"L-NEG"_s << todos << QString() << 16;
        }
    }
    void listaYEleccionDesdeLaRejilla()
    {
        QFETCH(QString, motor);
        QFETCH(int, unidades);
        QFETCH(bool, automatico);
        QFETCH(QString, elegir);
        QFETCH(QStringList, lista);
        QFETCH(QString, mensaje);
        QFETCH(qint32, clave);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, u"3"_s, unidades);
        s.clase.PermitirAutomatico = automatico;
        s.marcarSalidas();

        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               Rejilla *r = rejilla(d);
                               QCOMPARE(d->windowTitle(), u"Lotes en Stock"_s);
                               QCOMPARE(QApplication::focusWidget(), r);
                               QCOMPARE(r->Row(), 1);
                               QStringList vistos;
                               const int primera = automatico ? 2 : 1;
                               for (int fila = primera; fila < r->Rows(); ++fila)
                                   vistos << r->TextMatrix(fila, 3);
                               QCOMPARE(vistos, lista);
                               if (automatico)
                                   QCOMPARE(r->TextMatrix(1, 2), u"- SELECCIÓN AUTOMÁTICA -"_s);
                               if (const int f = filaDeLote(r, u"L-4996"_s); f > 0)
                                   QCOMPARE(r->TextMatrix(f, 1), u"5,00"_s);
                               const int fila = elegir == u"AUTO" ? 1 : filaDeLote(r, elegir);
                               r->setRow(fila);
                               // Enter in the grid is Aceptar.
                               mensajes = CapturarMensajes([&] { QTest::keyClick(r, Qt::Key_Return); });
                               if (!mensaje.isEmpty()) {
                                   QVERIFY(d->isVisible());
                                   QCOMPARE(r->Row(), fila);
                                   clic(d, u"cmdCancelar"_s);
                               }
                           }));
        if (mensaje.isEmpty()) {
            QVERIFY(mensajes.isEmpty());
            QVERIFY(s.clase.Result);
            QCOMPARE(s.clase.Cod_Lote, clave);
            const auto elegido =
                std::find_if(Lotes.begin(), Lotes.end(), [&](const LotePrueba &l) { return l.clave == clave; });
            QCOMPARE(s.clase.Lote, elegido->lote);
            QCOMPARE(s.clase.Caducidad, elegido->caducidad.isEmpty()
                                            ? QDate(1900, 1, 1)
                                            : QDate::fromString(elegido->caducidad, Qt::ISODate));
            QCOMPARE(s.clase.Tono, u"T-HOST"_s); // a grid choice leaves tone and caliber alone
            QVERIFY(!s.llamoAlProcedimiento());
        } else {
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes[0].texto, mensaje);
            QCOMPARE(mensajes[0].titulo, u"¡ Atención !"_s);
            QVERIFY(!s.clase.Result);
            QVERIFY(s.salidasIntactas());
        }
    }

    void loteTecleado_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<QString>("lote");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<bool>("control");
        QTest::addColumn<bool>("listado"); // matches a row: no procedure
        QTest::addColumn<QString>("loteDevuelto");
        QTest::addColumn<QDate>("caducidad");
        for (const QString &motor : Motores()) {
            const QByteArray m = motor.toUtf8();
            QTest::newRow(m + " igual a una fila sin stock")
                << motor << u"L-3"_s << u"31/03/2027"_s << true << true << u"L-3"_s << QDate(2027, 3, 31);
            QTest::newRow(m + " blancos alrededor")
                << motor << u"  L-8 "_s << u"31/08/2027"_s << true << true << u"L-8"_s << QDate(2027, 8, 31);
            QTest::newRow(m + " coincide solo el código")
                << motor << u"L-3"_s << u"01/04/2027"_s << true << false << u"L-3"_s << QDate(2027, 4, 1);
            QTest::newRow(m + " nuevo con comillas y eñes")
                << motor << u"O'Ñandú-1"_s << u"15/02/2028"_s << true << false << u"O'Ñandú-1"_s << QDate(2028, 2, 15);
            QTest::newRow(m + " sin fecha ni código")
                << motor << QString() << QString() << false << false << QString() << QDate(1900, 1, 1);
            QTest::newRow(m + " fecha pasada se acepta")
                << motor << u"L-VIEJO"_s << u"01/01/2020"_s << true << false << u"L-VIEJO"_s << QDate(2020, 1, 1);
        }
    }
    void loteTecleado()
    {
        QFETCH(QString, motor);
        QFETCH(QString, lote);
        QFETCH(QString, fecha);
        QFETCH(bool, control);
        QFETCH(bool, listado);
        QFETCH(QString, loteDevuelto);
        QFETCH(QDate, caducidad);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        const QStringList antes = LotesEnBase(*bd);
        SesionVentas s(bd, u"3"_s, 5);
        s.clase.ControlCaducidad = control;
        s.marcarSalidas();
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               escribir(d, u"txtCaducidad"_s, QString(fecha).remove(u'/'));
                               escribir(d, u"txtLote"_s, lote);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                               QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                           }));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Lote, loteDevuelto);
        QCOMPARE(s.clase.Caducidad, caducidad);
        QCOMPARE(s.llamoAlProcedimiento(), !listado);
        // Only the lot model's fields come back: tone and caliber are the host's.
        QCOMPARE(s.clase.Tono, u"T-HOST"_s);
        const QStringList despues = LotesEnBase(*bd);
        if (listado) {
            QCOMPARE(despues, antes);
            return;
        }
        QCOMPARE(despues.size(), antes.size() + 1);
        const QString nuevo = despues.constLast();
        QCOMPARE(nuevo.section(u'|', 0, 0).toInt(), s.clase.Cod_Lote);
        QCOMPARE(nuevo.section(u'|', 1, 1), loteDevuelto);
        QCOMPARE(StockEnBase(*bd, s.clase.Cod_Lote), u"0"_s);
    }

    void fechaObligatoriaConControlDeCaducidad()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, u"3"_s, 5);
        s.clase.ControlCaducidad = true;
        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               escribir(d, u"txtCaducidad"_s, u"3112"_s);
                               escribir(d, u"txtLote"_s, u" L-X "_s);
                               mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                               QCOMPARE(d->focusWidget()->objectName(), u"txtCaducidad"_s);
                               // The attempt has already trimmed the lot box.
                               QCOMPARE(control<QLineEdit>(d, u"txtLote"_s)->text(), u"L-X"_s);
                               clic(d, u"cmdCancelar"_s);
                           }));
        QCOMPARE(mensajes.size(), 1);
        QCOMPARE(mensajes[0].texto, u"Debe especificar la fecha de caducidad"_s);
        QVERIFY(!s.clase.Result);
        QVERIFY(!s.llamoAlProcedimiento());
    }

    void elFocoDecideEntreRejillaYLoteTecleado()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, u"3"_s, 5);
        // Typed, then back to the grid: the grid's row wins.
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               escribir(d, u"txtLote"_s, u"L-NUEVO"_s);
                               clic(d, u"vsLotes"_s);
                               rejilla(d)->setRow(filaDeLote(rejilla(d), u"L-8"_s));
                               clic(d, u"cmdAceptar"_s);
                           }));
        QCOMPARE(s.clase.Cod_Lote, 13);
        // A click into the frame, then Aceptar by mouse: the typed lot wins
        // although a grid row is highlighted.
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               escribir(d, u"txtCaducidad"_s, u"31082027"_s);
                               escribir(d, u"txtLote"_s, u"L-8"_s);
                               clic(d, u"vsLotes"_s);
                               rejilla(d)->setRow(filaDeLote(rejilla(d), u"L-3"_s));
                               clic(d, u"txtCaducidad"_s);
                               clic(d, u"cmdAceptar"_s);
                           }));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, 13);
        QVERIFY(!s.llamoAlProcedimiento());
        // Up on the first row leaves the grid for the typed lot.
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               Rejilla *r = rejilla(d);
                               r->setRow(3);
                               QTest::keyClick(r, Qt::Key_Up);
                               QCOMPARE(r->Row(), 2);
                               QCOMPARE(QApplication::focusWidget(), r);
                               QTest::keyClick(r, Qt::Key_Up);
                               QTest::keyClick(r, Qt::Key_Up);
                               QCOMPARE(QApplication::focusWidget()->objectName(), u"txtLote"_s);
                               clic(d, u"cmdCancelar"_s);
                           }));
    }
};

QTEST_MAIN(TstVentasLote)
#include "tst_ventas_lote.moc"

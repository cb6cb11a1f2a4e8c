// The clerk's helps, each in every dialog it reaches: expired lots marked and
// moving by typing through a long list (the sales lot list), a scanned GS1
// label in the lot box (purchases, and the sales "Manual" frame); each one
// also with its host parameter set False.
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/lists/ListaLotes.h"
#include "tests/sales/EscenarioVentas.h"

#include <QApplication>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

class TstAyudas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }
    void cleanupTestCase() { Sesion(u"facturacion"_s, nullptr, u"1"_s); }

    // The sales lot list with every help, then with each one off: only a date
    // before today marks its cell, the text as it was; typing finds lots not
    // yet read from a long list, in any letter case, a pause starts anew and
    // the automatic row is never chosen.
    void ayudasDeLaLista()
    {
        const QDate hoy = QDate::currentDate();
        // The list goes by stock: the dated lots first, under the automatic row.
        QList<LotePrueba> lotes{{1, u"0.1"_s, u"L-AYER"_s, hoy.addDays(-1).toString(Qt::ISODate), {}, {}},
                                {2, u"0.2"_s, u"L-HOY"_s, hoy.toString(Qt::ISODate), {}, {}}};
        for (int i = 1; i <= 300; ++i)
            lotes.append({10 + i, QString::number(i), u"A-%1"_s.arg(i, 3, 10, QChar(u'0')), {}, {}, {}});
        lotes.append({999, u"999"_s, u"Zeta"_s, {}, {}, {}});
        const QString marcar = u"Lotes_MarcarCaducados"_s;
        const QString buscar = u"Lotes_BusquedaAlTeclear"_s;
        for (const QString &motor : motores()) {
            for (const QString &apagada : {QString(), marcar, buscar}) {
                NVLA_BASE_DATOS(bd, motor, false);
                QVERIFY_SQL(sembrar(*bd, lotes));
                Sesion s(u"facturacion"_s, bd, u"3"_s, 1);
                for (const QString &ayuda : {marcar, buscar})
                    s.empresa->setParametro(ayuda, ayuda == apagada ? u"Falso"_s : u"True"_s);
                QVERIFY(s.entrada.mostrar([&](QDialog *d) {
                    auto *r = control<Rejilla>(d, u"vsLotes"_s);
                    QStringList marcas; // automatic, yesterday, today, none: tip/colour
                    for (int fila = 0; fila < 4; ++fila) {
                        const QModelIndex celda = r->model()->index(fila, 2);
                        marcas << celda.data(Qt::ToolTipRole).toString() + u'/' +
                                      QString::number(int(celda.data(Qt::ForegroundRole).isValid()));
                    }
                    QCOMPARE(marcas.join(u' '), apagada == marcar ? u"/0 /0 /0 /0"_s : u"/0 Lote caducado/1 /0 /0"_s);
                    QCOMPARE(r->textMatrix(2, 2), hoy.addDays(-1).toString(u"dd/MM/yyyy"_s));
                    qint64 ahora = 0;
                    d->findChild<ListaLotes *>()->fijarReloj([&] { return ahora; });
                    QVERIFY(r->modelo()->quedanFilasPorLeer());
                    QTest::keyClick(r, Qt::Key_Z);
                    QCOMPARE(r->row(), apagada == buscar ? 1 : 304);
                    ahora += 2000;
                    QTest::keyClicks(r, u"a-007"_s);
                    ahora += 2000;
                    QTest::keyClicks(r, u"-"_s);
                    QCOMPARE(r->textMatrix(r->row(), 3), apagada == buscar ? ListaLotes::TextoAutomatico : u"A-007"_s);
                    clic(d, u"cmdCancelar"_s);
                }));
            }
        }
    }

    // The scanner types the label, longer than the box takes, with Ctrl+] as
    // its separator, and ends it with Enter or Tab; the boxes show lot and
    // expiry, and the purchase host gets what they show.
    void etiquetaGs1_data()
    {
        // class;what the scanner types, ^ its separator;the boxes;the key that ends it;Lotes_LecturaGS1
        QTest::addColumn<QString>("fila");
        const QString gtin = u"]C10109501101530003"_s + u"17301200"_s;
        QTest::newRow("con Intro") << u"compras;"_s + gtin + u"10LOTE-ESCANEADO;LOTE-ESCANEADO|31/12/2030;Intro;1"_s;
        QTest::newRow("separador tras el lote, con tabulador")
            << u"compras;]C110LOTE-ESCANEADO^17301231;LOTE-ESCANEADO|31/12/2030;Tab;1"_s;
        QTest::newRow("lectura apagada") << u"compras;(17)301231(10)LOTE-ESCANEADO;(17)301231(10)L|;Intro;0"_s;
        QTest::newRow("marco de ventas") << u"facturacion;"_s + gtin +
                                                u"10LOTE-DE-18-CIFRAS;LOTE-DE-18-CIFRAS|31/12/2030;Intro;1"_s;
    }
    void etiquetaGs1()
    {
        QFETCH(QString, fila);
        const QStringList c = fila.split(u';');
        const QString &clase = c[0];
        const Qt::Key fin = c[3] == u"Tab" ? Qt::Key_Tab : Qt::Key_Return;
        NVLA_BASE_DATOS(bd, motores().constFirst(), false);
        QVERIFY_SQL(sembrar(*bd, {}));
        Sesion s(clase, bd, u"3"_s);
        s.empresa->setParametro(u"Lotes_LecturaGS1"_s, c[4] == u"1");
        if (s.entrada.tiene("PedirCaducidad"))
            s.entrada.fijar("PedirCaducidad", true);
        QString vistas;
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            auto *caja = control<kxTextBox>(d, u"txtLote"_s);
            enfocar(d, u"txtLote"_s);
            const QStringList trozos = c[1].split(u'^');
            QTest::keyClicks(caja, trozos[0]);
            if (trozos.size() > 1) {
                QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_BracketRight, QString(QChar(29)), Qt::ControlModifier);
                QTest::keyClicks(caja, trozos[1]);
            }
            QTest::keyClick(caja, fin);
            vistas = caja->text() + u'|' + control<kxMaskEdBox>(d, u"txtCaducidad"_s)->Valor();
            // Enter then moves to Aceptar as it always does.
            if (fin == Qt::Key_Return && clase != u"compras")
                QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
            clic(d, clase == u"compras" && !vistas.endsWith(u'|') ? u"cmdAceptar"_s : u"cmdCancelar"_s);
        }));
        QCOMPARE(vistas, c[2]);
        if (s.entrada.campo("Result").toBool())
            QCOMPARE(s.entrada.salidas().section(u'|', 0, 2), u"Verdadero|LOTE-ESCANEADO|2030-12-31"_s);
    }
};

QTEST_MAIN(TstAyudas)
#include "tst_ayudas.moc"

// A warehouse label scanned into the purchase lot dialog: the scanner types the
// GS1 string, longer than the box takes, and ends it with Enter.
#include "foundation/controls/kxMaskEdBox.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesCompras.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

class TstLecturaGs1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void etiquetas_data()
    {
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<int>("fin");       // the key that ends it
        QTest::addColumn<QString>("antes"); // the lot the box opens with
        QTest::addColumn<bool>("pedirCaducidad");
        QTest::addColumn<QString>("apagado"); // a parameter set False
        QTest::addColumn<QStringList>("cajas");

        const QString etiqueta = u"]C10109501101530003"_s + u"17301200"_s + u"10LOTE-ESCANEADO"_s;
        const QStringList leida{u"LOTE-ESCANEADO"_s, u"31/12/2030"_s};
        const QString manual = u"(17)301231(10)LOTE-ESCANEADO"_s;
        const QString largo = u"(17)301231(10)LOTE-DE-16-CIFRA"_s;
        const int intro = Qt::Key_Return;
        QTest::newRow("con Intro") << etiqueta << intro << QString() << true << QString() << leida;
        QTest::newRow("con tabulador") << etiqueta << int(Qt::Key_Tab) << QString() << true << QString() << leida;
        QTest::newRow("tras el lote que traía") << etiqueta << intro << u"L-ORIG"_s << true << QString() << leida;
        QTest::newRow("separador tras el lote")
            << u"]C110LOTE-ESCANEADO"_s + QChar(29) + u"17301231"_s << intro << QString() << true << QString() << leida;
        QTest::newRow("a mano, entre paréntesis") << manual << intro << QString() << true << QString() << leida;
        QTest::newRow("código corriente")
            << u"10ABC"_s << intro << QString() << true << QString() << QStringList{u"10ABC"_s, QString()};
        QTest::newRow("lote más largo que la caja")
            << largo << intro << QString() << true << QString() << QStringList{largo.left(15), QString()};
        QTest::newRow("caducidad inhabilitada")
            << manual << intro << QString() << false << QString() << QStringList{u"LOTE-ESCANEADO"_s, QString()};
        QTest::newRow("lectura apagada") << manual << intro << QString() << true << u"Lotes_LecturaGS1"_s
                                         << QStringList{manual.left(15), QString()};
    }
    void etiquetas()
    {
        QFETCH(QString, tecleado);
        QFETCH(int, fin);
        QFETCH(QString, antes);
        QFETCH(bool, pedirCaducidad);
        QFETCH(QString, apagado);
        QFETCH(QStringList, cajas);
        auto empresa = std::make_shared<EmpresaMemoria>();
        empresa->setParametro(u"Lotes_ModeloUsar"_s, u"3"_s);
        empresa->setParametro(u"Lotes_NroObligatorio"_s, false);
        if (!apagado.isEmpty())
            empresa->setParametro(apagado, false);
        frmclsLotesCompras clase;
        clase.EmpresaNuvalia(empresa);
        clase.Lote = antes;
        clase.PedirCaducidad = pedirCaducidad;
        clase.Unidades = 5;
        QStringList vistas;
        QVERIFY(ConDialogo([&] { clase.Show(1); },
                           [&](QDialog *d) {
                               auto *caja = control<kxTextBox>(d, u"txtLote"_s);
                               // The separator as keyboard scanners send it: Ctrl+].
                               const QStringList trozos = tecleado.split(QChar(29));
                               for (qsizetype i = 0; i < trozos.size(); ++i) {
                                   if (i > 0)
                                       QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_BracketRight, QString(QChar(29)),
                                                           Qt::ControlModifier);
                                   QTest::keyClicks(caja, trozos[i]);
                               }
                               QTest::keyClick(caja, Qt::Key(fin));
                               vistas = {caja->text(), control<kxMaskEdBox>(d, u"txtCaducidad"_s)->Valor()};
                               const bool falta = pedirCaducidad && vistas[1].isEmpty();
                               clic(d, falta ? u"cmdCancelar"_s : u"cmdAceptar"_s);
                           }));
        QCOMPARE(vistas, cajas);
        // What the boxes show is what the host gets.
        if (clase.Result)
            QCOMPARE(clase.Caducidad, pedirCaducidad ? QDate(2030, 12, 31) : QDate(1900, 1, 1));
        QCOMPARE(clase.Lote, clase.Result ? cajas[0] : antes);
    }
};

QTEST_MAIN(TstLecturaGs1)
#include "tst_lectura_gs1.moc"

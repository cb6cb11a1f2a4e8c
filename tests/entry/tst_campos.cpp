// Fields declared once: the copy between an entry class and its dialog goes
// by the names the class declares.
#include "foundation/entry/CopiaCampos.h"

#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

// A dialog's side of the copy: its fields as properties.
class DialogoPrueba final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(bool PedirCaducidad MEMBER PedirCaducidad)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)

public:
    QString Lote;
    QDate Caducidad;
    bool PedirCaducidad = false;
    Currency Unidades;
};

} // namespace

class tst_Campos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copiaDeIdaYVuelta();
    void nombreQueNoExiste_data();
    void nombreQueNoExiste();
};

// In under the same or another name; back by name or as a fixed value.
void tst_Campos::copiaDeIdaYVuelta()
{
    frmclsLotesFacturacion clase;
    clase.ControlCaducidad = true;
    clase.Unidades = Currency::fromDouble(2.5);
    DialogoPrueba dialogo;
    CopiaCampos::aDialogo(frmclsLotesFacturacion::staticMetaObject, &clase, dialogo,
                          {{"PedirCaducidad", "ControlCaducidad"}, "Unidades"});
    QVERIFY(dialogo.PedirCaducidad);
    QCOMPARE(dialogo.Unidades, Currency::fromDouble(2.5));

    dialogo.Lote = u"L-7"_s;
    dialogo.Caducidad = QDate(2030, 1, 31);
    CopiaCampos::aClase(dialogo, frmclsLotesFacturacion::staticMetaObject, &clase,
                        {"Lote", "Caducidad", Campo::fijo("Cod_Lote", 1)});
    QCOMPARE(clase.Lote, u"L-7"_s);
    QCOMPARE(clase.Caducidad, QDate(2030, 1, 31));
    QCOMPARE(clase.Cod_Lote, 1);
    // Fields not named stay as they were.
    QVERIFY(clase.Tono.isEmpty());
    QVERIFY(!clase.Result);
}

void tst_Campos::nombreQueNoExiste_data()
{
    QTest::addColumn<bool>("haciaDialogo");
    QTest::addColumn<QByteArray>("enDialogo");
    QTest::addColumn<QByteArray>("enClase");
    QTest::newRow("ida, falta en la clase") << true << QByteArray("Lote") << QByteArray("Lotes");
    QTest::newRow("ida, falta en el diálogo") << true << QByteArray("Cod_Lote") << QByteArray("Cod_Lote");
    QTest::newRow("vuelta, falta en el diálogo") << false << QByteArray("Loteo") << QByteArray("Lote");
    QTest::newRow("vuelta, falta en la clase") << false << QByteArray("Lote") << QByteArray("Cod_Loto");
}

// A misspelt name fails loudly, and the dialog gains no field of that name.
void tst_Campos::nombreQueNoExiste()
{
    QFETCH(bool, haciaDialogo);
    QFETCH(QByteArray, enDialogo);
    QFETCH(QByteArray, enClase);
    frmclsLotesFacturacion clase;
    DialogoPrueba dialogo;
    const Campos campos{{enDialogo.constData(), enClase.constData()}};
    if (haciaDialogo) {
        QVERIFY_THROWS_EXCEPTION(
            ErrorLotes, CopiaCampos::aDialogo(frmclsLotesFacturacion::staticMetaObject, &clase, dialogo, campos));
        QVERIFY(dialogo.dynamicPropertyNames().isEmpty());
    } else {
        QVERIFY_THROWS_EXCEPTION(
            ErrorLotes, CopiaCampos::aClase(dialogo, frmclsLotesFacturacion::staticMetaObject, &clase, campos));
    }
}

QTEST_MAIN(tst_Campos)
#include "tst_campos.moc"

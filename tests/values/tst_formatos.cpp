#include "foundation/host/Formatos.h"

#include <nvlalotes/Conversiones.h>
#include <nvlalotes/Currency.h>

#include <QTest>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

class tst_Formatos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatearFecha_data();
    void formatearFecha();
    void formatearNumero_data();
    void formatearNumero();
};

void tst_Formatos::formatearFecha_data()
{
    QTest::addColumn<QString>("guardada");
    QTest::addColumn<QString>("mostrada");
    QTest::addColumn<QDate>("fecha"); // invalid: the text is shown as it is

    QTest::newRow("iso con T y fraccion") << u"2024-05-12T10:11:12.345"_s << u"12/05/2024"_s << QDate(2024, 5, 12);
    QTest::newRow("bisiesto con hora") << u"2024-02-29 00:00:00.000"_s << u"29/02/2024"_s << QDate(2024, 2, 29);

    QTest::newRow("dia imposible") << u"2024-02-30"_s << u"2024-02-30"_s << QDate();
    QTest::newRow("hora imposible") << u"2024-05-12 25:00:00"_s << u"2024-05-12 25:00:00"_s << QDate();
    QTest::newRow("resto ajeno") << u"2024-05-12x"_s << u"2024-05-12x"_s << QDate();
    QTest::newRow("fraccion vacia") << u"2024-05-12 13:45:00."_s << u"2024-05-12 13:45:00."_s << QDate();
    QTest::newRow("texto sin fecha") << u"hola"_s << u"hola"_s << QDate();
}

void tst_Formatos::formatearFecha()
{
    QFETCH(QString, guardada);
    QFETCH(QString, mostrada);
    QFETCH(QDate, fecha);
    const Formatos &formatos = Formatos::instancia();
    QCOMPARE(formatos.FormatearFecha(guardada), mostrada);
    // What shows can be typed back: the same day, shown the same way.
    QCOMPARE(FechaDeTexto(mostrada), fecha.isValid() ? fecha : QDate(1900, 1, 1)); // not a date reads as null
    QCOMPARE(formatos.FormatearFecha(mostrada), mostrada);
}

void tst_Formatos::formatearNumero_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QString>("texto");

    QTest::newRow("texto de base de datos") << QVariant(u"4.9960"_s) << u"5,00"_s;
    QTest::newRow("mitad negativa se aleja") << QVariant(u"-0.005"_s) << u"-0,01"_s;
    QTest::newRow("binario bajo la mitad") << QVariant(1234.565) << u"1.234,57"_s;
    QTest::newRow("sin cero negativo") << QVariant(-0.0049) << u"0,00"_s;
    QTest::newRow("currency") << QVariant::fromValue(Currency::fromRaw(123456789)) << u"12.345,68"_s;
    QTest::newRow("nulo") << QVariant() << u"0,00"_s;
    QTest::newRow("texto ilegible") << QVariant(u"abc"_s) << u"abc"_s;
    QTest::newRow("demasiado grande") << QVariant(1e20)
                                      << QLocale(QLocale::Spanish, QLocale::Spain).toString(1e20, 'f', 2);
}

void tst_Formatos::formatearNumero()
{
    QFETCH(QVariant, valor);
    QFETCH(QString, texto);
    const Formatos &formatos = Formatos::instancia();
    QCOMPARE(formatos.FormatearNumero(valor, 2), texto);
    // What shows reads back as the value to within half a hundredth (50 raw units).
    if (const auto importe = Currency::fromVariant(valor)) {
        const auto leido = Currency::parse(texto, formatos.locale());
        QVERIFY2(leido && std::abs(leido->raw() - importe->raw()) <= 50, qPrintable(texto));
    }
}

QTEST_GUILESS_MAIN(tst_Formatos)
#include "tst_formatos.moc"

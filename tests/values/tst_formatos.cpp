#include "foundation/core/host/Formatos.h"
#include "foundation/core/rules/ReglasStockLotes.h"

#include <nvlalotes/Conversiones.h>
#include <nvlalotes/Currency.h>

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

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
    void numerosDeLaBaseComoCurrency();
    void stockMostradoComoElLocale();
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

// A list formats stored doubles without writing each one out; whatever the
// double, the text must be the one its Currency value gives.
void tst_Formatos::numerosDeLaBaseComoCurrency()
{
    const Formatos &formatos = Formatos::instancia();
    QList<double> valores{0.0,  -0.0,  0.00001,          0.00005,        -0.00005,  4.99605, 1234.565,
                          1e11, -1e11, 99999999999.9999, 123456789012.5, 0.1 + 0.2, 2.675};
    valores << std::nextafter(1.0, 2.0) << std::nextafter(1e10, 0.0) << std::numeric_limits<double>::quiet_NaN()
            << std::numeric_limits<double>::infinity();
    QRandomGenerator azar(20241206);
    for (int i = 0; i < 2000; ++i) {
        const double decimal = double(qint64(azar.bounded(2000000000)) - 1000000000) * 37 / 10000.0;
        valores << decimal << std::nextafter(decimal, 1e300) << decimal + 0.00005 << decimal / 3;
    }
    for (const double valor : std::as_const(valores)) {
        for (const qint16 decimales : {0, 2, 4}) {
            const QString esperado = std::isfinite(valor)
                                         ? Currency::fromDouble(valor).toString(decimales, formatos.locale())
                                         : QVariant(valor).toString();
            QCOMPARE(formatos.FormatearNumero(valor, decimales), esperado);
        }
    }
}

// The stock read back from a row is what the locale reads, for the usual
// displayed form and for texts that only look like it.
void tst_Formatos::stockMostradoComoElLocale()
{
    const QLocale &locale = Formatos::instancia().locale();
    // Texts that only look like it: misplaced or missing groups, stray signs and blanks, too many digits.
    QStringList textos = u"0,00|5,00|999,99|1.000,00|12.345.678,90|1234,56|1.23,45|1234.567,00|1.2345,00|12.34.567,00|"
                         u".123,00|1..234,00|1.234,5|1.234,567|-1,00|,50|001,00| 5,00|5,0a|1.234.|abc||"
                         u"9.999.999.999.999,99|99.999.999.999.999.999,99"_s.split(u'|');
    QRandomGenerator azar(7);
    for (int i = 0; i < 500; ++i)
        textos << Currency::fromRaw(qint64(azar.bounded(1000000000)) * 1000).toString(2, locale);
    for (const QString &texto : std::as_const(textos))
        QCOMPARE(ReglasStockLotes::StockMostrado(texto).raw(),
                 Currency::parse(texto, locale).value_or(Currency()).raw());
    // A stock kept as a value reads as its text would, halves and signs included
    // (4,9950 shows 5,00 and 4,9949 shows 4,99).
    QList<qint64> brutos{0, 49950, 49949, -49950, -49949, 50, 49, -50, std::numeric_limits<qint64>::max() - 10};
    for (int i = 0; i < 500; ++i)
        brutos << azar.bounded(-1000000000, 1000000000);
    for (const qint64 bruto : std::as_const(brutos)) {
        const Currency stock = Currency::fromRaw(bruto);
        QCOMPARE(ReglasStockLotes::StockMostrado(stock).raw(),
                 ReglasStockLotes::StockMostrado(stock.toString(2, locale)).raw());
    }
}

QTEST_GUILESS_MAIN(tst_Formatos)
#include "tst_formatos.moc"

#include <nvlalotes/Currency.h>

#include <QTest>
#include <QVariant>

#include <cmath>
#include <limits>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 Maximo = std::numeric_limits<qint64>::max();
constexpr qint64 Minimo = std::numeric_limits<qint64>::min();

QLocale espanol()
{
    return QLocale(QLocale::Spanish, QLocale::Spain);
}

} // namespace

class tst_Currency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromDouble_data();
    void fromDouble();
    void parse_data();
    void parse();
    void fromVariant_data();
    void fromVariant();
    void toString_data();
    void toString();
    void textoVuelveAlMismoValor();
};

void tst_Currency::fromDouble_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<qint64>("bruto");

    QTest::newRow("cuatro decimales") << 4.996 << qint64(49960);
    QTest::newRow("mitad hacia arriba") << 4.99605 << qint64(49961);
    QTest::newRow("mitad negativa se aleja") << -4.99605 << qint64(-49961);
    QTest::newRow("menos de media diezmilesima") << 0.000049 << qint64(0);
    QTest::newRow("media diezmilesima") << 0.00005 << qint64(1);
    QTest::newRow("menos media diezmilesima") << -0.00005 << qint64(-1);
    QTest::newRow("binario bajo la mitad") << 2.67495 << qint64(26750);
    QTest::newRow("grande") << 123456789012.3456 << qint64(1234567890123456);
    QTest::newRow("fuera de rango satura") << 1e300 << Maximo;
    QTest::newRow("NaN es cero") << std::nan("") << qint64(0);
}

void tst_Currency::fromDouble()
{
    QFETCH(double, valor);
    QFETCH(qint64, bruto);
    QCOMPARE(Currency::fromDouble(valor).raw(), bruto);
}

void tst_Currency::parse_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("legible");
    QTest::addColumn<qint64>("bruto");

    const QLocale es = espanol();
    const QLocale c = QLocale::c();
    QTest::newRow("agrupado") << u"1.234,5"_s << es << true << qint64(12345000);
    QTest::newRow("varios grupos") << u"12.345.678,9"_s << es << true << qint64(123456789000);
    QTest::newRow("blancos y signo") << u"  -3 "_s << es << true << qint64(-30000);
    QTest::newRow("decimales") << u"4,996"_s << es << true << qint64(49960);
    QTest::newRow("quinto decimal redondea") << u"1,23455"_s << es << true << qint64(12346);
    QTest::newRow("quinto decimal trunca") << u"1,234549"_s << es << true << qint64(12345);
    QTest::newRow("negativo redondea alejandose") << u"-0,00005"_s << es << true << qint64(-1);
    QTest::newRow("coma final") << u"5,"_s << es << true << qint64(50000);
    QTest::newRow("maximo") << u"922.337.203.685.477,5807"_s << es << true << Maximo;
    QTest::newRow("minimo simetrico") << u"-922337203685477,5807"_s << es << true << -Maximo;
    QTest::newRow("locale C") << u"1,234.5"_s << c << true << qint64(12345000);

    QTest::newRow("desbordamiento") << u"922337203685477,5808"_s << es << false << qint64(0);
    QTest::newRow("grupo corto") << u"1.23,5"_s << es << false << qint64(0);
    QTest::newRow("punto no es decimal") << u"1.5"_s << es << false << qint64(0);
    QTest::newRow("grupo largo") << u"1.2345"_s << es << false << qint64(0);
    QTest::newRow("grupo inicial") << u".234"_s << es << false << qint64(0);
    QTest::newRow("blanco dentro") << u"1 234"_s << es << false << qint64(0);
    QTest::newRow("exponente") << u"1e5"_s << es << false << qint64(0);
    QTest::newRow("solo signo") << u"-"_s << es << false << qint64(0);
    QTest::newRow("vacio") << QString() << es << false << qint64(0);
    QTest::newRow("letras detras") << u"12abc"_s << es << false << qint64(0);
}

void tst_Currency::parse()
{
    QFETCH(QString, texto);
    QFETCH(QLocale, locale);
    QFETCH(bool, legible);
    QFETCH(qint64, bruto);

    const auto leido = Currency::parse(texto, locale);
    QCOMPARE(leido.has_value(), legible);
    if (legible)
        QCOMPARE(leido->raw(), bruto);
}

void tst_Currency::fromVariant_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<bool>("legible");
    QTest::addColumn<qint64>("bruto");

    QTest::newRow("int") << QVariant(12) << true << qint64(120000);
    QTest::newRow("longlong") << QVariant(qlonglong(-3)) << true << qint64(-30000);
    QTest::newRow("double") << QVariant(4.996) << true << qint64(49960);
    QTest::newRow("texto decimal") << QVariant(u"4.9960"_s) << true << qint64(49960);
    QTest::newRow("texto negativo") << QVariant(u"-3"_s) << true << qint64(-30000);
    QTest::newRow("texto con exponente") << QVariant(u"1.5E+3"_s) << true << qint64(15000000);
    QTest::newRow("currency") << QVariant::fromValue(Currency::fromRaw(12345)) << true << qint64(12345);
    QTest::newRow("invalido es cero") << QVariant() << true << qint64(0);
    QTest::newRow("nulo es cero") << QVariant(QMetaType::fromType<double>()) << true << qint64(0);

    QTest::newRow("texto ilegible") << QVariant(u"abc"_s) << false << qint64(0);
    QTest::newRow("texto vacio") << QVariant(QString()) << false << qint64(0);
    QTest::newRow("coma no es decimal") << QVariant(u"4,996"_s) << false << qint64(0);
    QTest::newRow("double fuera de rango") << QVariant(1e20) << false << qint64(0);
    QTest::newRow("entero fuera de rango") << QVariant(qlonglong(1) << 60) << false << qint64(0);
    QTest::newRow("fecha") << QVariant(QDate(2024, 1, 1)) << false << qint64(0);
}

void tst_Currency::fromVariant()
{
    QFETCH(QVariant, valor);
    QFETCH(bool, legible);
    QFETCH(qint64, bruto);

    const auto leido = Currency::fromVariant(valor);
    QCOMPARE(leido.has_value(), legible);
    if (legible)
        QCOMPARE(leido->raw(), bruto);
}

void tst_Currency::toString_data()
{
    QTest::addColumn<qint64>("bruto");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("texto");

    const QLocale es = espanol();
    QTest::newRow("agrupado") << qint64(12345000) << 2 << es << u"1.234,50"_s;
    QTest::newRow("negativo agrupado") << qint64(-12345000) << 2 << es << u"-1.234,50"_s;
    QTest::newRow("redondea arriba") << qint64(49960) << 2 << es << u"5,00"_s;
    QTest::newRow("mitad se aleja") << qint64(49950) << 2 << es << u"5,00"_s;
    QTest::newRow("mitad negativa se aleja") << qint64(-49950) << 2 << es << u"-5,00"_s;
    QTest::newRow("bajo la mitad") << qint64(49949) << 2 << es << u"4,99"_s;
    QTest::newRow("sin cero negativo") << qint64(-49) << 2 << es << u"0,00"_s;
    QTest::newRow("acarreo a millar") << qint64(9999999) << 2 << es << u"1.000,00"_s;
    QTest::newRow("sin decimales negativo") << qint64(-15000) << 0 << es << u"-2"_s;
    QTest::newRow("cuatro decimales") << qint64(1234567890123) << 4 << es << u"123.456.789,0123"_s;
    QTest::newRow("decimales de mas") << qint64(12345) << 7 << es << u"1,2345"_s;
    QTest::newRow("maximo") << Maximo << 4 << es << u"922.337.203.685.477,5807"_s;
    QTest::newRow("minimo") << Minimo << 4 << es << u"-922.337.203.685.477,5808"_s;
    QTest::newRow("maximo redondeado") << Maximo << 0 << es << u"922.337.203.685.478"_s;
    QTest::newRow("ingles") << qint64(12345000) << 2 << QLocale(QLocale::English, QLocale::UnitedStates)
                            << u"1,234.50"_s;
    QTest::newRow("locale sin grupos") << qint64(12345000) << 2 << QLocale::c() << u"1234.50"_s;
}

void tst_Currency::toString()
{
    QFETCH(qint64, bruto);
    QFETCH(int, decimales);
    QFETCH(QLocale, locale);
    QFETCH(QString, texto);
    QCOMPARE(Currency::fromRaw(bruto).toString(decimales, locale), texto);
}

void tst_Currency::textoVuelveAlMismoValor()
{
    const QLocale es = espanol();
    const QLocale c = QLocale::c();
    for (qint64 bruto : {qint64(0), qint64(1), qint64(-1), qint64(9999), qint64(10000), qint64(-123456789),
                         qint64(1000000000), Maximo, -Maximo}) {
        for (const QLocale &locale : {es, c}) {
            const QString texto = Currency::fromRaw(bruto).toString(4, locale);
            const auto leido = Currency::parse(texto, locale);
            QVERIFY2(leido.has_value(), qPrintable(texto));
            QCOMPARE(leido->raw(), bruto);
        }
    }
}

QTEST_GUILESS_MAIN(tst_Currency)
#include "tst_currency.moc"

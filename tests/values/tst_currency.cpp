#include <nvlalotes/Currency.h>
#include <nvlalotes/ErrorLotes.h>

#include <QTest>
#include <QVariant>

#include <cmath>
#include <functional>
#include <limits>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 Maximo = std::numeric_limits<qint64>::max();
constexpr qint64 Minimo = std::numeric_limits<qint64>::min();
const QVariant Ilegible; // no raw value expected: the input is refused

QVariant enBruto(qint64 bruto)
{
    return QVariant::fromValue(bruto);
}

QVariant brutoDe(const std::optional<Currency> &leido)
{
    return leido ? enBruto(leido->raw()) : Ilegible;
}

} // namespace

class tst_Currency : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromDoubleSatura();
    void parse_data();
    void parse();
    void fromVariant_data();
    void fromVariant();
    void toString_data();
    void toString();
};

void tst_Currency::fromDoubleSatura()
{
    // The library's own doubles get the nearest value; a value read from outside is refused instead.
    QCOMPARE(Currency::fromDouble(1e300).raw(), Maximo);
    QCOMPARE(Currency::fromDouble(std::nan("")).raw(), 0);
    // Sums and differences never wrap round to the other sign: they raise the overflow error.
    const Currency uno = Currency::fromRaw(1);
    QCOMPARE((Currency::fromRaw(Maximo) - uno + uno).raw(), Maximo);
    for (const auto &desborda : {std::function([&] { return Currency::fromRaw(Maximo) + uno; }),
                                 std::function([&] { return Currency::fromRaw(Minimo) - uno; }),
                                 std::function([] { return -Currency::fromRaw(Minimo); })}) {
        try {
            QFAIL(qPrintable(u"no overflow but %1"_s.arg(desborda().raw())));
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Number(), 6);
        }
    }
}

void tst_Currency::parse_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QVariant>("bruto");

    QTest::newRow("varios grupos") << u"12.345.678,9"_s << enBruto(123456789000);
    QTest::newRow("blancos y signo") << u"  -3 "_s << enBruto(-30000);
    QTest::newRow("quinto decimal redondea") << u"1,23455"_s << enBruto(12346);
    QTest::newRow("redondea una sola vez") << u"1,234549"_s << enBruto(12345);
    QTest::newRow("negativo se aleja") << u"-0,00005"_s << enBruto(-1);
    QTest::newRow("maximo") << u"922.337.203.685.477,5807"_s << enBruto(Maximo);

    QTest::newRow("desbordamiento") << u"922337203685477,5808"_s << Ilegible;
    QTest::newRow("grupo largo") << u"1.2345"_s << Ilegible;
    QTest::newRow("punto no es decimal") << u"1.5"_s << Ilegible;
    QTest::newRow("exponente") << u"1e5"_s << Ilegible;
    QTest::newRow("vacio") << QString() << Ilegible;
}

void tst_Currency::parse()
{
    QFETCH(QString, texto);
    QFETCH(QVariant, bruto);
    QCOMPARE(brutoDe(Currency::parse(texto, QLocale(QLocale::Spanish, QLocale::Spain))), bruto);
}

void tst_Currency::fromVariant_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QVariant>("bruto");

    QTest::newRow("int") << QVariant(12) << enBruto(120000);
    QTest::newRow("double") << QVariant(4.996) << enBruto(49960);
    QTest::newRow("mitad negativa se aleja") << QVariant(-4.99605) << enBruto(-49961);
    QTest::newRow("binario bajo la mitad") << QVariant(2.67495) << enBruto(26750);
    QTest::newRow("texto de base de datos") << QVariant(u"4.9960"_s) << enBruto(49960);
    QTest::newRow("el mínimo del tipo") << QVariant(u"-922337203685477.5808"_s) << enBruto(Minimo);
    QTest::newRow("el máximo del tipo") << QVariant(u"922337203685477.5807"_s) << enBruto(Maximo);
    QTest::newRow("uno más que el máximo") << QVariant(u"922337203685477.5808"_s) << Ilegible;
    QTest::newRow("texto con exponente") << QVariant(u"1.5E+3"_s) << enBruto(15000000);
    QTest::newRow("currency") << QVariant::fromValue(Currency::fromRaw(12345)) << enBruto(12345);
    QTest::newRow("nulo es cero") << QVariant(QMetaType::fromType<double>()) << enBruto(0);

    QTest::newRow("texto vacio") << QVariant(QString()) << Ilegible;
    QTest::newRow("coma no es decimal") << QVariant(u"4,996"_s) << Ilegible;
    QTest::newRow("double fuera de rango") << QVariant(1e20) << Ilegible;
    QTest::newRow("entero fuera de rango") << QVariant(qlonglong(1) << 60) << Ilegible;
    QTest::newRow("fecha") << QVariant(QDate(2024, 1, 1)) << Ilegible;
}

void tst_Currency::fromVariant()
{
    QFETCH(QVariant, valor);
    QFETCH(QVariant, bruto);
    QCOMPARE(brutoDe(Currency::fromVariant(valor)), bruto);
}

void tst_Currency::toString_data()
{
    QTest::addColumn<qint64>("bruto");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("texto");

    const QLocale es(QLocale::Spanish, QLocale::Spain);
    QTest::newRow("negativo agrupado") << qint64(-12345000) << 2 << es << u"-1.234,50"_s;
    QTest::newRow("mitad se aleja") << qint64(49950) << 2 << es << u"5,00"_s;
    QTest::newRow("mitad negativa se aleja") << qint64(-49950) << 2 << es << u"-5,00"_s;
    QTest::newRow("sin cero negativo") << qint64(-49) << 2 << es << u"0,00"_s;
    QTest::newRow("acarreo a millar") << qint64(9999999) << 2 << es << u"1.000,00"_s;
    QTest::newRow("decimales de mas") << qint64(12345) << 7 << es << u"1,2345"_s;
    QTest::newRow("minimo") << Minimo << 4 << es << u"-922.337.203.685.477,5808"_s;
    QTest::newRow("maximo redondeado") << Maximo << 0 << es << u"922.337.203.685.478"_s;
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

QTEST_GUILESS_MAIN(tst_Currency)
#include "tst_currency.moc"

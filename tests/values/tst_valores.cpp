// Values as the host passes, stores and shows them: numbers, booleans and dates
// read from text, fixed-point units, display formats, SQL literals and GS1 labels.
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/rules/ReglasStockLotes.h"
#include "foundation/core/values/Gs1.h"

#include <nvlalotes/Conversiones.h>
#include <nvlalotes/Currency.h>
#include <nvlalotes/ErrorLotes.h>

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

namespace {

constexpr qint64 Maximo = std::numeric_limits<qint64>::max();
constexpr qint64 Minimo = std::numeric_limits<qint64>::min();
const QLocale Es(QLocale::Spanish, QLocale::Spain);
const QDate Hoy(2026, 6, 15);
const QString GS = QString(QChar(29));
const QString Gtin = u"0109501101530003"_s; // AI 01 with a right check digit

// What an action answered; "-" for an error whose "error N in SOURCE: DESCRIPTION"
// starts with `rechazo`, and that text for any other error.
template<class Accion> QString resultado(Accion &&accion, const QString &rechazo)
{
    try {
        return accion();
    } catch (const ErrorLotes &error) {
        const QString texto = u"error %1 in %2: %3"_s.arg(error.Number()).arg(error.Source(), error.Description());
        return texto.startsWith(rechazo) ? u"-"_s : texto;
    }
}

// Raw units as text; "-" for a value that is refused.
QString bruto(const std::optional<Currency> &valor)
{
    return valor ? QString::number(valor->raw()) : u"-"_s;
}

// What `leer` makes of each value, space-separated, to compare with a table's expected column.
template<class Lista, class Leer> QString cadaUno(const Lista &valores, Leer leer)
{
    QStringList textos;
    for (const auto &valor : valores)
        textos << leer(valor);
    return textos.join(u' ');
}

// The lot and expiry read from a label ("-" for a part it lacks), or "no label".
QString leida(const QString &texto, QDate hoy = Hoy)
{
    const std::optional<LecturaGs1> lectura = leerGs1(texto, hoy);
    return lectura ? lectura->lote.value_or(u"-"_s) + u' ' + lectura->caducidad.value_or(QDate()).toString(Qt::ISODate)
                   : u"no label"_s;
}

} // namespace

class TstValores : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Numbers the host reads from a text stop at the first character that is
    // not one; booleans take numbers and the words of either language, and
    // refuse anything else with the type-mismatch error.
    // Typed dates from 1753 to 9999, four-digit years, nothing around them;
    // what is not a date reads as the null date, 1 January 1900, which still
    // shows. A stored date shows as the clerk types it; a text that is no
    // stored date shows as it is.
    void textosDelHost()
    {
        for (const auto &[texto, valor] : QList<std::pair<QString, double>>{
                 {u" 4"_s, 4.0}, {QString(), 0.0}, {u"  -2.5xyz"_s, -2.5}, {u"1,5"_s, 1.0}, {u"1e5"_s, 1.0}})
            QCOMPARE(valorNumerico(texto), valor);
        const auto booleano = [](const QVariant &valor) {
            return resultado([&] { return QVariant(valorBooleano(valor, u"frmPrueba:Cargar"_s)).toString(); },
                             u"error 13 in frmPrueba:Cargar: No coinciden los tipos: "_s);
        };
        QCOMPARE(cadaUno(QVariantList({-1, 0.0, u"True"_s, u"VERDADERO"_s, u"falso"_s, u" 3 "_s, u"3abc"_s, QString(),
                                       u"yes"_s, u"1,5"_s, QVariant(), QDate(2024, 1, 1)}),
                         booleano),
                 u"true false true true false true - - - - - -"_s);
        for (const QString &texto : {u"29/02/2024"_s, u"01/01/1753"_s, u"31/12/9999"_s}) {
            QVERIFY(esFecha(texto));
            QCOMPARE(textoDeFecha(fechaDeTexto(texto)), texto);
        }
        for (const QString &texto : {u"29/02/2023"_s, u"29/02/1900"_s, u"31/12/1752"_s, u"12/05/20"_s, u"12/05/2020 "_s,
                                     u"１２/05/2020"_s, QString()}) {
            QVERIFY2(!esFecha(texto), qPrintable(texto));
            QCOMPARE(textoDeFecha(fechaDeTexto(texto)), u"01/01/1900"_s);
        }
        QCOMPARE(textoDeFecha(QDateTime(QDate(2024, 5, 2), QTime(23, 59))), u"02/05/2024"_s);
        QCOMPARE(textoDeFecha(QDate(1, 1, 1)) + textoDeFecha(QVariant()), QString());
        const Formatos &formatos = Formatos::instancia();
        QCOMPARE(formatos.FormatearFecha(u"2024-05-12T10:11:12.345"_s) +
                     formatos.FormatearFecha(u"2024-02-29 00:00:00.000"_s),
                 u"12/05/202429/02/2024"_s);
        for (const QString &texto :
             {u"29/02/2024"_s, u"2024-02-30"_s, u"2024-05-12 25:00:00"_s, u"2024-05-12x"_s, u"2024-05-12 13:45:00."_s})
            QCOMPARE(formatos.FormatearFecha(texto), texto);
    }

    // A value in a statement's text: a text stays one literal whatever it
    // holds; an integer that arrives as text goes in as it came, or is refused.
    void valorSql()
    {
        QCOMPARE(cadaUno(QStringList{u"frmO'Brien"_s, u"''"_s, u"Núñez €"_s, QString()}, &ValorSql::texto),
                 u"'frmO''Brien' '''''' 'Núñez €' ''"_s);
        const auto entero = [](const QString &texto) {
            return resultado([&] { return ValorSql::entero(texto, u"UsuarioActual"_s, u"modComun::Grupos"_s); },
                             u"error 13 in modComun::Grupos: El valor de UsuarioActual "_s);
        };
        QCOMPARE(cadaUno(QStringList({u"12"_s, u"-7"_s, u"1 OR 1=1"_s, u"1'"_s, u"2.5"_s, u" 3"_s, u"-"_s,
                                      u"9223372036854775808"_s, u"１２"_s, QString()}),
                         entero),
                 u"12 -7 - - - - - - - -"_s);
    }

    // Units typed by the clerk (Spanish groups and comma, rounded half away
    // from zero at the fourth decimal) and as the engines return them, as raw
    // units; "-" is refused. Units shown: grouped, half away from zero, no
    // negative zero, extra decimals not invented. The library's own doubles get
    // the nearest value; sums and differences never wrap round to the other
    // sign: they raise the overflow error.
    void unidades()
    {
        const QStringList tecleadas({u"12.345.678,9"_s, u"  -3 "_s, u"1,23455"_s, u"1,234549"_s, u"-0,00005"_s,
                                     u"922.337.203.685.477,5807"_s, u"922337203685477,5808"_s, u"1.2345"_s, u"1.5"_s,
                                     u"1e5"_s, QString()});
        QCOMPARE(cadaUno(tecleadas, [](const QString &texto) { return bruto(Currency::parse(texto, Es)); }),
                 u"123456789000 -30000 12346 12345 -1 9223372036854775807 - - - - -"_s);
        const QVariantList guardadas(
            {12, 4.996, -4.99605, 2.67495, u"4.9960"_s, u"-922337203685477.5808"_s, u"922337203685477.5807"_s,
             u"1.5E+3"_s, QVariant::fromValue(Currency::fromRaw(12345)), QVariant(QMetaType::fromType<double>()),
             u"922337203685477.5808"_s, QString(), u"4,996"_s, 1e20, qlonglong(1) << 60, QDate(2024, 1, 1)});
        QCOMPARE(
            cadaUno(guardadas, [](const QVariant &valor) { return bruto(Currency::fromVariant(valor)); }),
            u"120000 49960 -49961 26750 49960 -9223372036854775808 9223372036854775807 15000000 12345 0 - - - - - -"_s);
        const QList<std::pair<qint64, int>> mostradas{{-12345000, 2}, {49950, 2}, {-49950, 2}, {-49, 2},
                                                      {9999999, 2},   {12345, 7}, {Minimo, 4}, {Maximo, 0}};
        QCOMPARE(cadaUno(mostradas,
                         [](const auto &caso) { return Currency::fromRaw(caso.first).toString(caso.second, Es); }),
                 u"-1.234,50 5,00 -5,00 0,00 1.000,00 1,2345 -922.337.203.685.477,5808 922.337.203.685.478"_s);
        QCOMPARE(Currency::fromRaw(12345000).toString(2, QLocale::c()), u"1234.50"_s);
        QCOMPARE(Currency::fromDouble(1e300).raw(), Maximo);
        QCOMPARE(Currency::fromDouble(std::nan("")).raw(), 0);
        const Currency uno = Currency::fromRaw(1);
        QCOMPARE((Currency::fromRaw(Maximo) - uno + uno).raw(), Maximo);
        const QString desborda = u"error 6 "_s;
        QCOMPARE(resultado([&] { return bruto(Currency::fromRaw(Maximo) + uno); }, desborda), u"-"_s);
        QCOMPARE(resultado([&] { return bruto(Currency::fromRaw(Minimo) - uno); }, desborda), u"-"_s);
        QCOMPARE(resultado([&] { return bruto(-Currency::fromRaw(Minimo)); }, desborda), u"-"_s);
    }

    // Numbers shown, of the types the bulk check does not reach. A list
    // formats stored doubles without writing each one out; whatever the double,
    // the text must be the one its Currency value gives. The stock read back
    // from a row is what the locale reads, for the displayed form and for texts
    // that only look like it.
    void formatearNumero()
    {
        const Formatos &formatos = Formatos::instancia();
        const QVariantList tipos(
            {u"4.9960"_s, u"-0.005"_s, QVariant::fromValue(Currency::fromRaw(123456789)), QVariant(), u"abc"_s, 1e20});
        QCOMPARE(cadaUno(tipos, [&](const QVariant &valor) { return formatos.FormatearNumero(valor, 2); }),
                 u"5,00 -0,01 12.345,68 0,00 abc "_s + Es.toString(1e20, 'f', 2));
        QList<double> valores{0.0,     -0.0, 0.00001, 0.00005,          -0.00005,       4.99605,   1234.565,
                              -0.0049, 1e11, -1e11,   99999999999.9999, 123456789012.5, 0.1 + 0.2, 2.675};
        valores << std::nextafter(1.0, 2.0) << std::nextafter(1e10, 0.0) << std::numeric_limits<double>::quiet_NaN()
                << std::numeric_limits<double>::infinity();
        QRandomGenerator azar(20241206);
        for (int i = 0; i < 2000; ++i) {
            const double decimal = double(qint64(azar.bounded(2000000000)) - 1000000000) * 37 / 10000.0;
            valores << decimal << std::nextafter(decimal, 1e300) << decimal + 0.00005 << decimal / 3;
        }
        for (const double valor : std::as_const(valores)) {
            for (const int decimales : {0, 2, 4}) {
                const QString esperado = std::isfinite(valor)
                                             ? Currency::fromDouble(valor).toString(decimales, formatos.locale())
                                             : QVariant(valor).toString();
                QCOMPARE(formatos.FormatearNumero(valor, qint16(decimales)), esperado);
            }
        }
        QStringList textos = u"0,00|5,00|999,99|1.000,00|12.345.678,90|1234,56|1.23,45|1234.567,00|1.2345,00|"
                             u"12.34.567,00|.123,00|1..234,00|1.234,5|1.234,567|-1,00|,50|001,00| 5,00|5,0a|1.234.|"
                             u"abc||9.999.999.999.999,99|99.999.999.999.999.999,99"_s.split(u'|');
        // A stock kept as a value reads as its text would, halves and signs included
        // (4,9950 shows 5,00 and 4,9949 shows 4,99).
        QList<qint64> brutos{0, 49950, 49949, -49950, -49949, 50, 49, -50, Maximo - 10};
        for (int i = 0; i < 500; ++i)
            brutos << azar.bounded(-1000000000, 1000000000) << qint64(azar.bounded(1000000000)) * 1000;
        for (const qint64 bruto : std::as_const(brutos)) {
            textos << Currency::fromRaw(bruto).toString(2, formatos.locale());
            QCOMPARE(ReglasStockLotes::stockMostrado(Currency::fromRaw(bruto)).raw(),
                     ReglasStockLotes::stockMostrado(textos.last()).raw());
        }
        for (const QString &texto : std::as_const(textos))
            QCOMPARE(ReglasStockLotes::stockMostrado(texto).raw(),
                     Currency::parse(texto, formatos.locale()).value_or(Currency()).raw());
    }

    // What a scanner sends, in each form, and the lot and expiry taken from it;
    // a two-digit year lands within 49 years back and 50 ahead of today. Texts
    // that stay ordinary lot codes: typed codes, broken or cut strings,
    // impossible dates, unknown identifiers. Each rule of GS1's table (identifiers, ranges, exact and maximum
    // lengths, digits, character sets 82, 39 and 64, optional parts, check
    // digits, dates with and without day 00, a repeated identifier), as a
    // field read past between an article and an expiry, and as one that makes
    // the text no label.
    void lecturasGs1()
    {
        // Prefix, fixed fields, lot last; separator after the lot, day 00; brackets, 29 February
        QCOMPARE(leida(u"]C1"_s + Gtin + u"17281231"_s + u"10LOTE-7"_s), u"LOTE-7 2028-12-31"_s);
        QCOMPARE(leida(u"]C110ABC123"_s + GS + u"17261000"_s), u"ABC123 2026-10-31"_s);
        QCOMPARE(leida(u"(01)09501101530003(17)280229(10)X1"_s), u"X1 2028-02-29"_s);
        // No prefix, after the article; other identifiers read past
        QCOMPARE(leida(Gtin + u"10ABC"_s), u"ABC "_s);
        QCOMPARE(
            leida(u"]C1"_s + Gtin + u"3103000150"_s + u"15270100"_s + u"21S9"_s + GS + u"240REF"_s + GS + u"10L9"_s),
            u"L9 "_s);
        // A separator first and after a fixed field; day 00 of February; the same value twice
        QCOMPARE(leida(GS + Gtin + GS + u"17290115"_s), u"- 2029-01-15"_s);
        QCOMPARE(leida(u"(17)270200"_s), u"- 2027-02-28"_s);
        QCOMPARE(leida(u"(01)09501101530003(17)261231(10)LOT-B(17)261231"_s), u"LOT-B 2026-12-31"_s);

        // Not labels: a lot field nothing marks, a wrong check digit, a prefix
        // alone, an article cut, a date cut at the end or by a separator, an
        // empty lot at the end, month 13, a field of 6 not predefined without
        // its separator, an identifier too short, a bracket not closed, a blank
        // in the lot, prefix and brackets mixed; identifiers nobody assigned.
        QStringList textos({QString(), u"L-2024"_s, u"10ABC"_s, u"]C10109501101530004"_s + u"17261231"_s + u"10ABC"_s,
                            u"]C1"_s, u"]C1010950110153"_s, u"]C1"_s + Gtin + u"1728123"_s,
                            u"]C11728"_s + GS + u"10A"_s, u"]C1"_s + Gtin + u"10"_s, u"]C117281301"_s,
                            u"]C1"_s + Gtin + u"7006260131"_s + u"10LOT"_s, u"(1)ABC"_s, u"(17)281231(10"_s,
                            u"]C110AB CD"_s, u"]C1(10)A"_s});
        for (const QString &sinAsignar : {u"04"_s, u"3106"_s, u"3199"_s, u"405"_s, u"419"_s, u"7099"_s, u"8299"_s})
            textos << u"(%1)000001"_s.arg(sinAsignar);
        for (const QString &texto : std::as_const(textos))
            QVERIFY2(!leerGs1(texto, Hoy), qPrintable(texto));
        const auto anio = [](QDate hoy, const QString &yymmdd) {
            return leerGs1(u"(17)"_s + yymmdd, hoy)->caducidad->year();
        };
        QCOMPARE((QList<int>{anio(Hoy, u"760101"_s), anio(Hoy, u"770101"_s), anio(QDate(2080, 1, 1), u"310101"_s),
                             anio(QDate(2080, 1, 1), u"300101"_s), anio(QDate(2099, 12, 31), u"010101"_s)}),
                 (QList<int>{2076, 1977, 2031, 2130, 2101}));
        // Each field that is read past, and, in the same order, one its rule refuses.
        const QString sscc = u"(00)950110153000000007"_s, receptor = u"(8018)950110153000000007"_s,
                      pago = u"(415)9501101530003(8020)R1"_s;
        const QStringList valen(
            {u"(235)TPX-2"_s, sscc + u"(4300)ACME(4333)012345-(3105)000150"_s, u"(8017)950110153000000007"_s,
             u"(402)95011015300000003"_s, u"(242)123456"_s, u"(7240)"_s + QString(20, u'P'),
             receptor + u"(7253)%1(7254)%1(7257)%2"_s.arg(QString(40, u'N'), QString(70, u'N')), u"(30)12"_s,
             u"(10)LOT-B"_s, u"(8010)A#-/1"_s, u"(21)S(8030)"_s + u"AZaz09-_"_s.repeated(11) + u"=="_s,
             u"(253)9501101530003"_s + pago + u"(3910)97850"_s, sscc, u"(13)260200"_s, u"(7006)260131"_s,
             receptor + u"(7250)20240229"_s, u"(17)261231"_s, u"(422)724"_s});
        // The last rows: a field without what it needs, pairs GS1 forbids, a
        // hyphen that is not one, an unknown country, padding past a group of three.
        const QStringList noValen({u"(249)X1"_s,
                                   u"(3106)000150"_s,
                                   u"(8017)95011015300000003"_s,
                                   u"(402)9501101530000003"_s,
                                   u"(242)1234567"_s,
                                   u"(7240)"_s + QString(21, u'P'),
                                   receptor + u"(7256)"_s + QString(91, u'N'),
                                   u"(30)1A"_s,
                                   u"(10)LOT@7"_s,
                                   u"(8010)a1"_s,
                                   u"(21)S(8030)AB+/"_s,
                                   pago + u"(3910)978"_s,
                                   u"(253)9501101530004"_s,
                                   u"(13)260230"_s,
                                   u"(7006)260100"_s,
                                   receptor + u"(7250)20230229"_s,
                                   u"(17)261230"_s,
                                   u"(422)999"_s,
                                   u"(4300)ACME"_s,
                                   u"(255)9501101530003"_s,
                                   u"(3102)000150(3105)000150"_s,
                                   sscc + u"(4333)012345+"_s,
                                   u"(21)S(8030)ABCD="_s});
        for (const QString &campo : valen)
            QVERIFY2(leida(u"(01)09501101530003"_s + campo + u"(17)261231"_s).endsWith(u"2026-12-31"_s),
                     qPrintable(campo));
        for (const QString &campo : noValen)
            QVERIFY2(leida(u"(01)09501101530003"_s + campo + u"(17)261231"_s) == u"no label"_s, qPrintable(campo));
    }
};

QTEST_GUILESS_MAIN(TstValores)
#include "tst_valores.moc"

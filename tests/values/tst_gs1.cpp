#include "foundation/values/Gs1.h"

#include <QTest>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

namespace {

const QDate Hoy(2026, 6, 15);
const QString GS = QString(QChar(29));
const QString Gtin = u"0109501101530003"_s; // AI 01 with a right check digit

} // namespace

class TstGs1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What a scanner sends, in each form, and the lot and expiry taken from it;
    // "-" where the label has no lot, an invalid date where it has no expiry.
    void lecturas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("lote");
        QTest::addColumn<QDate>("caducidad");
        QTest::newRow("prefijo, campos fijos, lote al final")
            << u"]C1"_s + Gtin + u"17281231"_s + u"10LOTE-7"_s << u"LOTE-7"_s << QDate(2028, 12, 31);
        QTest::newRow("separador tras el lote, día 00")
            << u"]C110ABC123"_s + GS + u"17261000"_s << u"ABC123"_s << QDate(2026, 10, 31);
        QTest::newRow("paréntesis, 29-F bisiesto")
            << u"(01)09501101530003(17)280229(10)X1"_s << u"X1"_s << QDate(2028, 2, 29);
        QTest::newRow("sin prefijo, tras artículo") << Gtin + u"10ABC"_s << u"ABC"_s << QDate();
        QTest::newRow("otros identificadores")
            << u"]C1"_s + Gtin + u"3103000150"_s + u"15270100"_s + u"21S9"_s + GS + u"240REF"_s + GS + u"10L9"_s
            << u"L9"_s << QDate();
        QTest::newRow("separador al principio y tras fijo")
            << GS + Gtin + GS + u"17290115"_s << u"-"_s << QDate(2029, 1, 15);
        QTest::newRow("lote de 20") << u"]d210"_s + QString(20, u'A') << QString(20, u'A') << QDate();
        QTest::newRow("día 00 de febrero") << u"(17)270200"_s << u"-"_s << QDate(2027, 2, 28);
    }
    void lecturas()
    {
        QFETCH(QString, texto);
        QFETCH(QString, lote);
        QFETCH(QDate, caducidad);
        const std::optional<LecturaGs1> lectura = LeerGs1(texto, Hoy);
        QVERIFY(lectura);
        QCOMPARE(lectura->lote.value_or(u"-"_s), lote);
        QCOMPARE(lectura->caducidad.value_or(QDate()), caducidad);
    }

    // Texts that stay ordinary lot codes: typed codes, broken or cut strings,
    // impossible dates, unknown identifiers.
    void noSonLecturas()
    {
        const QStringList textos{
            QString(),
            u"L-2024"_s,
            u"10ABC"_s,                         // looks like a lot field, but nothing marks it
            u"0109501101530004"_s + u"10ABC"_s, // wrong check digit
            u"]C1"_s,                           // prefix alone
            u"]C1010950110153"_s,               // article cut
            u"]C1"_s + Gtin + u"1728123"_s,     // date cut at the end
            u"]C11728"_s + GS + u"10A"_s,       // date cut by a separator
            u"]C1"_s + Gtin + u"10"_s,          // empty lot at the end
            u"]C117281301"_s,                   // month 13
            u"(17)280230"_s,                    // 30 February
            u"]C1"_s + Gtin + u"18123456"_s,    // unknown identifier
            u"(23)ABC"_s,                       // unknown in brackets
            u"(1)ABC"_s,                        // identifier too short
            u"(17)281231(10"_s,                 // bracket not closed
            u"(01)0950110153000(10)A"_s,        // 13-digit article
            u"]C110"_s + QString(21, u'A'),     // lot of 21
            u"]C110AB CD"_s,                    // blank in the lot
            u"]C110A"_s + GS + u"10B"_s,        // lot twice
            u"]C1(10)A"_s,                      // prefix and brackets mixed
        };
        for (const QString &texto : textos)
            QVERIFY2(!LeerGs1(texto, Hoy), qPrintable(texto));
    }

    // Two-digit years land within 49 years back and 50 ahead of today.
    void siglo()
    {
        const auto anio = [](QDate hoy, const QString &yymmdd) {
            return LeerGs1(u"(17)"_s + yymmdd, hoy)->caducidad->year();
        };
        QCOMPARE(anio(Hoy, u"760101"_s), 2076);
        QCOMPARE(anio(Hoy, u"770101"_s), 1977);
        QCOMPARE(anio(QDate(2080, 1, 1), u"310101"_s), 2031);
        QCOMPARE(anio(QDate(2080, 1, 1), u"300101"_s), 2130);
        QCOMPARE(anio(QDate(2099, 12, 31), u"010101"_s), 2101);
    }
};

QTEST_GUILESS_MAIN(TstGs1)
#include "tst_gs1.moc"

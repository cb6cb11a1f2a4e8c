#include "foundation/core/values/Gs1.h"

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
        QTest::newRow("día 00 de febrero") << u"(17)270200"_s << u"-"_s << QDate(2027, 2, 28);
        QTest::newRow("identificador de tres cifras")
            << u"(01)09501101530003(235)TPX-2(17)261231(10)LOT"_s << u"LOT"_s << QDate(2026, 12, 31);
        QTest::newRow("el mismo valor dos veces")
            << u"(01)09501101530003(17)261231(10)LOT-B(17)261231"_s << u"LOT-B"_s << QDate(2026, 12, 31);
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
            u"10ABC"_s,                                            // looks like a lot field, but nothing marks it
            u"]C10109501101530004"_s + u"17261231"_s + u"10ABC"_s, // wrong check digit
            u"]C1"_s,                                              // prefix alone
            u"]C1010950110153"_s,                                  // article cut
            u"]C1"_s + Gtin + u"1728123"_s,                        // date cut at the end
            u"]C11728"_s + GS + u"10A"_s,                          // date cut by a separator
            u"]C1"_s + Gtin + u"10"_s,                             // empty lot at the end
            u"]C117281301"_s,                                      // month 13
            u"(01)09501101530003(13)260230(17)270131(10)LOT1"_s,   // 30 February
            u"]C1"_s + Gtin + u"249X1"_s + GS + u"10LOT"_s,        // unknown identifier
            u"]C1"_s + Gtin + u"7006260131"_s + u"10LOT"_s,        // a field of 6 not predefined needs a separator
            u"(1)ABC"_s,                                           // identifier too short
            u"(17)281231(10"_s,                                    // bracket not closed
            u"]C110AB CD"_s,                                       // blank in the lot
            u"]C1(10)A"_s,                                         // prefix and brackets mixed
        };
        for (const QString &texto : textos)
            QVERIFY2(!LeerGs1(texto, Hoy), qPrintable(texto));
        for (const QString &sinAsignar : {u"04"_s, u"3106"_s, u"3199"_s, u"405"_s, u"419"_s, u"7099"_s, u"8299"_s})
            QVERIFY2(!LeerGs1(u"(%1)000001"_s.arg(sinAsignar), Hoy), qPrintable(sinAsignar));
    }

    // Each rule of GS1's table, as a field read past between an article and an
    // expiry, and as one that makes the text no label.
    void formatos_data()
    {
        QTest::addColumn<QString>("vale");
        QTest::addColumn<QString>("noVale");
        QTest::newRow("identificador") << u"(235)TPX-2"_s << u"(249)X1"_s;
        QTest::newRow("rango") << u"(4300)ACME(4333)012345-(3105)000150"_s << u"(3106)000150"_s;
        QTest::newRow("largo exacto") << u"(8017)950110153000000007"_s << u"(8017)95011015300000003"_s;
        QTest::newRow("largo exacto, 402") << u"(402)95011015300000003"_s << u"(402)9501101530000003"_s;
        QTest::newRow("largo máximo") << u"(242)123456"_s << u"(242)1234567"_s;
        QTest::newRow("largo máximo, 7240") << u"(7240)"_s + QString(20, u'P') << u"(7240)"_s + QString(21, u'P');
        QTest::newRow("largos de más de 30") << u"(7253)%1(7254)%1(7256)%2(7257)%3(7259)%1"_s.arg(
                                                    QString(40, u'N'), QString(90, u'N'), QString(70, u'N'))
                                             << u"(7256)"_s + QString(91, u'N');
        QTest::newRow("cifras") << u"(30)12"_s << u"(30)1A"_s;
        QTest::newRow("juego 82") << u"(10)LOT-B"_s << u"(10)LOT@7"_s;
        QTest::newRow("juego 39") << u"(8010)A#-/1"_s << u"(8010)a1"_s;
        QTest::newRow("juego 64") << u"(8030)"_s + u"AZaz09-_"_s.repeated(11) + u"=="_s << u"(8030)AB+/"_s;
        QTest::newRow("partes opcionales") << u"(253)9501101530003(255)9501101530003123(3910)97850"_s << u"(3910)978"_s;
        QTest::newRow("dígito de control") << u"(00)950110153000000007"_s << u"(253)9501101530004"_s;
        QTest::newRow("fecha con día 00") << u"(13)260200"_s << u"(13)260230"_s;
        QTest::newRow("fecha sin día 00") << u"(7006)260131"_s << u"(7006)260100"_s;
        QTest::newRow("fecha de 8 cifras") << u"(7250)20240229"_s << u"(7250)20230229"_s;
        QTest::newRow("repetido") << u"(17)261231"_s << u"(17)261230"_s;
    }
    void formatos()
    {
        QFETCH(QString, vale);
        QFETCH(QString, noVale);
        const auto leer = [](const QString &campo) {
            return LeerGs1(u"(01)09501101530003"_s + campo + u"(17)261231"_s, Hoy);
        };
        const std::optional<LecturaGs1> lectura = leer(vale);
        QVERIFY(lectura);
        QCOMPARE(lectura->caducidad.value_or(QDate()), QDate(2026, 12, 31));
        QVERIFY(!leer(noVale));
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

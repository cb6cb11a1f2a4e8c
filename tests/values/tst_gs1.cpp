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
    // What a scanner sends, in each form, and the lot and expiry taken from it.
    void lecturas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("lote"); // "-": no lot in the string
        QTest::addColumn<QDate>("caducidad");

        QTest::newRow("prefijo, campos fijos y lote al final")
            << u"]C1"_s + Gtin + u"17281231"_s + u"10LOTE-7"_s << u"LOTE-7"_s << QDate(2028, 12, 31);
        QTest::newRow("separador tras el lote, día 00")
            << u"]C110ABC123"_s + GS + u"17261000"_s << u"ABC123"_s << QDate(2026, 10, 31);
        QTest::newRow("entre paréntesis, 29 de febrero bisiesto")
            << u"(01)09501101530003(17)280229(10)X1"_s << u"X1"_s << QDate(2028, 2, 29);
        QTest::newRow("sin prefijo, empieza por artículo") << Gtin + u"10ABC"_s << u"ABC"_s << QDate();
        QTest::newRow("otros identificadores se saltan")
            << u"]C1"_s + Gtin + u"3103000150"_s + u"15270100"_s + u"21SERIE9"_s + GS + u"240REF"_s + GS + u"10L9"_s
            << u"L9"_s << QDate();
        QTest::newRow("separador al principio y tras campo fijo")
            << GS + Gtin + GS + u"17290115"_s << u"-"_s << QDate(2029, 1, 15);
        QTest::newRow("otra simbología GS1") << u"]d2"_s + Gtin + u"10D"_s << u"D"_s << QDate();
        QTest::newRow("lote de 20, el máximo") << u"]C110"_s + QString(20, u'A') << QString(20, u'A') << QDate();
        QTest::newRow("día 00 de febrero sin bisiesto") << u"(17)270200"_s << u"-"_s << QDate(2027, 2, 28);
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

    // Texts that must stay ordinary lot codes: typed codes, broken or cut
    // strings, impossible dates, identifiers nobody knows.
    void noSonLecturas_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::newRow("vacío") << QString();
        QTest::newRow("código corriente") << u"L-2024"_s;
        QTest::newRow("código que parece un lote GS1") << u"10ABC"_s;
        QTest::newRow("artículo con dígito de control erróneo") << u"0109501101530004"_s + u"10ABC"_s;
        QTest::newRow("solo el prefijo") << u"]C1"_s;
        QTest::newRow("artículo cortado") << u"]C1010950110153"_s;
        QTest::newRow("fecha cortada al final") << u"]C1"_s + Gtin + u"1728123"_s;
        QTest::newRow("fecha cortada por separador") << u"]C11728"_s + GS + u"10A"_s;
        QTest::newRow("lote vacío al final") << u"]C1"_s + Gtin + u"10"_s;
        QTest::newRow("lote vacío ante separador") << u"]C110"_s + GS + u"17281231"_s;
        QTest::newRow("mes 13") << u"]C117281301"_s;
        QTest::newRow("30 de febrero") << u"(17)280230"_s;
        QTest::newRow("identificador desconocido") << u"]C1"_s + Gtin + u"18123456"_s;
        QTest::newRow("desconocido entre paréntesis") << u"(23)ABC"_s;
        QTest::newRow("identificador de largo erróneo") << u"(1)ABC"_s;
        QTest::newRow("paréntesis sin cerrar") << u"(17)281231(10"_s;
        QTest::newRow("artículo de 13 cifras") << u"(01)0950110153000(10)A"_s;
        QTest::newRow("texto antes del paréntesis") << u"X(10)A"_s;
        QTest::newRow("lote de 21") << u"]C110"_s + QString(21, u'A');
        QTest::newRow("blanco en el lote") << u"]C110AB CD"_s;
        QTest::newRow("lote repetido") << u"]C110A"_s + GS + u"10B"_s;
        QTest::newRow("fecha no numérica") << u"]C1172812AB"_s;
        QTest::newRow("prefijo y paréntesis juntos") << u"]C1(10)A"_s;
    }
    void noSonLecturas()
    {
        QFETCH(QString, texto);
        QVERIFY(!LeerGs1(texto, Hoy));
    }

    // Two-digit years land within 49 years back and 50 ahead of today.
    void siglo_data()
    {
        QTest::addColumn<QDate>("hoy");
        QTest::addColumn<QString>("yymmdd");
        QTest::addColumn<int>("anio");
        QTest::newRow("50 años por delante") << Hoy << u"760101"_s << 2076;
        QTest::newRow("51 por delante: siglo anterior") << Hoy << u"770101"_s << 1977;
        QTest::newRow("49 atrás") << QDate(2080, 1, 1) << u"310101"_s << 2031;
        QTest::newRow("50 atrás: siglo siguiente") << QDate(2080, 1, 1) << u"300101"_s << 2130;
        QTest::newRow("fin de siglo") << QDate(2099, 12, 31) << u"010101"_s << 2101;
    }
    void siglo()
    {
        QFETCH(QDate, hoy);
        QFETCH(QString, yymmdd);
        QFETCH(int, anio);
        const std::optional<LecturaGs1> lectura = LeerGs1(u"(17)"_s + yymmdd, hoy);
        QVERIFY(lectura && lectura->caducidad);
        QCOMPARE(lectura->caducidad->year(), anio);
    }
};

QTEST_GUILESS_MAIN(TstGs1)
#include "tst_gs1.moc"

#include "foundation/core/database/ValorSql.h"

#include <nvlalotes/Conversiones.h>
#include <nvlalotes/ErrorLotes.h>

#include <QDateTime>
#include <QTest>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

class tst_Conversiones : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valorNumerico_data();
    void valorNumerico();
    void valorBooleano_data();
    void valorBooleano();
    void esFecha_data();
    void esFecha();
    void textoDeFecha();
    void valorSql_data();
    void valorSql();
};

void tst_Conversiones::valorNumerico_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");

    QTest::newRow("blanco delante") << u" 4"_s << 4.0;
    QTest::newRow("vacio") << QString() << 0.0;
    QTest::newRow("decimal") << u"2.5"_s << 2.5;
    QTest::newRow("negativo con resto") << u"  -2.5xyz"_s << -2.5;
    QTest::newRow("coma no es decimal") << u"1,5"_s << 1.0;
    QTest::newRow("sin exponente") << u"1e5"_s << 1.0;
}

void tst_Conversiones::valorNumerico()
{
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QCOMPARE(ValorNumerico(texto), valor);
}

void tst_Conversiones::valorBooleano_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QVariant>("esperado"); // no value: a type mismatch is raised

    QTest::newRow("int menos uno") << QVariant(-1) << QVariant(true);
    QTest::newRow("double cero") << QVariant(0.0) << QVariant(false);
    QTest::newRow("texto True") << QVariant(u"True"_s) << QVariant(true);
    QTest::newRow("texto VERDADERO") << QVariant(u"VERDADERO"_s) << QVariant(true);
    QTest::newRow("texto falso") << QVariant(u"falso"_s) << QVariant(false);
    QTest::newRow("numero con blancos") << QVariant(u" 3 "_s) << QVariant(true);

    QTest::newRow("numero con letras") << QVariant(u"3abc"_s) << QVariant();
    QTest::newRow("texto vacio") << QVariant(QString()) << QVariant();
    QTest::newRow("yes") << QVariant(u"yes"_s) << QVariant();
    QTest::newRow("coma decimal") << QVariant(u"1,5"_s) << QVariant();
    QTest::newRow("nulo") << QVariant() << QVariant();
    QTest::newRow("fecha") << QVariant(QDate(2024, 1, 1)) << QVariant();
}

void tst_Conversiones::valorBooleano()
{
    QFETCH(QVariant, valor);
    QFETCH(QVariant, esperado);
    try {
        QCOMPARE(QVariant(ValorBooleano(valor, u"frmPrueba:Cargar"_s)), esperado);
    } catch (const ErrorLotes &error) {
        QVERIFY2(!esperado.isValid(), qPrintable(error.Description()));
        QCOMPARE(error.Number(), NumeroError::ConversionTipo);
        QCOMPARE(error.Source(), u"frmPrueba:Cargar"_s);
        QVERIFY2(error.Description().startsWith(u"No coinciden los tipos: "_s), qPrintable(error.Description()));
    }
}

void tst_Conversiones::esFecha_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QDate>("fecha"); // invalid: not a date

    QTest::newRow("bisiesto") << u"29/02/2024"_s << QDate(2024, 2, 29);
    QTest::newRow("primer dia admitido") << u"01/01/1753"_s << QDate(1753, 1, 1);
    QTest::newRow("ultimo dia admitido") << u"31/12/9999"_s << QDate(9999, 12, 31);

    QTest::newRow("no bisiesto") << u"29/02/2023"_s << QDate();
    QTest::newRow("secular no bisiesto") << u"29/02/1900"_s << QDate();
    QTest::newRow("31 de febrero") << u"31/02/2024"_s << QDate();
    QTest::newRow("antes del rango") << u"31/12/1752"_s << QDate();
    QTest::newRow("anio corto") << u"12/05/20"_s << QDate();
    QTest::newRow("blanco detras") << u"12/05/2020 "_s << QDate();
    QTest::newRow("cifras anchas") << u"１２/05/2020"_s << QDate();
    QTest::newRow("vacio") << QString() << QDate();
}

void tst_Conversiones::esFecha()
{
    QFETCH(QString, texto);
    QFETCH(QDate, fecha);
    QCOMPARE(EsFecha(texto), fecha.isValid());
    // What is not a date reads as the null date, 1 January 1900.
    QCOMPARE(FechaDeTexto(texto), fecha.isValid() ? fecha : QDate(1900, 1, 1));
}

void tst_Conversiones::textoDeFecha()
{
    // Text read from a database is covered by the display format tests.
    QCOMPARE(TextoDeFecha(QDateTime(QDate(2024, 5, 2), QTime(23, 59))), u"02/05/2024"_s);
    QCOMPARE(TextoDeFecha(QDate(1900, 1, 1)), u"01/01/1900"_s); // the null date still shows
    QCOMPARE(TextoDeFecha(QDate(1, 1, 1)), QString());
    QCOMPARE(TextoDeFecha(QVariant()), QString());
}

// A value in a statement's text: a text stays one literal whatever it holds; an
// integer that arrives as text goes in as it came, or is refused.
void tst_Conversiones::valorSql_data()
{
    QTest::addColumn<bool>("esTexto");
    QTest::addColumn<QString>("valor");
    QTest::addColumn<QString>("sql"); // null: refused

    QTest::newRow("comilla") << true << u"frmO'Brien"_s << u"'frmO''Brien'"_s;
    QTest::newRow("solo comillas") << true << u"''"_s << u"''''''"_s;
    QTest::newRow("no ASCII") << true << u"Núñez €"_s << u"'Núñez €'"_s;
    QTest::newRow("texto vacio") << true << QString() << u"''"_s;
    QTest::newRow("entero") << false << u"12"_s << u"12"_s;
    QTest::newRow("negativo") << false << u"-7"_s << u"-7"_s;
    QTest::newRow("sentencia colada") << false << u"1 OR 1=1"_s << QString();
    QTest::newRow("comilla en un numero") << false << u"1'"_s << QString();
    QTest::newRow("decimal") << false << u"2.5"_s << QString();
    QTest::newRow("blanco delante") << false << u" 3"_s << QString();
    QTest::newRow("solo el signo") << false << u"-"_s << QString();
    QTest::newRow("no cabe en 64 bits") << false << u"9223372036854775808"_s << QString();
    QTest::newRow("cifras anchas") << false << u"１２"_s << QString();
    QTest::newRow("numero vacio") << false << QString() << QString();
}

void tst_Conversiones::valorSql()
{
    QFETCH(bool, esTexto);
    QFETCH(QString, valor);
    QFETCH(QString, sql);
    if (esTexto) {
        QCOMPARE(ValorSql::texto(valor), sql);
        return;
    }
    try {
        QCOMPARE(ValorSql::entero(valor, u"UsuarioActual"_s, u"modComun::Grupos"_s), sql);
    } catch (const ErrorLotes &error) {
        QVERIFY2(sql.isNull(), qPrintable(error.Description()));
        QCOMPARE(error.Number(), NumeroError::ConversionTipo);
        QCOMPARE(error.Source(), u"modComun::Grupos"_s);
        QVERIFY2(error.Description().contains(u"UsuarioActual"_s), qPrintable(error.Description()));
    }
}

QTEST_GUILESS_MAIN(tst_Conversiones)
#include "tst_conversiones.moc"

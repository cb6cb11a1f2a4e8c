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
    void fechaNula();
    void valorNumerico_data();
    void valorNumerico();
    void valorBooleano_data();
    void valorBooleano();
    void valorBooleanoErroneo_data();
    void valorBooleanoErroneo();
    void esFecha_data();
    void esFecha();
    void textoDeFecha_data();
    void textoDeFecha();
};

void tst_Conversiones::fechaNula()
{
    QCOMPARE(FechaNula(), QDate(1900, 1, 1));
}

void tst_Conversiones::valorNumerico_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");

    QTest::newRow("decimal cero") << u"3.0"_s << 3.0;
    QTest::newRow("blanco delante") << u" 4"_s << 4.0;
    QTest::newRow("letras detras") << u"3abc"_s << 3.0;
    QTest::newRow("vacio") << QString() << 0.0;
    QTest::newRow("decimal") << u"2.5"_s << 2.5;
    QTest::newRow("letras") << u"abc"_s << 0.0;
    QTest::newRow("negativo") << u"-2"_s << -2.0;
    QTest::newRow("negativo decimal con resto") << u"  -2.5xyz"_s << -2.5;
    QTest::newRow("solo decimales") << u".5"_s << 0.5;
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
    QTest::addColumn<bool>("esperado");

    QTest::newRow("true") << QVariant(true) << true;
    QTest::newRow("false") << QVariant(false) << false;
    QTest::newRow("int menos uno") << QVariant(-1) << true;
    QTest::newRow("double fraccion") << QVariant(0.5) << true;
    QTest::newRow("double cero") << QVariant(0.0) << false;
    QTest::newRow("texto True") << QVariant(u"True"_s) << true;
    QTest::newRow("texto VERDADERO") << QVariant(u"VERDADERO"_s) << true;
    QTest::newRow("texto falso") << QVariant(u"falso"_s) << false;
    QTest::newRow("texto cero") << QVariant(u"0"_s) << false;
    QTest::newRow("texto decimal") << QVariant(u"2.5"_s) << true;
    QTest::newRow("texto numero con blancos") << QVariant(u" 3 "_s) << true;
}

void tst_Conversiones::valorBooleano()
{
    QFETCH(QVariant, valor);
    QFETCH(bool, esperado);
    QCOMPARE(ValorBooleano(valor, u"prueba"_s), esperado);
}

void tst_Conversiones::valorBooleanoErroneo_data()
{
    QTest::addColumn<QVariant>("valor");

    QTest::newRow("numero con letras") << QVariant(u"3abc"_s);
    QTest::newRow("texto vacio") << QVariant(QString());
    QTest::newRow("yes") << QVariant(u"yes"_s);
    QTest::newRow("coma decimal") << QVariant(u"1,5"_s);
    QTest::newRow("nulo") << QVariant();
    QTest::newRow("fecha") << QVariant(QDate(2024, 1, 1));
}

void tst_Conversiones::valorBooleanoErroneo()
{
    QFETCH(QVariant, valor);
    try {
        ValorBooleano(valor, u"frmPrueba:Cargar"_s);
        QFAIL("no error raised");
    } catch (const ErrorLotes &error) {
        QCOMPARE(error.Number(), NumeroError::ConversionTipo);
        QCOMPARE(error.Source(), u"frmPrueba:Cargar"_s);
        QVERIFY2(error.Description().startsWith(u"No coinciden los tipos: "_s), qPrintable(error.Description()));
    }
}

void tst_Conversiones::esFecha_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QDate>("fecha"); // invalid: not a date

    QTest::newRow("fecha") << u"12/05/2024"_s << QDate(2024, 5, 12);
    QTest::newRow("bisiesto") << u"29/02/2024"_s << QDate(2024, 2, 29);
    QTest::newRow("primer dia admitido") << u"01/01/1753"_s << QDate(1753, 1, 1);
    QTest::newRow("ultimo dia admitido") << u"31/12/9999"_s << QDate(9999, 12, 31);

    QTest::newRow("no bisiesto") << u"29/02/2023"_s << QDate();
    QTest::newRow("secular no bisiesto") << u"29/02/1900"_s << QDate();
    QTest::newRow("31 de febrero") << u"31/02/2024"_s << QDate();
    QTest::newRow("antes del rango") << u"31/12/1752"_s << QDate();
    QTest::newRow("mes trece") << u"01/13/2020"_s << QDate();
    QTest::newRow("anio corto") << u"12/05/20"_s << QDate();
    QTest::newRow("anio corto con blancos") << u"12/05/20  "_s << QDate();
    QTest::newRow("blanco detras") << u"12/05/2020 "_s << QDate();
    QTest::newRow("guiones") << u"12-05-2020"_s << QDate();
    QTest::newRow("cifras anchas") << u"１２/05/2020"_s << QDate();
    QTest::newRow("vacio") << QString() << QDate();
}

void tst_Conversiones::esFecha()
{
    QFETCH(QString, texto);
    QFETCH(QDate, fecha);
    QCOMPARE(EsFecha(texto), fecha.isValid());
    QCOMPARE(FechaDeTexto(texto), fecha.isValid() ? fecha : FechaNula());
}

void tst_Conversiones::textoDeFecha_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<QString>("texto");

    QTest::newRow("QDate") << QVariant(QDate(2024, 5, 12)) << u"12/05/2024"_s;
    QTest::newRow("QDateTime") << QVariant(QDateTime(QDate(2024, 5, 2), QTime(23, 59))) << u"02/05/2024"_s;
    QTest::newRow("iso fecha") << QVariant(u"2024-05-12"_s) << u"12/05/2024"_s;
    QTest::newRow("iso con hora") << QVariant(u"2024-05-12 13:45:00"_s) << u"12/05/2024"_s;
    QTest::newRow("iso con T") << QVariant(u"2024-05-12T08:30:15"_s) << u"12/05/2024"_s;
    QTest::newRow("ya en pantalla") << QVariant(u"12/05/2024"_s) << u"12/05/2024"_s;
    QTest::newRow("fecha nula") << QVariant(QDate(1900, 1, 1)) << u"01/01/1900"_s;

    QTest::newRow("dia imposible") << QVariant(u"2024-02-30"_s) << QString();
    QTest::newRow("hora imposible") << QVariant(u"2024-05-12 25:00:00"_s) << QString();
    QTest::newRow("resto ajeno") << QVariant(u"2024-05-12x"_s) << QString();
    QTest::newRow("fraccion vacia") << QVariant(u"2024-05-12 13:45:00."_s) << QString();
    QTest::newRow("fuera de rango") << QVariant(QDate(1, 1, 1)) << QString();
    QTest::newRow("texto") << QVariant(u"hola"_s) << QString();
    QTest::newRow("nulo") << QVariant() << QString();
    QTest::newRow("QDate nula") << QVariant(QDate()) << QString();
}

void tst_Conversiones::textoDeFecha()
{
    QFETCH(QVariant, valor);
    QFETCH(QString, texto);
    QCOMPARE(TextoDeFecha(valor), texto);
}

QTEST_GUILESS_MAIN(tst_Conversiones)
#include "tst_conversiones.moc"

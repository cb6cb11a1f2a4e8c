#include "foundation/host/Formatos.h"

#include <nvlalotes/Conversiones.h>
#include <nvlalotes/Currency.h>

#include <QDateTime>
#include <QTest>

using namespace NVLALotes;
using namespace Qt::StringLiterals;

namespace {

// What a value shows as with two decimals, in fixed point: half away from zero.
Currency redondeadoADos(Currency valor)
{
    const qint64 bruto = valor.raw();
    const qint64 magnitud = (std::abs(bruto) + 50) / 100 * 100;
    return Currency::fromRaw(bruto < 0 ? -magnitud : magnitud);
}

} // namespace

class tst_Formatos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unaInstanciaEspanola();
    void formatearFecha_data();
    void formatearFecha();
    void fechaSeTecleaIgual_data();
    void fechaSeTecleaIgual();
    void formatearNumero_data();
    void formatearNumero();
    void numeroSeLeeIgual_data();
    void numeroSeLeeIgual();
};

void tst_Formatos::unaInstanciaEspanola()
{
    QCOMPARE(&Formatos::instancia(), &Formatos::instancia());
    QCOMPARE(Formatos::instancia().locale().language(), QLocale::Spanish);
    QCOMPARE(Formatos::instancia().locale().decimalPoint(), u","_s);
}

void tst_Formatos::formatearFecha_data()
{
    QTest::addColumn<QString>("fecha");
    QTest::addColumn<QString>("texto");

    QTest::newRow("iso") << u"2024-05-12"_s << u"12/05/2024"_s;
    QTest::newRow("iso con T y fraccion") << u"2024-05-12T10:11:12.345"_s << u"12/05/2024"_s;
    QTest::newRow("ya formateada") << u"12/05/2024"_s << u"12/05/2024"_s;
    QTest::newRow("texto sin fecha") << u"hola"_s << u"hola"_s;
    QTest::newRow("dia imposible") << u"31/02/2024"_s << u"31/02/2024"_s;
}

void tst_Formatos::formatearFecha()
{
    QFETCH(QString, fecha);
    QFETCH(QString, texto);
    QCOMPARE(Formatos::instancia().FormatearFecha(fecha), texto);
}

void tst_Formatos::fechaSeTecleaIgual_data()
{
    QTest::addColumn<QDate>("fecha");

    for (const QDate fecha :
         {QDate(1753, 1, 1), QDate(1900, 1, 1), QDate(2024, 2, 29), QDate(2026, 12, 31), QDate(9999, 12, 31)})
        QTest::newRow(qPrintable(fecha.toString(Qt::ISODate))) << fecha;
}

void tst_Formatos::fechaSeTecleaIgual()
{
    QFETCH(QDate, fecha);
    for (const QString &guardada :
         {fecha.toString(Qt::ISODate), QDateTime(fecha, QTime(0, 0)).toString(u"yyyy-MM-dd hh:mm:ss.zzz"_s)}) {
        const QString mostrada = Formatos::instancia().FormatearFecha(guardada);
        QVERIFY2(EsFecha(mostrada), qPrintable(mostrada));
        QCOMPARE(FechaDeTexto(mostrada), fecha);
        QCOMPARE(Formatos::instancia().FormatearFecha(mostrada), mostrada);
    }
}

void tst_Formatos::formatearNumero_data()
{
    QTest::addColumn<QVariant>("valor");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<QString>("texto");

    QTest::newRow("double redondea arriba") << QVariant(4.996) << 2 << u"5,00"_s;
    QTest::newRow("texto de base de datos") << QVariant(u"4.9960"_s) << 2 << u"5,00"_s;
    QTest::newRow("negativo agrupado") << QVariant(-1234.5) << 2 << u"-1.234,50"_s;
    QTest::newRow("mitad se aleja") << QVariant(u"-0.005"_s) << 2 << u"-0,01"_s;
    QTest::newRow("sin cero negativo") << QVariant(-0.004) << 2 << u"0,00"_s;
    QTest::newRow("currency") << QVariant::fromValue(Currency::fromRaw(123456789)) << 2 << u"12.345,68"_s;
    QTest::newRow("nulo") << QVariant() << 2 << u"0,00"_s;
    QTest::newRow("texto ilegible") << QVariant(u"abc"_s) << 2 << u"abc"_s;
    QTest::newRow("demasiado grande") << QVariant(1e20) << 2
                                      << QLocale(QLocale::Spanish, QLocale::Spain).toString(1e20, 'f', 2);
}

void tst_Formatos::formatearNumero()
{
    QFETCH(QVariant, valor);
    QFETCH(int, decimales);
    QFETCH(QString, texto);
    QCOMPARE(Formatos::instancia().FormatearNumero(valor, qint16(decimales)), texto);
}

void tst_Formatos::numeroSeLeeIgual_data()
{
    QTest::addColumn<double>("valor");

    for (const double valor : {0.0, 0.005, -0.005, 4.996, -4.996, 1234.565, 999999.995, 12345678.9, -0.0049})
        QTest::newRow(qPrintable(QString::number(valor))) << valor;
}

void tst_Formatos::numeroSeLeeIgual()
{
    QFETCH(double, valor);
    const Formatos &formatos = Formatos::instancia();
    const QString texto = formatos.FormatearNumero(valor, 2);
    const auto leido = Currency::parse(texto, formatos.locale());
    QVERIFY2(leido.has_value(), qPrintable(texto));
    QCOMPARE(*leido, redondeadoADos(Currency::fromDouble(valor)));
}

QTEST_GUILESS_MAIN(tst_Formatos)
#include "tst_formatos.moc"

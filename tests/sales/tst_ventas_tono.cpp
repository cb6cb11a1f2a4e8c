// Picking the lot of a sales line from stock, tone and caliber model, on a real database.
#include "EscenarioVentas.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"

#include <QAbstractButton>
#include <QApplication>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// A blocked lot with plenty of stock sits between two free ones.
const QList<LotePrueba> Lotes{
    {21, u"4"_s, {}, {}, u"A1"_s, u"10"_s},
    {22, u"60"_s, {}, u"2028-01-01"_s, u"B2"_s, u"10"_s, true},
    {23, u"80"_s, {}, u"2028-02-29"_s, u"C3"_s, u"12"_s},
    {24, u"7"_s, {}, {}, u"A1"_s, {}},
};

Rejilla *rejilla(QDialog *d)
{
    return control<Rejilla>(d, u"vsLotes"_s);
}

int filaDeTono(const Rejilla *r, const QString &tono, const QString &calibre)
{
    return FilaCon(r, {{3, tono}, {4, calibre}});
}

} // namespace

class TstVentasTono : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void eleccionDesdeLaRejilla_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<int>("unidades");
        QTest::addColumn<bool>("automatico");
        QTest::addColumn<QString>("elegir"); // "tone/caliber", or "AUTO"
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<qint32>("clave");
        const QString bloqueado = u"El lote seleccionado está bloqueado."_s;
        for (const QString &motor : Motores()) {
            const QByteArray m = motor.toUtf8();
            QTest::newRow(m + " bloqueado con stock") << motor << 5 << true << u"B2/10"_s << bloqueado << 0;
            QTest::newRow(m + " automático salta el bloqueado") << motor << 50 << true << u"AUTO"_s << QString() << 23;
            QTest::newRow(m + " automático con poco") << motor << 5 << true << u"AUTO"_s << QString() << 24;
            // The stock is read from its own column in this list.
            QTest::newRow(m + " libre sin stock")
                << motor << 5 << true << u"A1/10"_s << u"El lote seleccionado no tiene stock suficiente"_s << 0;
            QTest::newRow(m + " sin automático la fila 1 es un lote")
                << motor << 1 << false << u"A1/10"_s << QString() << 21;
        }
    }
    void eleccionDesdeLaRejilla()
    {
        QFETCH(QString, motor);
        QFETCH(int, unidades);
        QFETCH(bool, automatico);
        QFETCH(QString, elegir);
        QFETCH(QString, mensaje);
        QFETCH(qint32, clave);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, u"2"_s, unidades);
        s.clase.PermitirAutomatico = automatico;
        s.marcarSalidas();
        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               Rejilla *r = rejilla(d);
                               QCOMPARE(d->windowTitle(), u"Especifique Tono / Calibre"_s);
                               QCOMPARE(r->TextMatrix(filaDeTono(r, u"B2"_s, u"10"_s), 1), u"X"_s);
                               QCOMPARE(r->TextMatrix(filaDeTono(r, u"A1"_s, u"10"_s), 1), QString());
                               const int fila = elegir == u"AUTO" ? 1
                                                                  : filaDeTono(r, elegir.section(u'/', 0, 0),
                                                                               elegir.section(u'/', 1, 1));
                               r->setRow(fila);
                               mensajes = CapturarMensajes([&] { QTest::keyClick(r, Qt::Key_Enter); });
                               if (d->isVisible())
                                   clic(d, u"cmdCancelar"_s);
                           }));
        if (mensaje.isEmpty()) {
            QVERIFY(mensajes.isEmpty());
            QVERIFY(s.clase.Result);
            QCOMPARE(s.clase.Cod_Lote, clave);
            // The row's tone, caliber and expiry come back, and no lot code.
            const LotePrueba &lote = *std::ranges::find(Lotes, clave, &LotePrueba::clave);
            QCOMPARE(s.clase.Tono + u'|' + s.clase.Calibre, lote.tono + u'|' + lote.calibre);
            QCOMPARE(s.clase.Caducidad,
                     lote.caducidad.isEmpty() ? QDate(1900, 1, 1) : QDate::fromString(lote.caducidad, Qt::ISODate));
            QCOMPARE(s.clase.Lote, QString());
            QVERIFY(!s.llamoAlProcedimiento());
        } else {
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes[0].texto, mensaje);
            QVERIFY(!s.clase.Result && s.salidasIntactas());
        }
    }

    void tonoTecleado_data()
    {
        QTest::addColumn<QString>("motor");
        QTest::addColumn<bool>("conControl");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("tono");
        QTest::addColumn<QString>("calibre");
        QTest::addColumn<qint32>("clave"); // 0: a new lot from the procedure
        for (const QString &motor : Motores()) {
            const QByteArray m = motor.toUtf8();
            QTest::newRow(m + " el bloqueado tecleado") << motor << true << u"01012028"_s << u" B2"_s << u"10 "_s << 22;
            QTest::newRow(m + " solo tono, listado") << motor << false << QString() << u"A1"_s << QString() << 24;
            QTest::newRow(m + " solo calibre, nuevo") << motor << false << QString() << QString() << u"99"_s << 0;
            QTest::newRow(m + " otra caducidad es otro lote")
                << motor << true << u"02012028"_s << u"B2"_s << u"10"_s << 0;
        }
    }
    void tonoTecleado()
    {
        QFETCH(QString, motor);
        QFETCH(bool, conControl);
        QFETCH(QString, fecha);
        QFETCH(QString, tono);
        QFETCH(QString, calibre);
        QFETCH(qint32, clave);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, u"2"_s, 500); // a typed lot has no stock check
        s.clase.ControlCaducidad = conControl;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               QCOMPARE(control<kxMaskEdBox>(d, u"txtCaducidad"_s)->isEnabled(), conControl);
                               if (conControl)
                                   escribir(d, u"txtCaducidad"_s, fecha);
                               escribir(d, u"txtTono"_s, tono);
                               escribir(d, u"txtCalibre"_s, calibre);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                               QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
                               QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                           }));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Tono, tono.trimmed());
        QCOMPARE(s.clase.Calibre, calibre.trimmed());
        QCOMPARE(s.clase.Lote, QString());
        QCOMPARE(s.clase.Caducidad, fecha.isEmpty() ? QDate(1900, 1, 1) : QDate::fromString(fecha, u"ddMMyyyy"_s));
        QCOMPARE(s.llamoAlProcedimiento(), clave == 0);
        if (clave != 0) {
            QCOMPARE(s.clase.Cod_Lote, clave);
        } else {
            QVERIFY(s.clase.Cod_Lote > 24);
            QCOMPARE(LotesEnBase(*bd).constLast().section(u'|', 3, 4), tono.trimmed() + u'|' + calibre.trimmed());
        }
    }

    void tecleadoIncompletoSeRechaza_data()
    {
        QTest::addColumn<bool>("conControl");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("mensaje");
        QTest::addColumn<QString>("foco");
        QTest::newRow("sin tono ni calibre")
            << false << QString() << u"Debe especificar Tono y/o Calibre"_s << u"txtTono"_s;
        QTest::newRow("la fecha va antes")
            << true << u"0101"_s << u"Debe especificar la fecha de caducidad"_s << u"txtCaducidad"_s;
    }
    void tecleadoIncompletoSeRechaza()
    {
        QFETCH(bool, conControl);
        QFETCH(QString, fecha);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, u"2"_s, 5);
        s.clase.ControlCaducidad = conControl;
        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               if (conControl)
                                   escribir(d, u"txtCaducidad"_s, fecha);
                               escribir(d, u"txtCalibre"_s, u"   "_s);
                               mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                               QCOMPARE(d->focusWidget()->objectName(), foco);
                               clic(d, u"cmdCancelar"_s);
                           }));
        QCOMPARE(mensajes.size(), 1);
        QCOMPARE(mensajes[0].texto, mensaje);
        QVERIFY(!s.clase.Result);
        QVERIFY(!s.llamoAlProcedimiento());
    }

    void continuarSinTonoNiCalibre()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, u"2"_s, 5);
        s.marcarSalidas();
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               QVERIFY(!control<QAbstractButton>(d, u"cmdContinuar"_s)->isVisible());
                               clic(d, u"cmdCancelar"_s);
                           }));
        s.clase.PermitirContinuarSinLote = true;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               auto *continuar = control<QAbstractButton>(d, u"cmdContinuar"_s);
                               QVERIFY(continuar->isVisible());
                               QCOMPARE(continuar->text(), u"C&ontinuar sin Tono / Calibre"_s);
                               clic(d, u"cmdContinuar"_s);
                           }));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, 0);
        QCOMPARE(s.clase.Lote, QString());
        QCOMPARE(s.clase.Tono, QString());
        QCOMPARE(s.clase.Calibre, QString());
        QCOMPARE(s.clase.Caducidad, QDate(1900, 1, 1));
    }
};

QTEST_MAIN(TstVentasTono)
#include "tst_ventas_tono.moc"

// The invoicing entry class: what each lot model answers.
#include "EscenarioVentas.h"

#include <nvlalotes/EmpresaBaseDatos.h>
#include <nvlalotes/ErrorLotes.h>

#include <QApplication>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QList<LotePrueba> Lotes{{31, u"9"_s, u"L-9"_s, u"2027-09-30"_s, u"T9"_s, u"C9"_s}};

} // namespace

class TstFacturacion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void modeloCuatroRespondeSinVentana()
    {
        SesionVentas s(nullptr, u"4"_s, 5); // no database is touched
        s.marcarSalidas();
        QVERIFY(SinDialogo([&] { s.clase.Show(1); }));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, 1);
        QCOMPARE(s.clase.Caducidad, QDate(1900, 1, 1));
        QCOMPARE(s.clase.Lote, u"L-HOST"_s);
        QCOMPARE(s.clase.Tono, u"T-HOST"_s);
        QVERIFY(s.grabadora->Textos().isEmpty());
    }

    void modeloUnoPideLoteSinStock_data()
    {
        QTest::addColumn<bool>("controlCaducidad");
        QTest::addColumn<QDate>("caducidad");
        QTest::newRow("con caducidad") << true << QDate::currentDate().addDays(20);
        QTest::newRow("sin caducidad") << false << QDate(1900, 1, 1);
    }
    void modeloUnoPideLoteSinStock()
    {
        QFETCH(bool, controlCaducidad);
        QFETCH(QDate, caducidad);
        SesionVentas s(nullptr, u"1"_s, 5);
        s.clase.ControlCaducidad = controlCaducidad;
        s.marcarSalidas();
        QVERIFY(ConDialogo([&] { s.clase.Show(1); },
                           [&](QDialog *d) {
                               QCOMPARE(d->objectName(), u"frmLotesDatos1"_s);
                               // Nothing of the line is shown: the dialog opens empty.
                               QCOMPARE(control<QLineEdit>(d, u"txtLote"_s)->text(), QString());
                               escribir(d, u"txtLote"_s, u"CUALQUIERA"_s);
                               if (controlCaducidad)
                                   escribir(d, u"txtCaducidad"_s, caducidad.toString(u"ddMMyyyy"_s));
                               clic(d, u"cmdAceptar"_s);
                           }));
        QVERIFY(s.clase.Result);
        QCOMPARE(s.clase.Cod_Lote, 1);
        QCOMPARE(s.clase.Lote, u"CUALQUIERA"_s);
        QCOMPARE(s.clase.Caducidad, caducidad);
        QCOMPARE(s.clase.Tono, u"T-HOST"_s);
        QVERIFY(s.grabadora->Textos().isEmpty()); // no stock is looked at
    }

    void cancelarEnCadaModeloNoTocaNada_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::newRow("1") << u"1"_s;
        QTest::newRow("2") << u"2"_s;
        QTest::newRow("3") << u"3"_s;
    }
    void cancelarEnCadaModeloNoTocaNada()
    {
        QFETCH(QString, modelo);
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, modelo, 5);
        s.marcarSalidas();
        s.clase.Result = true;
        QVERIFY(ConDialogo([&] { s.clase.Show(1); }, [](QDialog *d) { clic(d, u"cmdCancelar"_s); }));
        QVERIFY(!s.clase.Result);
        QVERIFY(s.salidasIntactas());
        s.clase.Result = true;
        s.clase.Show(0);
        QVERIFY(!s.clase.Result);
        QVERIFY(s.salidasIntactas());
    }

    // The host's parameters table decides the model: the company's own row over
    // the installation's, and the current user as the host gave it.
    void modeloDesdeLaBaseDeDatosDelHost()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), true);
        auto empresa = std::make_shared<EmpresaBaseDatos>(bd, 1, u"7"_s);
        QCOMPARE(empresa->LeerParametro(u"Lotes_ModeloUsar"_s).toString(), u"3"_s);
        QCOMPARE(empresa->LeerParametro(u"UsuarioActual"_s).toString(), u"7"_s);
        QCOMPARE(empresa->LeerParametro(u"NoExiste"_s).toString(), QString());
        QVERIFY_SQL(
            bd->Ejecutar(u"INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (1, 'Lotes_ModeloUsar', '4')"_s));
        frmclsLotesFacturacion clase;
        clase.EmpresaNuvalia(empresa);
        clase.ConexionNuvalia(bd);
        QVERIFY(SinDialogo([&] { clase.Show(1); }));
        QVERIFY(clase.Result);
        QCOMPARE(clase.Cod_Lote, 1);
    }

    void modeloNoValidoFallaSinCambios()
    {
        SesionVentas s(nullptr, u"7"_s, 5);
        s.marcarSalidas();
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, s.clase.Show(1));
        QVERIFY(s.salidasIntactas());
    }
};

QTEST_MAIN(TstFacturacion)
#include "tst_facturacion.moc"

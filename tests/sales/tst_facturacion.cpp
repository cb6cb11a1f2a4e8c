// The invoicing entry class: what each lot model answers.
#include "EscenarioVentas.h"

#include <nvlalotes/EmpresaBaseDatos.h>

#include <QApplication>
#include <QLineEdit>

#include <functional>

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
    // The shared context outlives the tests: a real connection left in it would
    // close after Qt's database machinery at exit.
    void cleanupTestCase() { SesionVentas(nullptr, u"1"_s, 0); }

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

    // Cancelar, the close box and Modal 0 leave every output as it was; Escape is no cancel.
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
        const auto cerrar = [](QDialog *d) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(d->isVisible());
            d->close();
        };
        for (const std::function<void(QDialog *)> &salir :
             {std::function<void(QDialog *)>(cerrar), {[](QDialog *d) { clic(d, u"cmdCancelar"_s); }}}) {
            s.clase.Result = true;
            QVERIFY(ConDialogo([&] { s.clase.Show(1); }, salir));
            QVERIFY(!s.clase.Result && s.salidasIntactas());
        }
        s.clase.Result = true;
        s.clase.Show(0);
        QVERIFY(!s.clase.Result && s.salidasIntactas());
    }

    // The list's query, text for text: units above zero list only lots with stock.
    void consultaDeLaLista_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("unidades");
        QTest::addColumn<QString>("sql");
        const QString desde =
            u" FROM Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = "
            u"b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE a.Cod_Empresa = 1 AND a.Cod_Almacen = 1 "
            u"AND b.Cod_Articulo = 500"_s;
        const QString lote = u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s;
        const QString orden = u" ORDER BY a.Stock_Actual"_s;
        const QString conStock = u" AND a.Stock_Actual > 0"_s;
        QTest::newRow("lote") << u"3"_s << 5 << lote + desde + conStock + orden;
        QTest::newRow("lote sin unidades") << u"3"_s << 0 << lote + desde + orden;
        QTest::newRow("tono") << u"2"_s << 3 << lote + u", b.Tono, b.Calibre, b.Bloqueado"_s + desde + conStock + orden;
    }
    void consultaDeLaLista()
    {
        QFETCH(QString, modelo);
        QFETCH(int, unidades);
        QFETCH(QString, sql);
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(Sembrar(*bd, Lotes));
        SesionVentas s(bd, modelo, unidades);
        QVERIFY(ConDialogo([&] { s.clase.Show(1); }, [&](QDialog *d) { clic(d, u"cmdCancelar"_s); }));
        QCOMPARE(s.grabadora->Textos(), QStringList{sql});
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
};

QTEST_MAIN(TstFacturacion)
#include "tst_facturacion.moc"

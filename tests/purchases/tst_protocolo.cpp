// What every entry class shares: the lot models that need no dialog, the
// ways out of a dialog, the shared context, Modal, registration, and the window
// base's anchoring from stored settings and fitting to the screen.
#include "foundation/controls/Formulario.h"
#include "foundation/entry/VentanaLotes.h"
#include "tests/sales/EscenarioVentas.h"

#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/RegistroComponentes.h>

#include <QApplication>
#include <QTest>

#include <memory>
#include <typeinfo>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// cmdSalir anchored to the bottom and right edges (12), vsLotes to all four
// (15), in an inner area of 5130 x 6600 twips; "location" is the distance from
// the far edges, as the settings store it. `cambios` go after them.
Anclaje::Ajustes ajustesStock(const Anclaje::Ajustes &cambios = {})
{
    Anclaje::Ajustes ajustes = Anclaje::sinAnclados(5250, 7005, false);
    for (const QString &dato :
         u"0.nombre=cmdSalir 0.anclaje=12 0.sizeini=3795,6165,1065,360 0.location=1335,435,4065,6240 "
         u"1.nombre=vsLotes 1.anclaje=15 1.sizeini=75,630,4980,5445 1.location=5055,5970,150,1155"_s.split(u' '))
        ajustes.append({u"anclaje"_s + dato.section(u'=', 0, 0), dato.section(u'=', 1)});
    return ajustes + cambios;
}

class VentanaPrueba final : public VentanaLotes
{
public:
    explicit VentanaPrueba(const Anclaje::Ajustes &ajustes, QSize areaTwips = {5130, 6600})
    {
        setObjectName(u"frmLotesStockAlm1"_s);
        Formulario::etiqueta(this, u"Label1"_s, u"Almacén:"_s, {105, 195, 660, 195});
        Formulario::rejilla(this, u"vsLotes"_s, {75, 630, 4980, 5445});
        Formulario::boton(this, u"cmdSalir"_s, u"&Salir"_s, {3795, 6165, 1065, 360});
        fijarAreaRedimensionable(areaTwips.width(), areaTwips.height());
        anclar(ajustes);
    }

    QList<QRect> geometrias() const
    {
        return {findChild<QWidget *>(u"cmdSalir"_s)->geometry(), findChild<QWidget *>(u"vsLotes"_s)->geometry(),
                findChild<QWidget *>(u"Label1"_s)->geometry()};
    }
};

} // namespace

class TstProtocolo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }
    // The shared context outlives the tests: a real connection left in it would
    // close after Qt's database machinery at exit.
    void cleanupTestCase() { Sesion(u"facturacion"_s, nullptr, u"1"_s); }

    // Lot models 1 and 4 answer at once without reading the database; any
    // model but 1 to 4 fails before a field changes.
    void modelosSinDialogo_data()
    {
        QTest::addColumn<QString>("clase");
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("esperado");
        const auto filas = [](const QString &esperado, const QStringList &casos) {
            for (const QString &caso : casos)
                QTest::newRow(qPrintable(caso)) << caso.section(u' ', 0, 0) << caso.section(u' ', 1) << esperado;
        };
        filas(u"Verdadero||1900-01-01|T-HOST|C-HOST"_s, {u"compras 1"_s});
        filas(u"Verdadero|1|L-HOST|1900-01-01|T-HOST|C-HOST"_s,
              {u"facturacion 4"_s, u"regularizar 1"_s, u"traspaso 4.0"_s, u"inventario 1"_s});
        filas(u"error %1"_s.arg(NumeroError::ModeloLotesNoValido),
              {u"compras "_s, u"compras 2.5"_s, u"compras abc"_s, u"facturacion 7"_s, u"regularizar 0"_s,
               u"traspaso Lote"_s, u"inventario 5"_s});
        // A model with a dialog reads the database before showing it: its failure
        // reaches the host.
        filas(u"error %1"_s.arg(NumeroError::ConexionNoValida), {u"traspaso 2"_s, u"inventario 3"_s});
        // The stock windows show nothing but under models 2 to 4, and fail for no other.
        filas({}, {u"stock 1"_s, u"stock 0"_s, u"stock 5"_s, u"stock 2.5"_s, u"stock dos"_s});
    }
    // Shown on a connection whose every query fails: the outputs, or "error N"
    // with every output, Result included, as it was. Result True going in
    // shows that a failing Show leaves it alone.
    void modelosSinDialogo()
    {
        QFETCH(QString, clase);
        QFETCH(QString, modelo);
        QFETCH(QString, esperado);
        const bool result = esperado.startsWith(u"error"_s);
        Sesion s(clase, nullptr, modelo);
        s.entrada.marcarSalidas();
        if (s.entrada.tiene("Result"))
            s.entrada.fijar("Result", result);
        QString respuesta;
        QVERIFY(sinDialogo([&] {
            try {
                s.entrada.Show(1);
                respuesta = s.entrada.salidas() + (s.grabadora->textos().isEmpty() ? QString() : u" and a query"_s);
            } catch (const ErrorLotes &error) {
                respuesta = u"error %1"_s.arg(error.Number());
                if (s.entrada.salidas() != s.entrada.salidasMarcadas(result))
                    respuesta += u" and the fields changed to "_s + s.entrada.salidas();
                if (error.Number() == NumeroError::ModeloLotesNoValido &&
                    (!error.Description().contains(u"Lotes_ModeloUsar"_s) || !error.Source().endsWith(u".Show"_s)))
                    respuesta += u" naming neither the parameter nor the Show: "_s + error.Description();
            }
        }));
        QCOMPARE(respuesta, esperado);
    }

    // Every way out of every dialog but Aceptar (Cancelar, the close box, Show
    // with Modal 0) leaves every output as the host set it and Result False;
    // Escape and Enter in a box close nothing. Continuar is a choice of no lot.
    void salidas_data()
    {
        for (const char *columna : {"dialogo", "salida", "esperado"})
            QTest::addColumn<QString>(columna);
        // Each row: class/model/dialog/title; the model " 4" keeps its blank: the class trims it.
        const QStringList dialogos =
            u"compras/2/frmLotesDatos2/Control de Lotes;compras/3/frmLotesDatos1/Control de Lotes;"
            u"compras/3.0/frmLotesDatos1/Control de Lotes;compras/ 4/frmLotesDatos1/Control de Lotes;"
            u"facturacion/1/frmLotesDatos1/Control de Lotes;facturacion/2/frmLotesStockFacturar2/Especifique Tono / "
            u"Calibre;facturacion/3/frmLotesStockFacturar1/Lotes en Stock;regularizar/2/frmLotesStockReg2/"
            u"Regularización de Tono / Calibre;regularizar/3/frmLotesStockReg1/Regularización de Lotes;traspaso/2/"
            u"frmLotesStockReg2/Traspaso de Tono / Calibre;traspaso/3/frmLotesStockReg1/Traspaso de Lote;inventario/"
            u"2/frmInventarioLotes2/Especifique Tono / Calibre;inventario/3/frmInventarioLotes1/Lotes de Artículos"_s
                .split(u';');
        for (const QString &d : dialogos) {
            for (const QString &salida : {u"cmdCancelar"_s, u"cerrar"_s, u"teclas"_s, u"propietario"_s})
                QTest::newRow(qPrintable(d.section(u'/', 0, 1) + u' ' + salida)) << d << salida << QString();
        }
        for (const QString &d : {u"compras/3"_s, u"facturacion/3"_s, u"inventario/3"_s, u"compras/4"_s})
            QTest::newRow(qPrintable(d + u" modal 0"_s)) << d << u"modal0"_s << QString();
        QTest::newRow("facturacion 2 continuar")
            << dialogos.at(5) << u"cmdContinuar"_s << u"Verdadero|0||1900-01-01||"_s;
        // The host turns to model 1 while the dialog is open: what comes back
        // follows the model read again, lot key 1.
        QTest::newRow("facturacion 3 modelo releido")
            << dialogos.at(6) << u"cmdAceptar"_s << u"Verdadero|1|L-4996|1900-01-01|T-HOST|C-HOST"_s;
    }
    void salidas()
    {
        QFETCH(QString, dialogo);
        QFETCH(QString, salida);
        QFETCH(QString, esperado);
        const QString clase = dialogo.section(u'/', 0, 0);
        NVLA_BASE_DATOS(bd, motores().constFirst(), false);
        QVERIFY_SQL(sembrarConInventario(*bd));
        Sesion s(clase, bd, dialogo.section(u'/', 1, 1));
        s.entrada.marcarSalidas();
        if (salida == u"cmdContinuar")
            s.entrada.fijar("PermitirContinuarSinLote", true);
        if (salida == u"modal0") {
            s.entrada.Show(0);
        } else {
            // The host's window may go while the dialog runs: the dialog ends with
            // it, freed once.
            auto propietario = std::make_unique<QWidget>();
            propietario->show();
            QVERIFY(s.entrada.mostrar(
                [&](QDialog *d) {
                    QCOMPARE(d->objectName() + u'/' + d->windowTitle(), dialogo.section(u'/', 2));
                    if (salida == u"propietario")
                        return propietario.reset();
                    if (auto *continuar = d->findChild<QWidget *>(u"cmdContinuar"_s))
                        QCOMPARE(continuar->isVisible(), salida == u"cmdContinuar");
                    if (salida == u"teclas") {
                        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                        if (clase == u"compras")
                            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                        QVERIFY(d->isVisible());
                    }
                    if (salida == u"cmdAceptar") // the host turned to model 1 meanwhile
                        s.ajustar({u"@Lotes_ModeloUsar=1"_s});
                    if (salida.startsWith(u"cmd"))
                        clic(d, salida);
                    else
                        d->close();
                },
                propietario.get()));
        }
        QCOMPARE(s.entrada.salidas(), esperado.isEmpty() ? s.entrada.salidasMarcadas() : esperado);
    }

    // The company is shared by every class: the last one given wins. A model
    // without a dialog answers whatever Modal says; with a dialog an invalid
    // Modal fails before any field changes.
    void empresaYModal()
    {
        Sesion primera(u"compras"_s, nullptr, u"1"_s);
        Sesion segunda(u"compras"_s, nullptr, u"7"_s);
        QCOMPARE(numeroError([&] { primera.entrada.Show(1); }), NumeroError::ModeloLotesNoValido);
        Sesion ventas(u"facturacion"_s, nullptr, u"4"_s);
        ventas.entrada.Show(-7);
        QCOMPARE(ventas.entrada.campo("Cod_Lote").toInt(), 1);
        segunda.ajustar({u"@Lotes_ModeloUsar=3"_s, u"Lote=X"_s});
        segunda.entrada.clase().EmpresaNuvalia(segunda.empresa);
        QCOMPARE(numeroError([&] { segunda.entrada.Show(2); }), NumeroError::LlamadaNoValida);
        QCOMPARE(segunda.entrada.campo("Lote").toString(), u"X"_s);
    }

    // By class identifier (braces and case aside) or by name; an unknown one
    // creates nothing.
    void registro()
    {
        for (const auto &[clave, clase] :
             {std::pair{u"467AEFB2-B541-4C0C-A141-D5C6100B49CA"_s, "frmclsLotesCompras"},
              std::pair{u"frmclsLotesCompras"_s, "frmclsLotesCompras"},
              std::pair{u"{e26860ab-5344-4968-8087-82426fb6941d}"_s, "frmclsLotesRegularizar"},
              std::pair{u"{12334dd8-5591-4a7b-88b4-6089e806b7e9}"_s, "frmclsLotesInventario"}}) {
            const auto creada = Registro::crearClase(clave);
            const ClaseEntradaLotes &entrada = *creada;
            QVERIFY2(QByteArray(typeid(entrada).name()).contains(clase), typeid(entrada).name());
        }
        QCOMPARE(numeroError([] { Registro::crearClase(u"00000000-0000-0000-0000-000000000000"_s); }),
                 NumeroError::ClaseNoDisponible);
    }

    // Bottom and right edges: moves both ways; all four: grows both ways; a
    // label nobody anchored stays; back to the design size, back in place; a
    // stored share of the change moves a control further.
    void anclajeAlRedimensionar()
    {
        VentanaPrueba ventana(ajustesStock());
        ventana.show();
        const QSize disenio = ventana.size();
        const QList<QRect> d = ventana.geometrias();
        ventana.resize(disenio + QSize(150, 90));
        QCOMPARE(ventana.geometrias(), (QList<QRect>{d[0].translated(150, 90), d[1].adjusted(0, 0, 150, 90), d[2]}));
        ventana.resize(disenio);
        QCOMPARE(ventana.geometrias(), d);

        VentanaPrueba conPorcentaje(ajustesStock({{u"anclaje0.porcresize"_s, u"50,0,0,0"_s}}));
        conPorcentaje.show();
        conPorcentaje.resize(conPorcentaje.size() + QSize(100, 0));
        QCOMPARE(conPorcentaje.geometrias().constFirst(), d[0].translated(150, 0));
    }

    // "ajustarform": a dialog of 7,005 twips is fitted to the screen of a
    // 1366 x 768 laptop at 150%, this run's screen; without it, it runs off it.
    void ajustarAPantalla()
    {
        for (const bool ajustar : {true, false}) {
            VentanaPrueba v(Anclaje::sinAnclados(5250, 7410, ajustar), {5130, 7005});
            v.show();
            QCOMPARE(v.screen()->availableGeometry().contains(v.frameGeometry()), ajustar);
        }
    }
};

QTEST_MAIN(TstProtocolo)
#include "tst_protocolo.moc"

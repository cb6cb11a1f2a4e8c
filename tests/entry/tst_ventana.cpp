// The window base: anchoring from stored settings, fitting to the screen,
// error titles and the tab positions the form helper records.
#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxTextBox.h"
#include "foundation/entry/VentanaLotes.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/ErrorLotes.h>

#include <QHash>
#include <QLabel>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// The anchoring of the stock window: inner area 5130 x 6600, and per control
// its edges and design rectangle; "location" as the settings store it.
Anclaje::Ajustes ajustesStock(bool ajustarForm)
{
    Anclaje::Ajustes ajustes = Anclaje::sinAnclados(5250, 7005, ajustarForm);
    const QList<std::tuple<QString, int, QRect>> anclados = {{u"cmdCrear"_s, 9, {270, 6165, 1155, 360}},
                                                             {u"cmdSalir"_s, 12, {3795, 6165, 1065, 360}},
                                                             {u"vsLotes"_s, 15, {75, 630, 4980, 5445}},
                                                             {u"txtAlmacen"_s, 7, {825, 135, 4245, 315}}};
    for (int n = 0; n < anclados.size(); ++n) {
        const auto &[nombre, bordes, r] = anclados.at(n);
        const QString prefijo = u"anclaje%1."_s.arg(n);
        ajustes.append({prefijo + u"nombre"_s, nombre});
        ajustes.append({prefijo + u"anclaje"_s, bordes});
        ajustes.append({prefijo + u"sizeini"_s, u"%1,%2,%3,%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())});
        ajustes.append(
            {prefijo + u"location"_s,
             u"%1,%2,%3,%4"_s.arg(5130 - r.x()).arg(6600 - r.y()).arg(5130 - r.width()).arg(6600 - r.height())});
        ajustes.append({prefijo + u"porcresize"_s, u"0,0,0,0"_s});
    }
    return ajustes;
}

class VentanaPrueba final : public VentanaLotes
{
public:
    explicit VentanaPrueba(const Anclaje::Ajustes &ajustes, QSize areaTwips = {5130, 6600})
    {
        setObjectName(u"frmLotesStockAlm1"_s);
        Formulario::etiqueta(this, u"Label1"_s, u"Almacén:"_s, {105, 195, 660, 195});
        auto *almacen = Formulario::cajaTexto(this, u"txtAlmacen"_s, 5, {825, 135, 4245, 315});
        auto *lista = Formulario::rejilla(this, u"vsLotes"_s, {75, 630, 4980, 5445});
        auto *crear = Formulario::boton(this, u"cmdCrear"_s, u"&Crear"_s, {270, 6165, 1155, 360});
        auto *salir = Formulario::boton(this, u"cmdSalir"_s, u"&Salir"_s, {3795, 6165, 1065, 360});
        Formulario::ordenTabulacion({salir, lista, almacen, crear});
        fijarAreaRedimensionable(areaTwips.width(), areaTwips.height());
        anclar(ajustes);
    }
    using VentanaLotes::fijarNombreEnErrores;
    using VentanaLotes::protegido;

    QRect geometria(const QString &nombre) const { return findChild<QWidget *>(nombre)->geometry(); }
};

} // namespace

class tst_Ventana : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void anclajeAlRedimensionar();
    void ajustesNoValidos_data();
    void ajustesNoValidos();
    void ajustarAPantalla();
    void tituloDeErrores();
    void posicionesDeTabulacion();
};

void tst_Ventana::anclajeAlRedimensionar()
{
    VentanaPrueba ventana(ajustesStock(false));
    QCOMPARE(ventana.anclaje()->configuracion().areaCliente(), QSize(5130, 6600));
    ventana.show();
    const QSize disenio = ventana.size();
    QHash<QString, QRect> dibujado;
    for (const QString &nombre : {u"cmdCrear"_s, u"cmdSalir"_s, u"vsLotes"_s, u"txtAlmacen"_s, u"Label1"_s})
        dibujado.insert(nombre, ventana.geometria(nombre));
    ventana.resize(disenio + QSize(150, 90));
    // Bottom left: moves down only; bottom right: down and right; all four
    // edges: grows both ways; left, top and right: grows in width only.
    QCOMPARE(ventana.geometria(u"cmdCrear"_s), dibujado[u"cmdCrear"_s].translated(0, 90));
    QCOMPARE(ventana.geometria(u"cmdSalir"_s), dibujado[u"cmdSalir"_s].translated(150, 90));
    QCOMPARE(ventana.geometria(u"vsLotes"_s), dibujado[u"vsLotes"_s].adjusted(0, 0, 150, 90));
    QCOMPARE(ventana.geometria(u"txtAlmacen"_s), dibujado[u"txtAlmacen"_s].adjusted(0, 0, 150, 0));
    // A label nobody anchored stays where it was drawn.
    QCOMPARE(ventana.geometria(u"Label1"_s), dibujado[u"Label1"_s]);
    // Back to the design size, back to the design places.
    ventana.resize(disenio);
    QCOMPARE(ventana.geometria(u"cmdSalir"_s), dibujado[u"cmdSalir"_s]);
    QCOMPARE(ventana.geometria(u"vsLotes"_s), dibujado[u"vsLotes"_s]);

    // A stored share of the size change moves the control further.
    Anclaje::Ajustes ajustes = ajustesStock(false);
    ajustes.append({u"anclaje1.porcresize"_s, u"50,0,0,0"_s});
    VentanaPrueba conPorcentaje(ajustes);
    conPorcentaje.show();
    conPorcentaje.resize(conPorcentaje.size() + QSize(100, 0));
    QCOMPARE(conPorcentaje.geometria(u"cmdSalir"_s), dibujado[u"cmdSalir"_s].translated(150, 0));
}

void tst_Ventana::ajustesNoValidos_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QVariant>("valor");
    QTest::newRow("sizeini de tres números") << u"anclaje0.sizeini"_s << QVariant(u"270,6165,1155"_s);
    QTest::newRow("location de otra área") << u"anclaje2.location"_s << QVariant(u"5000,5970,150,1155"_s);
    QTest::newRow("anclaje no numérico") << u"anclaje3.anclaje"_s << QVariant(u"arriba"_s);
}

// A window whose stored settings are wrong does not come up half anchored.
void tst_Ventana::ajustesNoValidos()
{
    QFETCH(QString, nombre);
    QFETCH(QVariant, valor);
    Anclaje::Ajustes ajustes = ajustesStock(false);
    ajustes.append({nombre, valor});
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, Anclaje::Configuracion::leer(ajustes));
}

// "ajustarform": a form larger than the working area is fitted into it when
// shown; without it the form keeps its size.
void tst_Ventana::ajustarAPantalla()
{
    const QRect disponible = QGuiApplication::primaryScreen()->availableGeometry();
    // Some thirty inches each way: larger than any working area.
    const QSize grande(45000, 45000);
    VentanaPrueba ajustada(Anclaje::sinAnclados(grande.width(), grande.height(), true), grande);
    ajustada.show();
    QVERIFY(ajustada.width() <= disponible.width() && ajustada.height() <= disponible.height());
    QVERIFY(disponible.contains(ajustada.frameGeometry()));

    VentanaPrueba sinAjustar(Anclaje::sinAnclados(grande.width(), grande.height(), false), grande);
    sinAjustar.show();
    QVERIFY(sinAjustar.width() > disponible.width());
}

void tst_Ventana::tituloDeErrores()
{
    VentanaPrueba ventana(ajustesStock(false));
    const auto falla = [] { throw ErrorLotes(NumeroError::LlamadaNoValida, u"sin almacén"_s, u"prueba"_s); };
    QList<MensajeVisto> mensajes = CapturarMensajes([&] { ventana.protegido(u"Crear"_s, falla); });
    QCOMPARE(mensajes.size(), 1);
    QCOMPARE(mensajes.at(0).titulo, u"frmLotesStockAlm1:Crear"_s);
    QCOMPARE(mensajes.at(0).texto, u"sin almacén"_s);
    QCOMPARE(mensajes.at(0).icono, QMessageBox::Critical);
    // A window may title its errors by another name than its objectName.
    ventana.fijarNombreEnErrores(u"frmLotecStockAlm1"_s);
    mensajes = CapturarMensajes([&] { ventana.protegido(u"Crear"_s, falla); });
    QCOMPARE(mensajes.size(), 1);
    QCOMPARE(mensajes.at(0).titulo, u"frmLotecStockAlm1:Crear"_s);
    // An action that succeeds shows nothing.
    QVERIFY(CapturarMensajes([&] { ventana.protegido(u"Crear"_s, [] {}); }).isEmpty());
}

// The tab order as given, numbered from 0; a control that takes no focus has
// no position and takes no number.
void tst_Ventana::posicionesDeTabulacion()
{
    VentanaPrueba ventana(ajustesStock(false));
    auto *etiqueta = ventana.findChild<QLabel *>(u"Label1"_s);
    Formulario::ordenTabulacion(
        {ventana.findChild<QWidget *>(u"cmdSalir"_s), etiqueta, ventana.findChild<QWidget *>(u"vsLotes"_s)});
    QCOMPARE(Formulario::posicionTab(ventana.findChild<QWidget *>(u"cmdSalir"_s)), 0);
    QCOMPARE(Formulario::posicionTab(ventana.findChild<QWidget *>(u"vsLotes"_s)), 1);
    QCOMPARE(Formulario::posicionTab(etiqueta), std::nullopt);
    QCOMPARE(Formulario::posicionTab(ventana.findChild<QWidget *>(u"cmdCrear"_s)), 3);
    Formulario::fijarPosicionTab(ventana.findChild<QWidget *>(u"txtAlmacen"_s), 2);
    QCOMPARE(Formulario::posicionTab(ventana.findChild<QWidget *>(u"txtAlmacen"_s)), 2);
}

QTEST_MAIN(tst_Ventana)
#include "tst_ventana.moc"

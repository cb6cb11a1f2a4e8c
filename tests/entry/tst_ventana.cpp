// The window base: anchoring from stored settings and fitting to the screen.
#include "foundation/controls/Formulario.h"
#include "foundation/entry/VentanaLotes.h"

#include <nvlalotes/ErrorLotes.h>

#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

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

class TstVentana : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

    // A window whose stored settings are wrong does not come up half anchored.
    void ajustesNoValidos()
    {
        for (const auto &[nombre, valor] : {std::pair{u"anclaje0.sizeini"_s, u"270,6165,1155"_s},
                                            std::pair{u"anclaje1.location"_s, u"5000,5970,150,1155"_s},
                                            std::pair{u"anclaje1.anclaje"_s, u"arriba"_s}})
            QVERIFY_THROWS_EXCEPTION(ErrorLotes, Anclaje::Configuracion::leer(ajustesStock({{nombre, valor}})));
    }

    // "ajustarform": a form larger than the working area (some thirty inches
    // each way) is fitted into it when shown; without it the form keeps its size.
    void ajustarAPantalla()
    {
        const QRect disponible = QGuiApplication::primaryScreen()->availableGeometry();
        VentanaPrueba ajustada(Anclaje::sinAnclados(45000, 45000, true), {45000, 45000});
        ajustada.show();
        QVERIFY(disponible.contains(ajustada.frameGeometry()));
        VentanaPrueba sinAjustar(Anclaje::sinAnclados(45000, 45000, false), {45000, 45000});
        sinAjustar.show();
        QVERIFY(sinAjustar.width() > disponible.width());
    }
};

QTEST_MAIN(TstVentana)
#include "tst_ventana.moc"

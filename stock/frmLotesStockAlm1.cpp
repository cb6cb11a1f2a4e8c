#include "frmLotesStockAlm1.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/lists/CeldasStock.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { ColStock = 1, ColLote = 2, ColCaducidad = 3 };

// The anchoring as the window stores it: the buttons keep to the bottom
// corners, the list grows both ways and the picker grows to the right.
Anclaje::Ajustes anclajes()
{
    constexpr int Ancho = 5130;
    constexpr int Alto = 6600;
    struct Anclado
    {
        QString nombre;
        int anclaje = 0;
        QRect rect;
    };
    const QList<Anclado> anclados{{u"cmdCrear"_s, 9, {270, 6165, 1155, 360}},
                                  {u"cmdSalir"_s, 12, {3795, 6165, 1065, 360}},
                                  {u"vsLotes"_s, 15, {75, 630, 4980, 5445}},
                                  {u"txtAlmacen"_s, 7, {825, 135, 4245, 315}}};
    Anclaje::Ajustes ajustes = Anclaje::sinAnclados(Ancho + 120, Alto + 405, false);
    int n = 0;
    for (const Anclado &a : anclados) {
        const QString prefijo = u"anclaje%1."_s.arg(n++);
        const QRect &r = a.rect;
        ajustes.append({prefijo + u"nombre"_s, a.nombre});
        ajustes.append({prefijo + u"anclaje"_s, a.anclaje});
        ajustes.append({prefijo + u"sizeini"_s, u"%1,%2,%3,%4"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())});
        ajustes.append(
            {prefijo + u"location"_s,
             u"%1,%2,%3,%4"_s.arg(Ancho - r.x()).arg(Alto - r.y()).arg(Ancho - r.width()).arg(Alto - r.height())});
        ajustes.append({prefijo + u"porcresize"_s, u"0,0,0,0"_s});
    }
    return ajustes;
}

} // namespace

frmLotesStockAlm1::frmLotesStockAlm1(QWidget *parent)
    : VentanaStockLotes(
          {u"frmLotesStockAlm1"_s,
           {105, 195, 660, 195},
           {825, 135, 4245, 315},
           {270, 6165, 1155, 360},
           {3795, 6165, 1065, 360},
           {{75, 630, 4980, 5445}, CeldasStock::columnasLote(CeldasStock::OrdenLote::LoteCaducidad), ColStock, -1}},
          parent)
{
    // Both the list's and Create's messages carry the window's name as it was stored.
    fijarNombreEnErrores(u"frmLotecStockAlm1"_s);
    fijarAreaRedimensionable(5130, 6600);
    anclar(anclajes());
    Formulario::posicionesTab({{cmdSalir, 0}, {vsLotes, 1}, {txtAlmacen, 2}, {cmdCrear, 4}});
    m_lista->marcarCaducados(ColCaducidad);
    m_lista->buscarAlTeclear(ColLote);
}

void frmLotesStockAlm1::mostrarBotones()
{
    if (Control_Caducidad || Control_Lotes)
        cmdCrear->setVisible(true);
    if (restringido())
        cmdCrear->setVisible(false);
}

void frmLotesStockAlm1::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    CeldasStock::filaLote(registro, fila, CeldasStock::OrdenLote::LoteCaducidad);
}

void frmLotesStockAlm1::llenarListas()
{
    leerLotes([this](Currency total) {
        if (vsLotes->rows() >= 2)
            agregarFilaResumen(ColStock, Formatos::instancia().FormatearNumero(QVariant::fromValue(total), 2), true);
    });
}

} // namespace NVLALotes

#include "Vitrina.h"

#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesCompras.h>
#include <nvlalotes/frmclsLotesFacturacion.h>
#include <nvlalotes/frmclsLotesInventario.h>
#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesStock.h>

using namespace Qt::StringLiterals;

namespace NVLALotes::Vitrina {

namespace {

// Every optional control on, so the picture shows the whole dialog.
void compras(int modelo, const std::shared_ptr<Conexion> &conexion)
{
    frmclsLotesCompras clase;
    clase.PedirCaducidad = true;
    clase.Unidades = 12;
    mostrarClase(clase, modelo, conexion);
}

// Warehouse 1 of the demo company and the article with lot codes given, or
// article 200 (tones and calibers, one of them blocked) under the tone model.
template<class Clase> void articuloDemo(Clase &clase, int modelo, qint32 articuloConLotes, int unidades)
{
    clase.Cod_Almacen = 1;
    clase.Cod_Articulo = modelo == 2 ? 200 : articuloConLotes;
    clase.Unidades = unidades;
}

// Article 101 has lots of several stocks, one short of the 5 units.
void facturacion(int modelo, const std::shared_ptr<Conexion> &conexion)
{
    frmclsLotesFacturacion clase;
    articuloDemo(clase, modelo, 101, 5);
    clase.PermitirAutomatico = true;
    clase.PermitirContinuarSinLote = true;
    clase.ControlCaducidad = true;
    mostrarClase(clase, modelo, conexion);
}

void regularizacion(int modelo, const std::shared_ptr<Conexion> &conexion)
{
    frmclsLotesRegularizar clase;
    clase.EsNegativo = true;
    articuloDemo(clase, modelo, 101, 5);
    mostrarClase(clase, modelo, conexion);
}

// Article 100 has a count in progress with a typed lot that is not listed.
void inventario(int modelo, const std::shared_ptr<Conexion> &conexion)
{
    frmclsLotesInventario clase;
    articuloDemo(clase, modelo, 100, 4);
    clase.ControlCaducidad = true;
    mostrarClase(clase, modelo, conexion);
}

// Warehouse 1, where article 200 has tones with owed units and 101 lot codes;
// both switches on, so the create button shows.
void stock(int modelo, const std::shared_ptr<Conexion> &conexion)
{
    frmclsLotesStock clase;
    clase.Cod_Almacen = 1;
    clase.Cod_Articulo = modelo == 2 ? 200 : 101;
    clase.Control_Lotes = true;
    clase.Control_Caducidad = true;
    mostrarClase(clase, modelo, conexion);
}

template<void (*abrirClase)(int, const std::shared_ptr<Conexion> &), int Modelo>
void conModelo(const std::shared_ptr<Conexion> &conexion)
{
    abrirClase(Modelo, conexion);
}

} // namespace

void mostrarClase(ClaseEntradaLotes &clase, int modelo, const std::shared_ptr<Conexion> &conexion)
{
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"Lotes_ModeloUsar"_s, QString::number(modelo));
    empresa->setParametro(u"Lotes_NroObligatorio"_s, true);
    empresa->setParametro(u"UsuarioActual"_s, 1);
    empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, true);
    empresa->setParametro(u"OficinaCentral"_s, true);
    clase.EmpresaNuvalia(std::move(empresa));
    clase.ConexionNuvalia(conexion);
    clase.Show(1);
}

const QList<Ventana> &ventanas()
{
    static const QList<Ventana> ventanas{
        {u"frmLotesDatos1"_s, u"frmclsLotesCompras"_s, conModelo<compras, 3>},
        {u"frmLotesDatos2"_s, u"frmclsLotesCompras"_s, conModelo<compras, 2>},
        {u"frmLotesStockFacturar1"_s, u"frmclsLotesFacturacion"_s, conModelo<facturacion, 3>},
        {u"frmLotesStockFacturar2"_s, u"frmclsLotesFacturacion"_s, conModelo<facturacion, 2>},
        {u"frmLotesStockReg1"_s, u"frmclsLotesRegularizar, frmclsLotesTraspaso"_s, conModelo<regularizacion, 3>},
        {u"frmLotesStockReg2"_s, u"frmclsLotesRegularizar, frmclsLotesTraspaso"_s, conModelo<regularizacion, 2>},
        {u"frmInventarioLotes1"_s, u"frmclsLotesInventario"_s, conModelo<inventario, 3>},
        {u"frmInventarioLotes2"_s, u"frmclsLotesInventario"_s, conModelo<inventario, 2>},
        {u"frmLotesStockAlm1"_s, u"frmclsLotesStock"_s, conModelo<stock, 3>},
        {u"frmLotesStockAlm2"_s, u"frmclsLotesStock"_s, conModelo<stock, 2>},
    };
    return ventanas;
}

} // namespace NVLALotes::Vitrina

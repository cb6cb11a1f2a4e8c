#include "frmLotesStockAlm2.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/LineaRejilla.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"
#include "foundation/lists/CeldasStock.h"
#include "stock/ConsultasStock.h"

#include <QScopeGuard>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { ColClave = 0, ColBloqueo = 1, ColStock = 2, ColTono = 3, ColCaducidad = 5 };

const QString Marca = u"X"_s;
const QString Pendiente = u"PENDIENTE DE ENTREGA"_s;

QString numero(Currency valor)
{
    return Formatos::instancia().FormatearNumero(QVariant::fromValue(valor), 2);
}

Currency importe(const QVariant &valor)
{
    return Currency::fromVariant(valor).value_or(Currency());
}

ConsultasStock::Claves claves(qint16 almacen, qint32 articulo)
{
    NVLAEMP &empresa = ContextoCompartido::empresaRequerida();
    return {empresa.CodigoEmpresa(), empresa.CodigoEmpresaClientes(), almacen, articulo};
}

} // namespace

frmLotesStockAlm2::frmLotesStockAlm2(QWidget *parent)
    : VentanaStockLotes({u"frmLotesStockAlm2"_s,
                         {90, 165, 660, 195},
                         {810, 105, 4245, 315},
                         {210, 4950, 1155, 360},
                         {12795, 4950, 1065, 360},
                         {{60, 600, 4980, 4245}, CeldasStock::columnasTono(true, 900), ColStock, ColBloqueo}},
                        parent)
{
    fijarNombreEnErrores(u"frmLotecStockAlm2"_s);
    fijarAreaSinAnclados(14100, 5430, false);
    Formulario::etiqueta(this, u"lblAPE"_s, u"Clientes Pendiente de Entrega:"_s, {5190, 315, 2190, 195});
    vsAPE = Formulario::rejilla(this, u"vsAPE"_s, {5190, 600, 8820, 4245});
    cmdBloquear = Formulario::boton(this, u"cmdBloquear"_s, u"Bloquear"_s, {3885, 4950, 1155, 360});

    Formulario::posicionesTab(
        {{vsLotes, 0}, {txtAlmacen, 1}, {cmdSalir, 2}, {cmdBloquear, 4}, {vsAPE, 5}, {cmdCrear, 7}});

    m_lista->marcarCaducados(ColCaducidad);
    m_lista->buscarAlTeclear(ColTono);
    connect(vsLotes, &Rejilla::filaCambiada, this, &frmLotesStockAlm2::filaCambiada);
    connect(cmdBloquear, &QAbstractButton::clicked, this, [this] { protegido(u"Bloquear"_s, [this] { bloquear(); }); });
}

void frmLotesStockAlm2::prepararListas()
{
    using A = Rejilla::Alineacion;
    ListaLotes::prepararColumnas(vsAPE,
                                 {{u"Cliente"_s, 900, A::DerechaCentro},
                                  {u"Cliente"_s, 4200, A::IzquierdaCentro},
                                  {u"T"_s, 350, A::CentroCentro},
                                  {u"Fecha"_s, 1000, A::CentroCentro},
                                  {u"Doc."_s, 1000, A::DerechaCentro},
                                  // The designed width was not kept: as wide as the document number,
                                  // so the units show beside it without scrolling.
                                  {u"Unidades"_s, 1000, A::DerechaCentro}},
                                 0);
    vsAPE->setMergeCells(1);
    // The two "Cliente" headers show as one over the code and the name.
    vsAPE->setMergeRow(0, true);
    // Long lists of documents read more easily in alternating shades.
    vsAPE->setAlternatingRowColors(true);
}

void frmLotesStockAlm2::mostrarBotones()
{
    if ((Control_Caducidad || Control_Lotes) && !restringido())
        cmdCrear->setVisible(true);
    cmdBloquear->setVisible(!restringido());
}

void frmLotesStockAlm2::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    CeldasStock::filaTono(registro, fila, true);
}

void frmLotesStockAlm2::llenarListas()
{
    // The owed units and the documents that owe them are read once per fill:
    // when the lots are all read at once, after them; when a long list is
    // still being read, right after the window shows its first lots, so that
    // the documents show without waiting for the end of the list. Either way
    // the rows close in the same order, and a failed read leaves the rows
    // before it: the units, then the pending row, then the documents, then
    // the total.
    auto pendientes = std::make_shared<Pendientes>();
    leerLotes([this, pendientes](Currency total) {
        Pendientes &p = *pendientes;
        auto marcarFallo = qScopeGuard([&p] { p.fallo = true; });
        if (vsLotes->rows() < 2) {
            // Without lots the article's own stock stands in, owed units included,
            // so that deducting them below leaves what the warehouse holds.
            total += filasDeStock();
        }
        if (!p.unidades && !p.fallo)
            p.unidades = unidadesPendientes();
        if (p.unidades && *p.unidades != Currency()) {
            const Currency unidades = *p.unidades;
            vsLotes->addItem(
                LineaRejilla::unir({QString(), QString(), numero(-unidades), Pendiente, Pendiente, Pendiente}));
            total -= unidades;
            vsLotes->setMergeRow(vsLotes->rows() - 1, true);
        }
        if (!p.documentos && !p.fallo)
            leerDocumentos(p);
        if (!p.fallo && vsLotes->rows() >= 2)
            agregarFilaResumen(ColStock, numero(total), true);
        marcarFallo.dismiss();
    });
    if (!m_lista->completa()) {
        // A long list shows its first lots at once; the documents that owe
        // units, read in full, follow as soon as the window has painted them.
        trasPintar([this, pendientes = std::weak_ptr(pendientes)] {
            const auto porLeer = pendientes.lock();
            if (!porLeer || porLeer->documentos || porLeer->fallo)
                return;
            auto marcarFallo = qScopeGuard([&p = *porLeer] { p.fallo = true; });
            if (!porLeer->unidades)
                porLeer->unidades = unidadesPendientes();
            leerDocumentos(*porLeer);
            marcarFallo.dismiss();
        });
    }
}

void frmLotesStockAlm2::listasLlenas()
{
    filaCambiada();
}

Currency frmLotesStockAlm2::filasDeStock()
{
    Currency suma;
    const std::unique_ptr<Registros> stock = ContextoCompartido::conexionRequerida().abrirConsulta(
        ConsultasStock::stockArticulo(claves(txtAlmacen->Almacen(), Cod_Articulo)));
    while (stock->siguiente()) {
        const Currency valor = importe(stock->campo(u"Stock"));
        agregarFilaResumen(ColStock, numero(valor), false);
        suma += valor;
    }
    return suma;
}

Currency frmLotesStockAlm2::unidadesPendientes()
{
    const std::unique_ptr<Registros> pendientes = ContextoCompartido::conexionRequerida().abrirConsulta(
        ConsultasStock::unidadesPendientes(claves(txtAlmacen->Almacen(), Cod_Articulo)));
    return pendientes->siguiente() ? importe(pendientes->campo(u"Und")) : Currency();
}

void frmLotesStockAlm2::leerDocumentos(Pendientes &pendientes)
{
    vsAPE->setRows(1);
    if (pendientes.unidades.value_or(Currency()) != Currency()) {
        const std::unique_ptr<Registros> documentos = ContextoCompartido::conexionRequerida().abrirConsulta(
            ConsultasStock::documentosPendientes(claves(txtAlmacen->Almacen(), Cod_Articulo)));
        const Formatos &formatos = Formatos::instancia();
        while (documentos->siguiente()) {
            vsAPE->addItem(LineaRejilla::unir(
                {documentos->campo(u"Cliente").toString(), documentos->campo(u"Nombre").toString(),
                 documentos->campo(u"Tipo").toString(),
                 formatos.FormatearFecha(textoDeFecha(documentos->campo(u"Fecha"))),
                 documentos->campo(u"Codigo").toString(), documentos->campo(u"Unidades").toString()}));
        }
    }
    pendientes.documentos = true;
}

void frmLotesStockAlm2::filaCambiada()
{
    const int fila = vsLotes->row();
    // The stock, pending and total rows have no key: nothing there to block.
    cmdBloquear->setVisible(loteActual() > 0 && !restringido());
    cmdBloquear->setText(vsLotes->textMatrix(fila, ColBloqueo) == Marca ? u"Desbloquear"_s : u"Bloquear"_s);
}

void frmLotesStockAlm2::bloquear()
{
    const int fila = vsLotes->row();
    // What the clerk sees decides, not a fresh read: a lot blocked elsewhere
    // since the list was filled is blocked again.
    const bool bloqueado = vsLotes->textMatrix(fila, ColBloqueo) == Marca;
    const qint32 lote = loteActual();
    try {
        ContextoCompartido::conexionRequerida().ejecutar(
            ConsultasStock::bloqueo(ContextoCompartido::empresaRequerida().CodigoEmpresa(), lote, !bloqueado));
    } catch (const ErrorLotes &error) {
        Mensajes::critico(this, tituloError(u"Bloquear"_s),
                          (bloqueado ? u"No se ha podido desbloquear el lote; sigue bloqueado."_s
                                     : u"No se ha podido bloquear el lote; sigue libre."_s) +
                              u"\n\n"_s + error.Description());
        return;
    }
    vsLotes->setTextMatrix(fila, ColBloqueo, bloqueado ? QString() : Marca);
    filaCambiada();
}

} // namespace NVLALotes

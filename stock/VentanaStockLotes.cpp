#include "VentanaStockLotes.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/ProcedimientoStockLotes.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/host/Ampliaciones.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/host/RegistroAlmacen.h"
#include "foundation/core/host/modComun.h"
#include "foundation/core/rules/ReglasStockLotes.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"
#include "foundation/lists/CeldasStock.h"
#include "stock/ConsultasStock.h"
#include "stock/EtiquetasStock.h"

#include <nvlalotes/frmclsLotesCompras.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

VentanaStockLotes::VentanaStockLotes(const Diseno &diseno, QWidget *parent)
    : VentanaLotes(parent)
{
    setObjectName(diseno.nombre);
    setWindowTitle(u"Stock x Lotes"_s);
    Formulario::etiqueta(this, u"Label1"_s, u"Almacén:"_s, diseno.etiqueta);
    txtAlmacen = Formulario::selectorAlmacen(this, u"txtAlmacen"_s, diseno.almacen);
    m_lista = new ListaLotes(this, diseno.lista);
    vsLotes = m_lista->rejilla();
    cmdCrear = Formulario::boton(this, u"cmdCrear"_s, u"&Crear"_s, diseno.crear);
    cmdCrear->setVisible(false);
    cmdSalir = Formulario::boton(this, u"cmdSalir"_s, u"&Salir"_s, diseno.salir);

    m_etiquetas = new EtiquetasStock(
        this, vsLotes, [this](int fila) { return loteDeFila(fila); }, [this](qint32 lote) { return etiqueta(lote); });

    connect(cmdCrear, &QAbstractButton::clicked, this, [this] { protegido(u"Crear"_s, [this] { crear(); }); });
    connect(cmdSalir, &QAbstractButton::clicked, this, &QDialog::close);
    connect(txtAlmacen, &kxAlmacen::almacenCambiado, this, [this] { llenar(); });
}

VentanaStockLotes::~VentanaStockLotes() = default;

void VentanaStockLotes::Cargar()
{
    txtAlmacen->setConexion(ContextoCompartido::conexion());
    txtAlmacen->setEmpresa(ContextoCompartido::empresa());
    txtAlmacen->setAlmacen(Cod_Almacen);
    m_lista->preparar();
    vsLotes->setMergeCells(1);
    prepararListas();
    // A warehouse that keeps no expiry dates turns the article's expiry off
    // here. Its record is loaded whatever the article says: its errors reach
    // the host all the same.
    const bool caducidadAlmacen = caducidadDelAlmacen();
    Control_Caducidad = Control_Caducidad && caducidadAlmacen;
    m_restringido = comprobarPermisos();
    mostrarBotones();
    llenar();
    m_etiquetas->activar(Ampliaciones::activa(Ampliaciones::Etiquetas));
}

qint32 VentanaStockLotes::loteDeFila(int fila) const
{
    return m_lista->claveDeFila(fila);
}

bool VentanaStockLotes::caducidadDelAlmacen() const
{
    if (!txtAlmacen->UsarDatosAlmacen())
        return false;
    const std::unique_ptr<RegistroAlmacen> registro = RegistroAlmacen::crear();
    registro->setEmpresa(ContextoCompartido::empresa());
    registro->setConexion(ContextoCompartido::conexion());
    registro->setCodigoAlmacen(txtAlmacen->Almacen());
    registro->Cargar(nullptr);
    return registro->ControlCaducidad();
}

bool VentanaStockLotes::comprobarPermisos()
{
    const QString origen = objectName() + u".Cargar"_s;
    qint32 menu = 0;
    {
        const std::unique_ptr<Registros> formulario = ContextoCompartido::conexionRequerida().abrirConsulta(
            u"SELECT IDMenu FROM SGD_Formularios WHERE Nombre = 'frmArticulos'"_s);
        if (formulario->siguiente())
            menu = formulario->campo(u"IdMenu").toInt();
    }
    bool restringido = modComun::MenuRestringido(menu, QString(), 1);
    // Outside head office, only a host that lets shops edit articles keeps the
    // menu's answer.
    NVLAEMP &empresa = ContextoCompartido::empresaRequerida();
    if (!valorBooleano(empresa.LeerParametro(u"ArticulosHabModFichaTiendas"_s), origen) &&
        !valorBooleano(empresa.LeerParametro(u"OficinaCentral"_s), origen))
        restringido = true;
    return restringido;
}

void VentanaStockLotes::llenar()
{
    vsLotes->setRedraw(false);
    try {
        llenarListas();
        vsLotes->setRedraw(true);
        listasLlenas();
    } catch (const ErrorDeCarga &) {
        vsLotes->setRedraw(true); // told where it happened
    } catch (const ErrorLotes &error) {
        vsLotes->setRedraw(true);
        falloAlLeer(error);
    }
}

void VentanaStockLotes::leerLotes(std::function<void(Currency)> cerrar)
{
    m_lista->vaciar();
    auto total = std::make_shared<Currency>();
    m_lista->llenar(
        ReglasStockLotes::consulta(
            u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado"_s,
            ContextoCompartido::empresaRequerida().CodigoEmpresa(), txtAlmacen->Almacen(), Cod_Articulo, false),
        [this, total](const Registros &registro, FilaOrigen &fila) {
            *total += CeldasStock::stockDelLote(registro);
            filaDeRegistro(registro, fila);
        },
        [total, cerrar = std::move(cerrar)] { cerrar(*total); });
}

void VentanaStockLotes::agregarFilaResumen(int columna, const QString &texto, bool negrita)
{
    QStringList celdas(vsLotes->cols());
    celdas[columna] = texto;
    vsLotes->addItem(celdas.join(u'\t'));
    const int fila = vsLotes->rows() - 1;
    if (negrita)
        vsLotes->setCellFontBold(fila, columna, fila, columna, true);
    // The header's own shade, so the figure stands out as a summary.
    vsLotes->setCellBackColor(fila, columna + 1, fila, vsLotes->cols() - 1, vsLotes->backColorFixed());
}

void VentanaStockLotes::crear()
{
    const qint16 almacen = txtAlmacen->Almacen();
    if (almacen == 0)
        return;
    Cod_Almacen = almacen;

    frmclsLotesCompras compras;
    compras.ConexionNuvalia(ContextoCompartido::conexion());
    compras.EmpresaNuvalia(ContextoCompartido::empresa());
    compras.PedirCaducidad = Control_Caducidad;
    compras.Show(1, nullptr);
    if (!compras.Result)
        return;

    LlamadaStockLote llamada;
    llamada.empresa = ContextoCompartido::empresaRequerida().CodigoEmpresa();
    llamada.almacen = Cod_Almacen;
    llamada.articulo = Cod_Articulo;
    llamada.lote = compras.Lote;
    llamada.caducidad = compras.Caducidad.isValid() ? compras.Caducidad : fechaNula();
    llamada.tono = compras.Tono;
    llamada.calibre = compras.Calibre;
    llamada.claveEntradaSalida = false;
    qint32 lote = 0;
    try {
        lote = actualizarStockLote(ContextoCompartido::conexionRequerida(), llamada);
    } catch (const ErrorLotes &error) {
        // A procedure that gives no key back has still registered the lot;
        // only its label is not offered.
        if (error.Number() != NumeroError::ProcedimientoSinClave)
            throw;
    }
    Cargar();
    m_etiquetas->ofrecer(lote);
}

EtiquetaLote VentanaStockLotes::etiqueta(qint32 lote) const
{
    Conexion &conexion = ContextoCompartido::conexionRequerida();
    const qint16 empresa = ContextoCompartido::empresaRequerida().CodigoEmpresa();
    EtiquetaLote resultado;
    resultado.articulo = Cod_Articulo;
    resultado.tonoCalibre = etiquetaConTono();
    const std::unique_ptr<Registros> registro = conexion.abrirConsulta(ConsultasStock::loteEtiqueta(empresa, lote));
    if (registro->siguiente()) {
        resultado.lote = registro->campo(u"Lote").toString();
        resultado.caducidad = fechaDeValor(registro->campo(u"Caducidad"));
        resultado.tono = registro->campo(u"Tono").toString();
        resultado.calibre = registro->campo(u"Calibre").toString();
    }
    // The description is the host's own table: a host that keeps it elsewhere
    // gets labels without it.
    try {
        const std::unique_ptr<Registros> articulo =
            conexion.abrirConsulta(ConsultasStock::descripcionArticulo(empresa, Cod_Articulo));
        if (articulo->siguiente())
            resultado.descripcion = articulo->campo(u"Descripcion").toString().trimmed();
    } catch (const ErrorLotes &) {
    }
    return resultado;
}

} // namespace NVLALotes

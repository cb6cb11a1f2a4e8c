#include "VentanaStockLotes.h"

#include "foundation/controls/BusquedaEnRejilla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/database/Conexion.h"
#include "foundation/database/ProcedimientoStockLotes.h"
#include "foundation/database/Registros.h"
#include "foundation/host/Ampliaciones.h"
#include "foundation/host/ContextoCompartido.h"
#include "foundation/host/NVLAEMP.h"
#include "foundation/host/RegistroAlmacen.h"
#include "foundation/host/modComun.h"
#include "foundation/values/Conversiones.h"
#include "foundation/values/ErrorLotes.h"

#include <nvlalotes/frmclsLotesCompras.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// The stock column of a lot query's record.
constexpr int CampoStock = 1;

} // namespace

VentanaStockLotes::VentanaStockLotes(const Diseno &diseno, QWidget *parent)
    : VentanaLotes(parent)
{
    setObjectName(diseno.nombre);
    setWindowTitle(u"Stock x Lotes"_s);
    Formulario::etiqueta(this, u"Label1"_s, u"Almacén:"_s, diseno.etiqueta);
    txtAlmacen = Formulario::selectorAlmacen(this, u"txtAlmacen"_s, diseno.almacen);
    vsLotes = Formulario::rejilla(this, u"vsLotes"_s, diseno.lotes);
    // Only lot rows carry a key; the stock, pending and total rows do not.
    m_busqueda =
        new BusquedaEnRejilla(vsLotes, [this](int fila) { return ValorNumerico(vsLotes->TextMatrix(fila, 0)) > 0; });
    cmdCrear = Formulario::boton(this, u"cmdCrear"_s, u"&Crear"_s, diseno.crear);
    cmdCrear->setVisible(false);
    cmdSalir = Formulario::boton(this, u"cmdSalir"_s, u"&Salir"_s, diseno.salir);

    connect(cmdCrear, &QAbstractButton::clicked, this, [this] { protegido(u"Crear"_s, [this] { crear(); }); });
    connect(cmdSalir, &QAbstractButton::clicked, this, &QDialog::close);
    connect(txtAlmacen, &kxAlmacen::AlmacenCambiado, this, [this] { llenar(); });
}

VentanaStockLotes::~VentanaStockLotes() = default;

void VentanaStockLotes::Cargar()
{
    txtAlmacen->setConexion(ContextoCompartido::conexion());
    txtAlmacen->setEmpresa(ContextoCompartido::empresa());
    txtAlmacen->setAlmacen(Cod_Almacen);
    prepararListas();
    // A warehouse that keeps no expiry dates turns the article's expiry off here.
    Control_Caducidad = Control_Caducidad && caducidadDelAlmacen();
    m_restringido = comprobarPermisos();
    mostrarBotones();
    llenar();
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
        const std::unique_ptr<Registros> formulario = ContextoCompartido::conexionRequerida().AbrirConsulta(
            u"SELECT IDMenu FROM SGD_Formularios WHERE Nombre = 'frmArticulos'"_s);
        if (formulario->Siguiente())
            menu = formulario->Campo(u"IdMenu").toInt();
    }
    bool restringido = modComun::MenuRestringido(menu, QString(), 1);
    // Outside head office, only a host that lets shops edit articles keeps the
    // menu's answer.
    NVLAEMP &empresa = ContextoCompartido::empresaRequerida();
    if (!ValorBooleano(empresa.LeerParametro(u"ArticulosHabModFichaTiendas"_s), origen) &&
        !ValorBooleano(empresa.LeerParametro(u"OficinaCentral"_s), origen))
        restringido = true;
    return restringido;
}

void VentanaStockLotes::ayudasDeLista(int columnaBusqueda, int columnaCaducidad)
{
    if (Ampliaciones::Activa(Ampliaciones::MarcarCaducados))
        vsLotes->modelo()->fijarColumnaCaducidad(columnaCaducidad, QDate::currentDate());
    m_busqueda->fijarColumna(Ampliaciones::Activa(Ampliaciones::BusquedaAlTeclear) ? columnaBusqueda : -1);
}

void VentanaStockLotes::prepararRejilla(Rejilla *rejilla, const QList<Columna> &columnas, int primera)
{
    rejilla->setCols(int(columnas.size()) + primera);
    rejilla->setRows(1);
    int c = primera;
    for (const Columna &columna : columnas) {
        rejilla->setTextMatrix(0, c, columna.cabecera);
        if (columna.ancho > 0)
            rejilla->setColWidth(c, columna.ancho);
        rejilla->setColAlignment(c, columna.alineacion);
        ++c;
    }
    rejilla->setCellAlignment(0, 0, 0, rejilla->Cols() - 1, Rejilla::Alineacion::CentroCentro);
    rejilla->setMergeCells(1);
}

QString VentanaStockLotes::consultaLotes() const
{
    return u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado"_s +
           u" FROM Almacen_Articulos_Lotes a"_s + u" INNER JOIN Articulos_Lotes b"_s +
           u" ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote"_s + u" WHERE a.Cod_Empresa = "_s +
           QString::number(ContextoCompartido::empresaRequerida().CodigoEmpresa()) + u" AND a.Cod_Almacen = "_s +
           QString::number(txtAlmacen->Almacen()) + u" AND b.Cod_Articulo = "_s + QString::number(Cod_Articulo) +
           u" ORDER BY a.Stock_Actual"_s;
}

Currency VentanaStockLotes::leerLotes(const std::function<QString(const Registros &)> &fila)
{
    const std::unique_ptr<Registros> registros = ContextoCompartido::conexionRequerida().AbrirConsulta(consultaLotes());
    Currency total;
    while (registros->Siguiente()) {
        vsLotes->AddItem(fila(*registros));
        total += Currency::fromVariant(registros->Campo(CampoStock)).value_or(Currency());
    }
    return total;
}

void VentanaStockLotes::agregarFilaResumen(int columna, const QString &texto, bool negrita)
{
    QStringList celdas(vsLotes->Cols());
    celdas[columna] = texto;
    vsLotes->AddItem(celdas.join(u'\t'));
    const int fila = vsLotes->Rows() - 1;
    if (negrita)
        vsLotes->setCellFontBold(fila, columna, fila, columna, true);
    // The header's own shade, so the figure stands out as a summary.
    vsLotes->setCellBackColor(fila, columna + 1, fila, vsLotes->Cols() - 1, vsLotes->BackColorFixed());
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
    llamada.caducidad = compras.Caducidad.isValid() ? compras.Caducidad : FechaNula();
    llamada.tono = compras.Tono;
    llamada.calibre = compras.Calibre;
    llamada.claveEntradaSalida = false;
    try {
        ActualizarStockLote(ContextoCompartido::conexionRequerida(), llamada);
    } catch (const ErrorLotes &error) {
        // The window lists lots, it never uses the key: a procedure that
        // gives none back has still registered the lot.
        if (error.Number() != NumeroError::ProcedimientoSinClave)
            throw;
    }
    Cargar();
}

} // namespace NVLALotes

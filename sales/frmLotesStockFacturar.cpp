#include "frmLotesStockFacturar.h"

#include "foundation/controls/Anclaje.h"
#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Teclado.h"
#include "foundation/controls/Twips.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/database/Conexion.h"
#include "foundation/database/ProcedimientoStockLotes.h"
#include "foundation/database/Registros.h"
#include "foundation/host/ContextoCompartido.h"
#include "foundation/host/NVLAEMP.h"
#include "foundation/values/Conversiones.h"
#include "foundation/values/ErrorLotes.h"
#include "sales/ReglasStockLotes.h"

#include <QGroupBox>
#include <QHeaderView>

using namespace Qt::StringLiterals;

namespace NVLALotes {

const QString frmLotesStockFacturar::TextoAutomatico = u"- SELECCIÓN AUTOMÁTICA -"_s;

frmLotesStockFacturar::frmLotesStockFacturar(const Diseno &diseno, QWidget *parent)
    : DialogoLotes(parent)
    , m_diseno(diseno)
{
    setObjectName(diseno.nombre);
    setWindowTitle(diseno.titulo);
    fijarAreaCliente(diseno.areaCliente.width(), diseno.areaCliente.height());

    frmNuevoLote = new QGroupBox(u"Manual"_s, this);
    frmNuevoLote->setObjectName(u"frmNuevoLote"_s);
    Twips::colocar(frmNuevoLote, diseno.marco);

    vsLotes = new Rejilla(this);
    vsLotes->setObjectName(u"vsLotes"_s);
    Twips::colocar(vsLotes, diseno.rejilla);
    connect(vsLotes, &Rejilla::FocoRecibido, this, [this] { m_entradaManual = false; });
    connect(vsLotes, &Rejilla::ErrorDeLectura, this, [this](const QString &descripcion) {
        Mensajes::Critico(this, objectName() + u":Cargar"_s,
                          u"No se ha podido leer el resto de la lista de lotes.\n\n"_s + descripcion);
    });
    connect(vsLotes, &Rejilla::TeclaAbajo, this, [this](int tecla) {
        if (tecla == CodigosTecla::FlechaArriba && arribaSaleDeRejilla(vsLotes->Row()))
            Teclado::instancia().FocoAnterior();
    });
    connect(vsLotes, &Rejilla::TeclaPulsada, this, [this](int caracter) {
        if (caracter == CodigosTecla::Intro)
            cmdAceptar->click();
    });

    cmdAceptar = Formulario::boton(this, u"cmdAceptar"_s, u"&Aceptar"_s, diseno.aceptar);
    connect(cmdAceptar, &QAbstractButton::clicked, this, [this] { protegido(u"Aceptar"_s, [this] { aceptar(); }); });

    cmdCancelar = Formulario::boton(this, u"cmdCancelar"_s, u"&Cancelar"_s, diseno.cancelar);
    connect(cmdCancelar, &QAbstractButton::clicked, this, &frmLotesStockFacturar::terminarCancelando);

    // Laid out for 800 x 600 and fitted to smaller screens; no control is anchored.
    const QSize marcoVentana = diseno.areaCliente + QSize(120, 405);
    new Anclaje(this, {marcoVentana.width(), marcoVentana.height(), true, 800, 600, diseno.areaCliente, {}});
}

kxTextBox *frmLotesStockFacturar::cajaManual(const QString &nombre, int maxLength, const QRect &twips)
{
    kxTextBox *caja = Formulario::cajaTexto(frmNuevoLote, nombre, maxLength, twips);
    connect(caja, &kxTextBox::FocoRecibido, this, [this] { m_entradaManual = true; });
    return caja;
}

void frmLotesStockFacturar::fechaManual(const QRect &twips)
{
    txtCaducidad = Formulario::cajaFecha(frmNuevoLote, twips);
    connect(txtCaducidad, &kxTextBox::FocoRecibido, this, [this] { m_entradaManual = true; });
}

void frmLotesStockFacturar::Cargar()
{
    antesDeCargar();
    prepararRejilla();
    if (PermitirAutomatico)
        agregarFilaAutomatica();
    llenarRejilla();
    if (vsLotes->TieneFilas())
        vsLotes->setRow(1);
    vsLotes->setFocus(Qt::OtherFocusReason);
}

void frmLotesStockFacturar::prepararRejilla()
{
    const int columnas = int(m_diseno.columnas.size()) + 1;
    vsLotes->setCols(columnas);
    vsLotes->setRows(1);
    for (int c = 1; c < columnas; ++c) {
        const Columna &columna = m_diseno.columnas.at(c - 1);
        vsLotes->setTextMatrix(0, c, columna.cabecera);
        if (columna.anchoTwips > 0)
            vsLotes->setColWidth(c, columna.anchoTwips);
        vsLotes->setColAlignment(c, columna.alineacion);
    }
    // A column without a designed width takes what is left of the grid.
    vsLotes->horizontalHeader()->setStretchLastSection(m_diseno.columnas.constLast().anchoTwips == 0);
    vsLotes->setCellAlignment(0, 0, 0, columnas - 1, Rejilla::Alineacion::CentroCentro);
    vsLotes->setColHidden(0, true);
}

void frmLotesStockFacturar::agregarFilaAutomatica()
{
    QString linea = u"-1"_s;
    for (int c = 1; c < vsLotes->Cols(); ++c)
        linea += u'\t' + TextoAutomatico;
    vsLotes->AddItem(linea);
    vsLotes->setMergeCells(1);
    vsLotes->setMergeRow(1, true);
    vsLotes->setCellAlignment(0, 1, 1, vsLotes->Cols() - 1, Rejilla::Alineacion::CentroCentro);
}

void frmLotesStockFacturar::llenarRejilla()
{
    const QString sql =
        ReglasStockLotes::Consulta(m_diseno.seleccion, ContextoCompartido::empresaRequerida().CodigoEmpresa(),
                                   Cod_Almacen, Cod_Articulo, Unidades > Currency(0));
    // The result stays open while the list is read: the first rows now, the
    // rest as the clerk scrolls or as soon as a choice needs every row.
    std::shared_ptr<Registros> registros = ContextoCompartido::conexionRequerida().AbrirConsulta(sql);
    vsLotes->AddItemsFrom([this, registros](QString &linea) mutable {
        if (!registros->Siguiente()) {
            registros.reset();
            return false;
        }
        linea = filaDeRegistro(*registros);
        return true;
    });
}

bool frmLotesStockFacturar::esFilaAutomatica(int fila) const
{
    return fila == 1 && PermitirAutomatico;
}

bool frmLotesStockFacturar::filaBloqueada(int fila) const
{
    return m_diseno.columnaBloqueo >= 0 && !vsLotes->TextMatrix(fila, m_diseno.columnaBloqueo).isEmpty();
}

void frmLotesStockFacturar::aceptar()
{
    if (m_entradaManual)
        aceptarManual();
    else
        aceptarDesdeRejilla();
}

void frmLotesStockFacturar::aceptarDesdeRejilla()
{
    const int fila = vsLotes->Row();
    if (fila <= 0)
        return;
    if (esFilaAutomatica(fila)) {
        const int elegida = ReglasStockLotes::EleccionAutomatica(2, vsLotes->Rows() - 1, Unidades, [this](int f) {
            return ReglasStockLotes::FilaCandidata{vsLotes->TextMatrix(f, m_diseno.columnaStock), filaBloqueada(f)};
        });
        if (elegida < 0) {
            Mensajes::Atencion(this, u"No existe un lote con stock suficiente"_s);
            return;
        }
        tomarFila(elegida);
        return;
    }
    if (filaBloqueada(fila)) {
        Mensajes::Atencion(this, u"El lote seleccionado está bloqueado."_s);
        return;
    }
    if (ReglasStockLotes::StockMostrado(vsLotes->TextMatrix(fila, m_diseno.columnaStock)) < Unidades) {
        Mensajes::Atencion(this, u"El lote seleccionado no tiene stock suficiente"_s);
        return;
    }
    tomarFila(fila);
}

bool frmLotesStockFacturar::comprobarFechaManual()
{
    if (ControlCaducidad && !EsFecha(txtCaducidad->Valor())) {
        Mensajes::Atencion(this, u"Debe especificar la fecha de caducidad"_s);
        txtCaducidad->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

QDate frmLotesStockFacturar::fechaTecleada() const
{
    return FechaDeTexto(txtCaducidad->Valor());
}

qint32 frmLotesStockFacturar::claveDeFila(int fila) const
{
    return qint32(ValorNumerico(vsLotes->TextMatrix(fila, 0)));
}

QDate frmLotesStockFacturar::fechaDeColumna(int fila, int columna) const
{
    return FechaDeTexto(vsLotes->TextMatrix(fila, columna));
}

qint32 frmLotesStockFacturar::claveListada(const std::function<bool(int)> &coincide) const
{
    for (int fila = 1; fila < vsLotes->Rows(); ++fila) {
        if (coincide(fila))
            return claveDeFila(fila);
    }
    return 0;
}

qint32 frmLotesStockFacturar::claveDelLoteTecleado(const std::function<bool(int)> &coincide, const QString &lote,
                                                   const QString &tono, const QString &calibre)
{
    const qint32 listada = claveListada(coincide);
    if (listada != 0)
        return listada;
    LlamadaStockLote llamada;
    llamada.empresa = ContextoCompartido::empresaRequerida().CodigoEmpresa();
    llamada.almacen = Cod_Almacen;
    llamada.articulo = Cod_Articulo;
    llamada.lote = lote;
    llamada.caducidad = fechaTecleada();
    llamada.tono = tono;
    llamada.calibre = calibre;
    try {
        return ActualizarStockLote(ContextoCompartido::conexionRequerida(), llamada);
    } catch (const ErrorLotes &error) {
        throw ErrorLotes(error.Number(),
                         u"No se ha podido dar de alta el lote tecleado en el almacén; no se ha elegido ningún "
                         u"lote.\n\n"_s +
                             error.Description(),
                         error.Source());
    }
}

void frmLotesStockFacturar::terminarConLote(qint32 clave, const QString &lote, const QDate &caducidad,
                                            const QString &tono, const QString &calibre)
{
    Cod_Lote = clave;
    Lote = lote;
    Caducidad = caducidad;
    Tono = tono;
    Calibre = calibre;
    terminarAceptando();
}

} // namespace NVLALotes

#include "frmLotesStockFacturar.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/database/ProcedimientoStockLotes.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"
#include "foundation/lists/MarcoManual.h"
#include "sales/frmRepartoLotes.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmLotesStockFacturar::frmLotesStockFacturar(const Diseno &diseno, QString seleccion, Columnas columnas,
                                             QWidget *parent)
    : DialogoListaLotes(diseno, parent)
    , m_seleccion(std::move(seleccion))
    , m_columnas(columnas)
{
    // Enter in the list is Aceptar.
    connect(m_lista, &ListaLotes::intro, cmdAceptar, &QAbstractButton::click);
    // A split shows the lots as the list does, but for the block flag: a blocked lot is never split.
    for (int c = 0; c < diseno.lista.columnas.size(); ++c) {
        const ListaLotes::Columna &columna = diseno.lista.columnas.at(c);
        if (c + 1 != columnas.eleccion.bloqueo)
            m_columnasLista.append(
                {columna.cabecera, columna.anchoTwips > 0 ? columna.anchoTwips : 1500, columna.alineacion});
    }
    connect(vsLotes, &Rejilla::teclaAbajo, this, [this](int tecla) {
        if (tecla == CodigosTecla::F6 && cmdRepartir)
            cmdRepartir->click();
    });
}

frmLotesStockFacturar::~frmLotesStockFacturar() = default;

void frmLotesStockFacturar::Cargar()
{
    // Only a host that splits lines sees the button, or has it in the form's catalog.
    if (PermitirReparto && !cmdRepartir) {
        cmdRepartir = Formulario::boton(this, u"cmdRepartir"_s, u"&Repartir"_s, m_columnas.repartir);
        cmdRepartir->setToolTip(u"Repartir la línea entre varios lotes (F6)"_s);
        connect(cmdRepartir, &QAbstractButton::clicked, this,
                [this] { protegido(u"Repartir"_s, [this] { repartir(); }); });
    }
    // The strategy matters only where the dialog chooses by itself.
    if (PermitirAutomatico || PermitirReparto)
        m_estrategia = EleccionLotes::leerEstrategia();
    m_lista->fijarVidaMinima(std::max(DiasVidaMinima, 0));
    DialogoListaLotes::Cargar();
    if (PermitirAutomatico && m_estrategia != EleccionLotes::Estrategia::MenorSuficiente) {
        for (int c = 1; c < vsLotes->cols(); ++c)
            vsLotes->setTextMatrix(1, c, EleccionLotes::textoAutomatico(m_estrategia));
    }
}

QDate frmLotesStockFacturar::aceptaDesde() const
{
    return DiasVidaMinima > 0 ? QDate::currentDate().addDays(DiasVidaMinima) : QDate();
}

EleccionLotes frmLotesStockFacturar::eleccion() const
{
    return {*m_lista, m_columnas.eleccion, m_estrategia, aceptaDesde()};
}

int frmLotesStockFacturar::filaAutomatica() const
{
    // Without strategy or shelf life, the list's own walk, which stops at the first lot that will do.
    if (m_estrategia == EleccionLotes::Estrategia::MenorSuficiente && DiasVidaMinima <= 0)
        return DialogoListaLotes::filaAutomatica();
    return eleccion().elegir(Unidades);
}

void frmLotesStockFacturar::sinFilaAutomatica()
{
    if (PermitirReparto)
        repartir();
    else
        DialogoListaLotes::sinFilaAutomatica();
}

bool frmLotesStockFacturar::admitirFila(int fila)
{
    if (DiasVidaMinima <= 0 || !eleccion().vidaCorta(fila))
        return true;
    Mensajes::atencion(this,
                       u"El lote seleccionado caduca el %1 y el cliente sólo acepta lotes que caduquen a partir "
                       u"del %2"_s.arg(m_lista->texto(fila, m_columnas.eleccion.fecha), textoDeFecha(aceptaDesde())));
    return false;
}

LoteReparto frmLotesStockFacturar::loteDeFila(int fila) const
{
    const EleccionLotes::Columnas &c = m_columnas.eleccion;
    LoteReparto lote;
    lote.Cod_Lote = m_lista->claveDeFila(fila);
    lote.Lote = m_columnas.lote >= 0 ? m_lista->texto(fila, m_columnas.lote) : QString();
    lote.Caducidad = m_lista->fecha(fila, c.fecha);
    lote.Tono = c.tono >= 0 ? m_lista->texto(fila, c.tono) : QString();
    lote.Calibre = c.calibre >= 0 ? m_lista->texto(fila, c.calibre) : QString();
    return lote;
}

void frmLotesStockFacturar::repartir()
{
    const bool porTono = m_columnas.eleccion.tono >= 0;
    std::vector<EleccionLotes::Parte> partes = eleccion().repartir(Unidades);
    if (partes.empty()) {
        Mensajes::atencion(this, porTono ? u"No existe stock suficiente de un mismo tono y calibre para repartir la "
                                           u"línea"_s
                                         : u"No existe stock suficiente para repartir la línea entre lotes"_s);
        return;
    }
    const int bloqueo = m_columnas.eleccion.bloqueo;
    frmRepartoLotes::Lista lista{m_columnasLista,
                                 [this, bloqueo](int fila) {
                                     QStringList celdas;
                                     for (int c = 0; c < vsLotes->cols(); ++c) {
                                         if (c != bloqueo)
                                             celdas << m_lista->texto(fila, c);
                                     }
                                     return celdas.join(u'\t');
                                 },
                                 [this](int fila) { return m_lista->stockMostrado(fila); }};
    frmRepartoLotes dialogo(this, std::move(lista), std::move(partes), Unidades);
    dialogo.Cargar();
    if (dialogo.exec() == 0 || !dialogo.Result)
        return;
    const std::vector<EleccionLotes::Parte> reparto = dialogo.reparto();
    QList<LoteReparto> lotes;
    for (const EleccionLotes::Parte &parte : reparto) {
        lotes.append(loteDeFila(parte.fila));
        lotes.last().Unidades = parte.unidades;
    }
    // The single-lot outputs hold the first lot: a host that reads only them reads a lot of the line.
    Reparto = lotes;
    tomarFila(reparto.front().fila);
}

QString frmLotesStockFacturar::consulta() const
{
    return ReglasStockLotes::consulta(m_seleccion, ContextoCompartido::empresaRequerida().CodigoEmpresa(), Cod_Almacen,
                                      Cod_Articulo, Unidades > Currency(0));
}

bool frmLotesStockFacturar::comprobarFechaManual()
{
    return m_manual->comprobarFecha(ControlCaducidad, u"Debe especificar la fecha de caducidad"_s);
}

qint32 frmLotesStockFacturar::claveDelLoteTecleado(const QList<ReglasStockLotes::CeldaTecleada> &celdas,
                                                   const QString &lote, const QString &tono, const QString &calibre)
{
    const int listada = m_lista->filaTecleada(celdas);
    if (listada > 0)
        return m_lista->claveDeFila(listada);
    LlamadaStockLote llamada;
    llamada.empresa = ContextoCompartido::empresaRequerida().CodigoEmpresa();
    llamada.almacen = Cod_Almacen;
    llamada.articulo = Cod_Articulo;
    llamada.lote = lote;
    llamada.caducidad = m_manual->fechaTecleada();
    llamada.tono = tono;
    llamada.calibre = calibre;
    try {
        return actualizarStockLote(ContextoCompartido::conexionRequerida(), llamada);
    } catch (const ErrorLotes &error) {
        throw ErrorLotes(error.Number(),
                         u"No se ha podido dar de alta el lote tecleado en el almacén; no se ha elegido ningún "
                         u"lote.\n\n"_s +
                             error.Description(),
                         error.Source());
    }
}

} // namespace NVLALotes

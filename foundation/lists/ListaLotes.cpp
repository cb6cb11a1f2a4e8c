#include "ListaLotes.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Teclado.h"
#include "foundation/database/Conexion.h"
#include "foundation/database/Registros.h"
#include "foundation/entry/VentanaLotes.h"
#include "foundation/host/Ampliaciones.h"
#include "foundation/host/ContextoCompartido.h"
#include "foundation/values/Conversiones.h"

#include <QHeaderView>

using namespace Qt::StringLiterals;

namespace NVLALotes {

const QString ListaLotes::TextoAutomatico = u"- SELECCIÓN AUTOMÁTICA -"_s;

ListaLotes::ListaLotes(VentanaLotes *ventana, Diseno diseno)
    : QObject(ventana)
    , m_rejilla(Formulario::rejilla(ventana, u"vsLotes"_s, diseno.rejilla))
    , m_diseno(std::move(diseno))
{
    connect(m_rejilla, &Rejilla::ErrorDeLectura, this, [ventana](const QString &descripcion) {
        Mensajes::Critico(ventana, ventana->tituloError(u"Cargar"_s),
                          u"No se ha podido leer el resto de la lista de lotes.\n\n"_s + descripcion);
    });
    connect(m_rejilla, &Rejilla::TeclaAbajo, this, [this](int tecla) {
        if (tecla == CodigosTecla::FlechaArriba && m_saleArriba && m_saleArriba(m_rejilla->Row()))
            Teclado::instancia().FocoAnterior();
    });
    connect(m_rejilla, &Rejilla::TeclaPulsada, this, [this](int caracter) {
        if (caracter == CodigosTecla::Intro)
            Q_EMIT Intro();
    });
    // The automatic row and other merged bands are no lots.
    m_busqueda = new BusquedaEnRejilla(
        m_rejilla, [this](int fila) { return !esFilaAutomatica(fila) && !m_rejilla->modelo()->filaUnida(fila); });
}

void ListaLotes::preparar()
{
    const int columnas = int(m_diseno.columnas.size()) + 1;
    m_rejilla->setCols(columnas);
    m_rejilla->setRows(1);
    m_filaAutomatica = false;
    for (int c = 1; c < columnas; ++c) {
        const Columna &columna = m_diseno.columnas.at(c - 1);
        m_rejilla->setTextMatrix(0, c, columna.cabecera);
        if (columna.anchoTwips > 0)
            m_rejilla->setColWidth(c, columna.anchoTwips);
        m_rejilla->setColAlignment(c, columna.alineacion);
    }
    // A column without a designed width takes what is left of the grid.
    m_rejilla->horizontalHeader()->setStretchLastSection(m_diseno.columnas.constLast().anchoTwips == 0);
    m_rejilla->setCellAlignment(0, 0, 0, columnas - 1, Rejilla::Alineacion::CentroCentro);
    m_rejilla->setColHidden(0, true);
}

void ListaLotes::agregarFilaAutomatica()
{
    QString linea = u"-1"_s;
    for (int c = 1; c < m_rejilla->Cols(); ++c)
        linea += u'\t' + TextoAutomatico;
    m_rejilla->AddItem(linea);
    m_rejilla->setMergeCells(1);
    m_rejilla->setMergeRow(1, true);
    m_rejilla->setCellAlignment(0, 1, 1, m_rejilla->Cols() - 1, Rejilla::Alineacion::CentroCentro);
    m_filaAutomatica = true;
}

void ListaLotes::llenar(const QString &sql, std::function<QString(const Registros &)> fila)
{
    // The result stays open while the list is read: the first rows now, the
    // rest as the clerk scrolls or as a rule needs them.
    std::shared_ptr<Registros> registros = ContextoCompartido::conexionRequerida().AbrirConsulta(sql);
    if (m_columnaCaducidad >= 0 && Ampliaciones::Activa(Ampliaciones::MarcarCaducados))
        m_rejilla->modelo()->fijarColumnaCaducidad(m_columnaCaducidad, QDate::currentDate());
    m_busqueda->fijarColumna(
        m_columnaBusqueda >= 0 && Ampliaciones::Activa(Ampliaciones::BusquedaAlTeclear) ? m_columnaBusqueda : -1);
    m_rejilla->AddItemsFrom([registros, fila = std::move(fila)](QString &linea) mutable {
        if (!registros || !registros->Siguiente()) {
            registros.reset();
            return false;
        }
        linea = fila(*registros);
        return true;
    });
}

void ListaLotes::elegirPrimeraFila()
{
    if (m_rejilla->TieneFilas())
        m_rejilla->setRow(1);
}

bool ListaLotes::bloqueada(int fila) const
{
    return m_diseno.columnaBloqueo >= 0 && !texto(fila, m_diseno.columnaBloqueo).isEmpty();
}

Currency ListaLotes::stockMostrado(int fila) const
{
    return ReglasStockLotes::StockMostrado(texto(fila, m_diseno.columnaStock));
}

// The walks below look at rows the grid has just read, through views of their
// text: a list of 100,000 lots must not cost a copy of each cell it passes.
int ListaLotes::eleccionAutomatica(Currency unidades) const
{
    const ModeloRejilla &modelo = *m_rejilla->modelo();
    const int bloqueo = m_diseno.columnaBloqueo;
    return m_rejilla->BuscarFila(m_filaAutomatica ? 2 : 1, [&](int fila) {
        return ReglasStockLotes::CubreUnidades(modelo.vista(fila, m_diseno.columnaStock),
                                               bloqueo >= 0 && !modelo.vista(fila, bloqueo).isEmpty(), unidades);
    });
}

int ListaLotes::filaTecleada(const QList<ReglasStockLotes::CeldaTecleada> &celdas) const
{
    const ModeloRejilla &modelo = *m_rejilla->modelo();
    return m_rejilla->BuscarFila(1, [&](int fila) {
        return ReglasStockLotes::CoincideTecleado(celdas, [&](int columna) { return modelo.vista(fila, columna); });
    });
}

qint32 ListaLotes::claveDeFila(int fila) const
{
    return qint32(ValorNumerico(texto(fila, 0)));
}

QDate ListaLotes::fecha(int fila, int columna) const
{
    return FechaDeTexto(texto(fila, columna));
}

} // namespace NVLALotes

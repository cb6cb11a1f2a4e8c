#include "ListaLotes.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Teclado.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/host/Ampliaciones.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"
#include "foundation/entry/VentanaLotes.h"

#include <QHeaderView>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes {

const QString ListaLotes::TextoAutomatico = u"- SELECCIÓN AUTOMÁTICA -"_s;

ListaLotes::ListaLotes(VentanaLotes *ventana, Diseno diseno)
    : QObject(ventana)
    , m_ventana(ventana)
    , m_rejilla(Formulario::rejilla(ventana, u"vsLotes"_s, diseno.rejilla))
    , m_diseno(std::move(diseno))
{
    connect(m_rejilla, &Rejilla::teclaAbajo, this, [this](int tecla) {
        if (tecla == CodigosTecla::FlechaArriba && m_saleArriba && m_saleArriba(m_rejilla->row()))
            Teclado::instancia().FocoAnterior();
    });
    connect(m_rejilla, &Rejilla::teclaPulsada, this, [this](int caracter) {
        if (caracter == CodigosTecla::Intro)
            Q_EMIT intro();
    });
    // Only lot rows carry a key: the automatic row and the summary rows of a
    // stock list are no lots.
    m_busqueda = new BusquedaEnRejilla(m_rejilla, [this](int fila) {
        QString formateado;
        return valorNumerico(m_rejilla->modelo()->vista(fila, 0, formateado)) > 0;
    });
}

void ListaLotes::prepararColumnas(Rejilla *rejilla, const QList<Columna> &columnas, int primera)
{
    rejilla->setCols(int(columnas.size()) + primera);
    rejilla->setRows(1);
    int c = primera;
    for (const Columna &columna : columnas) {
        rejilla->setTextMatrix(0, c, columna.cabecera);
        if (columna.anchoTwips > 0)
            rejilla->setColWidth(c, columna.anchoTwips);
        rejilla->setColAlignment(c, columna.alineacion);
        rejilla->modelo()->fijarColumnaValor(c, columna.valor);
        ++c;
    }
    // A column without a designed width takes what is left of the grid, and no
    // more: a stretched column never shrinks below the width it had, so it
    // starts narrow, or it would run past the right edge.
    QHeaderView *cabecera = rejilla->horizontalHeader();
    const bool estirar = columnas.constLast().anchoTwips == 0;
    cabecera->setStretchLastSection(false);
    if (estirar)
        cabecera->resizeSection(rejilla->cols() - 1, cabecera->minimumSectionSize());
    cabecera->setStretchLastSection(estirar);
    rejilla->setCellAlignment(0, 0, 0, rejilla->cols() - 1, Rejilla::Alineacion::CentroCentro);
}

void ListaLotes::vaciar()
{
    m_rejilla->modelo()->fijarOrigen({});
    m_rejilla->setRows(1);
}

void ListaLotes::preparar()
{
    vaciar();
    prepararColumnas(m_rejilla, m_diseno.columnas, 1);
    m_filaAutomatica = false;
    m_rejilla->setColHidden(0, true);
}

void ListaLotes::agregarFilaAutomatica()
{
    QString linea = u"-1"_s;
    for (int c = 1; c < m_rejilla->cols(); ++c)
        linea += u'\t' + TextoAutomatico;
    m_rejilla->addItem(linea);
    m_rejilla->setMergeCells(1);
    m_rejilla->setMergeRow(1, true);
    m_rejilla->setCellAlignment(0, 1, 1, m_rejilla->cols() - 1, Rejilla::Alineacion::CentroCentro);
    m_filaAutomatica = true;
}

template<class Paso> auto ListaLotes::leyendo(Paso &&paso) -> decltype(paso())
{
    try {
        return paso();
    } catch (const ErrorDeCarga &) {
        throw;
    } catch (const ErrorLotes &error) {
        // Told once, where it happens: the rule, key or scroll that asked for
        // the rows only stops.
        m_ventana->falloAlLeer(error);
        throw ErrorDeCarga(error);
    }
}

void ListaLotes::llenar(const QString &sql, EscritorFila fila, std::function<void()> alAcabar)
{
    // The result stays open while the list is read: the first rows now, the
    // rest as the clerk scrolls or as a rule needs them.
    std::shared_ptr<Registros> registros = ContextoCompartido::conexionRequerida().abrirConsulta(sql);
    if (m_columnaCaducidad >= 0 && Ampliaciones::activa(Ampliaciones::MarcarCaducados))
        m_rejilla->modelo()->fijarColumnaCaducidad(m_columnaCaducidad, QDate::currentDate().addDays(m_vidaMinima));
    m_busqueda->fijarColumna(
        m_columnaBusqueda >= 0 && Ampliaciones::activa(Ampliaciones::BusquedaAlTeclear) ? m_columnaBusqueda : -1);
    std::function<void()> cierre;
    if (alAcabar)
        cierre = [this, alAcabar = std::move(alAcabar)] { leyendo(alAcabar); };
    m_rejilla->addItemsFrom(
        [this, registros, fila = std::move(fila)](FilaOrigen &leida) mutable {
            return leyendo([&] {
                if (!registros || !registros->siguiente()) {
                    registros.reset();
                    return false;
                }
                leida.valores.fill(FilaOrigen::SinValor);
                fila(*registros, leida);
                return true;
            });
        },
        std::move(cierre));
}

bool ListaLotes::completa() const
{
    return !m_rejilla->modelo()->quedanFilasPorLeer();
}

void ListaLotes::elegirPrimeraFila()
{
    if (m_rejilla->tieneFilas())
        m_rejilla->setRow(1);
}

bool ListaLotes::bloqueada(int fila) const
{
    return m_diseno.columnaBloqueo >= 0 && !texto(fila, m_diseno.columnaBloqueo).isEmpty();
}

Currency ListaLotes::stockMostrado(int fila) const
{
    // Read to the row first: a row of a long list may still be unread.
    const QString escrito = texto(fila, m_diseno.columnaStock);
    if (const std::optional<qint64> stock = m_rejilla->modelo()->valor(fila, m_diseno.columnaStock))
        return ReglasStockLotes::stockMostrado(Currency::fromRaw(*stock));
    return ReglasStockLotes::stockMostrado(escrito);
}

// The walks below look at rows the grid has just read, through their values
// and views of their text: a list of 100,000 lots must not cost a copy or a
// formatting of each cell it passes.
int ListaLotes::eleccionAutomatica(Currency unidades) const
{
    const ModeloRejilla &modelo = *m_rejilla->modelo();
    const int columnaStock = m_diseno.columnaStock;
    const int bloqueo = m_diseno.columnaBloqueo;
    QString formateado;
    return m_rejilla->buscarFila(m_filaAutomatica ? 2 : 1, [&](int fila) {
        const std::optional<qint64> stock = modelo.valor(fila, columnaStock);
        const Currency mostrado = stock ? ReglasStockLotes::stockMostrado(Currency::fromRaw(*stock))
                                        : ReglasStockLotes::stockMostrado(modelo.vista(fila, columnaStock, formateado));
        return ReglasStockLotes::cubreUnidades(
            mostrado, bloqueo >= 0 && !modelo.vista(fila, bloqueo, formateado).isEmpty(), unidades);
    });
}

int ListaLotes::filaTecleada(const QList<ReglasStockLotes::CeldaTecleada> &celdas) const
{
    const ModeloRejilla &modelo = *m_rejilla->modelo();
    // Text cells first: a value cell is written out only for a row whose
    // texts already match.
    QList<ReglasStockLotes::CeldaTecleada> ordenadas = celdas;
    // Iterators, not ranges: clang-tidy's parser cannot instantiate the ranges
    // form over a QList with this standard library.
    std::stable_partition(ordenadas.begin(), ordenadas.end(), [&](const ReglasStockLotes::CeldaTecleada &celda) {
        return !modelo.columnaDeValores(celda.columna);
    });
    QString formateado;
    return m_rejilla->buscarFila(1, [&](int fila) {
        return ReglasStockLotes::coincideTecleado(ordenadas,
                                                  [&](int columna) { return modelo.vista(fila, columna, formateado); });
    });
}

qint32 ListaLotes::claveDeFila(int fila) const
{
    return qint32(valorNumerico(texto(fila, 0)));
}

QDate ListaLotes::fecha(int fila, int columna) const
{
    return fechaDeTexto(texto(fila, columna));
}

} // namespace NVLALotes

#include "Rejilla.h"

#include "foundation/controls/CabeceraRejilla.h"
#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Twips.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QScopeGuard>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// Designed row height of the lists, raised when the font needs more.
constexpr int AltoFilaTwips = 240;

RangoCeldas rangoOrdenado(int row1, int col1, int row2, int col2)
{
    return {std::min(row1, row2), std::min(col1, col2), std::max(row1, row2), std::max(col1, col2)};
}

} // namespace

Rejilla::Rejilla(QWidget *parent)
    : QTableView(parent)
    , m_modelo(new ModeloRejilla(this))
{
    auto *cabecera = new CabeceraRejilla(m_modelo, this);
    cabecera->setSectionsClickable(false);
    cabecera->setHighlightSections(false);
    cabecera->setDefaultAlignment(Qt::AlignCenter);
    cabecera->setSectionResizeMode(QHeaderView::Interactive);
    setHorizontalHeader(cabecera);
    setModel(m_modelo);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setSortingEnabled(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // A screen reader tells a list by its name: the dialogs' designs name theirs,
    // and any other (the warehouse picker's) is at least a list.
    setAccessibleName(u"Lista"_s);

    // Every row has the same height: a list of 100,000 lots lays out at once.
    QHeaderView *filas = verticalHeader();
    filas->hide();
    filas->setSectionResizeMode(QHeaderView::Fixed);
    filas->setMinimumSectionSize(1);
    filas->setDefaultSectionSize(std::max(Twips::aPixelesY(AltoFilaTwips), fontMetrics().height() + 4));

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_cambiandoFila)
            Q_EMIT filaCambiada();
    });
}

Rejilla::~Rejilla() = default;

int Rejilla::rows() const
{
    leerTodo();
    return m_modelo->filas();
}

bool Rejilla::tieneFilas() const
{
    if (m_modelo->filas() == 1 && m_modelo->quedanFilasPorLeer())
        m_modelo->leerDelOrigen(1);
    return m_modelo->filas() > 1;
}

void Rejilla::setRows(int rows)
{
    leerTodo();
    const int antes = this->row();
    m_cambiandoFila = true;
    m_modelo->fijarFilas(rows);
    if (m_filaPendiente >= this->rows())
        m_filaPendiente = 0;
    m_cambiandoFila = false;
    avisarSiCambiaFila(antes);
}

int Rejilla::cols() const
{
    return m_modelo->columnas();
}

void Rejilla::setCols(int cols)
{
    m_modelo->fijarColumnas(cols);
    m_anchosTwips.resize(this->cols(), -1);
    aplicarUniones();
}

int Rejilla::row() const
{
    if (m_filaPendiente > 0)
        return m_filaPendiente;
    const QModelIndex actual = currentIndex();
    return actual.isValid() ? actual.row() + 1 : 0;
}

void Rejilla::setRow(int row)
{
    comprobarFila(row);
    const int antes = this->row();
    m_cambiandoFila = true;
    m_filaPendiente = 0;
    if (row == 0)
        selectionModel()->clear();
    else if (row > m_modelo->rowCount())
        m_filaPendiente = row; // shown when redraw is switched on again
    else
        seleccionarFila(row);
    m_cambiandoFila = false;
    avisarSiCambiaFila(antes);
}

QString Rejilla::textMatrix(int row, int col) const
{
    comprobarFila(row);
    comprobarColumna(col);
    return m_modelo->texto(row, col);
}

void Rejilla::setTextMatrix(int row, int col, const QString &text)
{
    comprobarFila(row);
    comprobarColumna(col);
    m_modelo->fijarTexto(row, col, text);
    actualizarUnion(row);
}

void Rejilla::setColWidth(int col, int twips)
{
    comprobarColumna(col);
    m_anchosTwips[col] = twips;
    setColumnWidth(col, Twips::aPixelesX(twips));
}

int Rejilla::colWidth(int col) const
{
    comprobarColumna(col);
    const int pixeles = columnWidth(col);
    // Unless the clerk has dragged the column since, the width given is the width.
    if (m_anchosTwips[col] >= 0 && Twips::aPixelesX(m_anchosTwips[col]) == pixeles)
        return m_anchosTwips[col];
    return Twips::dePixelesX(pixeles);
}

void Rejilla::setColAlignment(int col, Alineacion alineacion)
{
    comprobarColumna(col);
    m_modelo->fijarAlineacionColumna(col, alineacion);
}

void Rejilla::setColHidden(int col, bool hidden)
{
    comprobarColumna(col);
    setColumnHidden(col, hidden);
}

bool Rejilla::colHidden(int col) const
{
    comprobarColumna(col);
    return isColumnHidden(col);
}

void Rejilla::setCellAlignment(int row1, int col1, int row2, int col2, Alineacion alineacion)
{
    comprobarRango(row1, col1, row2, col2);
    m_modelo->fijarAlineacion(rangoOrdenado(row1, col1, row2, col2), alineacion);
}

void Rejilla::setCellFontBold(int row1, int col1, int row2, int col2, bool bold)
{
    comprobarRango(row1, col1, row2, col2);
    m_modelo->fijarNegrita(rangoOrdenado(row1, col1, row2, col2), bold);
}

void Rejilla::setCellBackColor(int row1, int col1, int row2, int col2, const QColor &color)
{
    comprobarRango(row1, col1, row2, col2);
    m_modelo->fijarColorFondo(rangoOrdenado(row1, col1, row2, col2), color);
}

QColor Rejilla::backColorFixed() const
{
    return palette().color(QPalette::Button);
}

void Rejilla::addItem(const QString &lineaTabulada)
{
    leerTodo();
    m_modelo->agregarFila(lineaTabulada);
}

void Rejilla::addItemsFrom(std::function<bool(FilaOrigen &)> origen, std::function<void()> alAcabar)
{
    constexpr int PrimerasFilas = 100;
    leerTodo();
    m_modelo->fijarOrigen(std::move(origen), std::move(alAcabar));
    m_modelo->leerDelOrigen(PrimerasFilas);
}

int Rejilla::buscarFila(int desde, const std::function<bool(int)> &coincide) const
{
    // The rows the walk reads reach the view together when it ends, however it ends.
    m_modelo->fijarLecturaEnBloque(true);
    const auto alTerminar = qScopeGuard([this] { m_modelo->fijarLecturaEnBloque(false); });
    for (int fila = std::max(desde, 1);; ++fila) {
        leerHasta(fila);
        if (fila >= m_modelo->filas())
            return -1;
        if (coincide(fila))
            return fila;
    }
}

void Rejilla::leerHasta(int row) const
{
    // In steps, so a search that goes far does not pay the source's call per row.
    constexpr int FilasPorPaso = 256;
    while (row >= m_modelo->filas() && m_modelo->quedanFilasPorLeer()) {
        const int antes = m_modelo->filas();
        m_modelo->leerDelOrigen(std::max(FilasPorPaso, row - antes + 1));
        if (m_modelo->filas() == antes && m_modelo->quedanFilasPorLeer())
            return; // a read already under way will bring them
    }
}

void Rejilla::leerTodo() const
{
    if (m_modelo->quedanFilasPorLeer())
        m_modelo->completar();
}

void Rejilla::setMergeCells(int modo)
{
    m_modelo->fijarModoUnion(modo);
    aplicarUniones();
}

void Rejilla::setMergeRow(int row, bool merge)
{
    comprobarFila(row);
    m_modelo->fijarUnionFila(row, merge);
    actualizarUnion(row);
}

void Rejilla::setRedraw(bool redraw)
{
    if (redraw == m_modelo->redibujar())
        return;
    if (!redraw) {
        m_modelo->fijarRedibujar(false);
        return;
    }
    // The reset forgets the current row; the clerk must not see it move.
    const int antes = this->row();
    m_cambiandoFila = true;
    m_modelo->fijarRedibujar(true);
    m_filaPendiente = 0;
    if (antes > 0 && antes < rows())
        seleccionarFila(antes);
    m_cambiandoFila = false;
    aplicarUniones();
    avisarSiCambiaFila(antes);
}

void Rejilla::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    // Entering the list makes a row current; it shows chosen like any other.
    const QModelIndex actual = currentIndex();
    if (actual.isValid() && !selectionModel()->isRowSelected(actual.row()))
        selectionModel()->select(actual, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Q_EMIT focoRecibido();
    viewport()->update();
}

void Rejilla::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    viewport()->update(); // the whole chosen row turns grey, not only its current cell
}

void Rejilla::initViewItemOption(QStyleOptionViewItem *option) const
{
    QTableView::initViewItemOption(option);
    // The chosen row stays visible while the clerk types elsewhere, but grey:
    // only the list that has the focus shows its row in the selection colour,
    // so Aceptar's choice between the row and a typed lot shows at a glance.
    // The style paints a cell in the inactive colours when it is not active:
    // a list without the focus is not, though its window is.
    if (!hasFocus())
        option->state &= ~QStyle::State_Active;
    // Only the cells take the grey, never the grid's own palette: a palette of
    // its own would give the header and scroll bars of every grid new keys in
    // the style's shared pixmap cache, which would fill with the pieces of
    // grids long closed.
    QPalette &colores = option->palette;
    colores.setColor(QPalette::Inactive, QPalette::Highlight, colores.color(QPalette::Active, QPalette::Midlight));
    colores.setColor(QPalette::Inactive, QPalette::HighlightedText, colores.color(QPalette::Active, QPalette::Text));
}

void Rejilla::keyPressEvent(QKeyEvent *event)
{
    // The dialog's handlers see the key first; if one of them moved the focus
    // away or closed the window, the key was theirs.
    QPointer<Rejilla> yo(this);
    const bool teniaFoco = hasFocus();
    const auto atendida = [&] { return yo.isNull() || (teniaFoco && !hasFocus()); };

    if (const int tecla = CodigosTecla::codigoTecla(event); tecla != 0)
        Q_EMIT teclaAbajo(tecla);
    if (atendida())
        return;
    if (const int caracter = CodigosTecla::codigoCaracter(event); caracter != 0)
        Q_EMIT teclaPulsada(caracter);
    if (atendida())
        return;

    // Only moving keys move; typing neither searches the list nor reaches the
    // dialog, and Enter and Escape act only through the handlers above.
    if (CodigosTecla::esMovimiento(event->key()))
        QTableView::keyPressEvent(event);
    else
        event->accept();
}

void Rejilla::aplicarUniones()
{
    clearSpans();
    for (int row = 1; row <= m_modelo->rowCount(); ++row) {
        if (m_modelo->filaUnida(row))
            actualizarUnion(row);
    }
}

void Rejilla::actualizarUnion(int row)
{
    // The header merges through its own painting; rows not yet shown get their
    // spans when redraw is switched on.
    if (row == 0 || row > m_modelo->rowCount())
        return;
    const int fila = row - 1;
    for (int col = 0; col < cols(); col += columnSpan(fila, col)) {
        if (columnSpan(fila, col) > 1)
            setSpan(fila, col, 1, 1);
    }
    for (int col = 0; col < cols();) {
        const int ultima = m_modelo->tramoUnido(row, col).second;
        if (ultima > col)
            setSpan(fila, col, 1, ultima - col + 1);
        col = ultima + 1;
    }
}

void Rejilla::seleccionarFila(int row)
{
    int col = currentIndex().isValid() ? currentIndex().column() : 0;
    while (col < cols() - 1 && isColumnHidden(col))
        ++col;
    const QModelIndex destino = m_modelo->index(row - 1, col);
    selectionModel()->setCurrentIndex(destino, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(destino);
}

void Rejilla::avisarSiCambiaFila(int filaAntes)
{
    if (row() != filaAntes)
        Q_EMIT filaCambiada();
}

void Rejilla::comprobarFila(int row) const
{
    // A row is read up to, not the rest of the list after it.
    if (row >= 0)
        leerHasta(row);
    if (row < 0 || row >= m_modelo->filas())
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"La fila %1 no existe en la lista"_s.arg(row), objectName());
}

void Rejilla::comprobarRango(int row1, int col1, int row2, int col2) const
{
    comprobarFila(row1);
    comprobarFila(row2);
    comprobarColumna(col1);
    comprobarColumna(col2);
}

void Rejilla::comprobarColumna(int col) const
{
    if (col < 0 || col >= cols())
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"La columna %1 no existe en la lista"_s.arg(col), objectName());
}

} // namespace NVLALotes

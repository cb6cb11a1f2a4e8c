#pragma once

#include "foundation/controls/AlmacenLineas.h"
#include "foundation/controls/BloquesMemoria.h"
#include "foundation/controls/CapaFormato.h"
#include "foundation/controls/LineaRejilla.h"

#include <nvlalotes/nvlalotes_export.h>

#include <QAbstractTableModel>
#include <QColor>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <limits>
#include <optional>
#include <utility>

namespace NVLALotes {

// A data row as the grid's table keeps it: its values, and where its line is.
struct FilaGuardada
{
    std::array<qint64, FilaOrigen::MaximoValores> valores{FilaOrigen::SinValor, FilaOrigen::SinValor};
    AlmacenLineas::Tramo linea;
    bool unir = false;
};

// The table behind Rejilla. Each data row is kept as its tab-separated line,
// in one store of every row's text (AlmacenLineas), and cut into cells only
// when a cell is asked for, with the raw values of the
// columns that keep values (FilaOrigen), written out only for a cell that is
// painted or read as text; formats are kept per column and per rectangle,
// never per cell. Data row r of the grid is row r - 1 here; the grid's row 0
// is the horizontal header.
class NVLA_EXPORT ModeloRejilla final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModeloRejilla)

public:
    using Alineacion = AlineacionCelda;

    explicit ModeloRejilla(QObject *parent = nullptr);
    ~ModeloRejilla() override;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Rows of the grid, the header included, whether or not the views know them yet.
    int filas() const { return int(m_filas.size()) + 1; }
    // Fewer rows drops the last ones with their formats; more adds empty rows.
    void fijarFilas(int filas);
    int columnas() const { return m_columnas; }
    void fijarColumnas(int columnas);

    // Column `col` keeps one value per row (FilaOrigen::valores, in the order
    // of such columns, at most FilaOrigen::MaximoValores of them) and shows
    // it through `formato`; an empty `formato` makes it a text column again.
    // A column of expiry dates (fijarColumnaCaducidad) keeps day numbers.
    void fijarColumnaValor(int col, FormatoValor formato);
    bool columnaDeValores(int col) const { return m_ranura.value(col, -1) >= 0; }
    // The value a cell keeps; none for a text cell.
    std::optional<qint64> valor(int fila, int col) const;

    QString texto(int fila, int col) const;
    // The same text, for a walk over many rows: a text cell without a copy
    // (valid until the row changes), a value cell written into `formateado`.
    QStringView vista(int fila, int col, QString &formateado) const;
    // A value cell given a text keeps the text from then on.
    void fijarTexto(int fila, int col, const QString &texto);
    // The data cells of column `col` (-1: none) the clerk may edit in place
    // (QAbstractItemView::edit); each edit is told by celdaEditada.
    void fijarColumnaEditable(int col) { m_columnaEditable = col; }
    // Cells beyond the column count are dropped.
    void agregarFila(const QString &lineaTabulada);

    void fijarAlineacionColumna(int col, Alineacion alineacion);
    void fijarAlineacion(const RangoCeldas &rango, Alineacion alineacion);
    void fijarNegrita(const RangoCeldas &rango, bool negrita);
    void fijarColorFondo(const RangoCeldas &rango, const QColor &color);

    // Expiry dates of column `col` (-1: none) before `hoy` show in their own
    // colour with a tooltip. Worked out per cell as the view paints it, so a
    // long list costs nothing for rows nobody looks at.
    void fijarColumnaCaducidad(int col, QDate hoy);
    bool caducada(int fila) const;

    void fijarModoUnion(int modo);
    void fijarUnionFila(int fila, bool unir);
    bool filaUnida(int fila) const;
    // The first and last column of the run of equal, non-empty cells around
    // `col` in a merging row; (col, col) when the cell stands alone.
    std::pair<int, int> tramoUnido(int fila, int col) const;

    // Rows taken from `origen` as they are needed: by the views as the list
    // scrolls (fetchMore), or all at once by completar(). `origen` writes the
    // next row and answers false at the end, when it is dropped and `alAcabar`
    // runs once, free to append rows of its own.
    using OrigenFilas = std::function<bool(FilaOrigen &fila)>;
    void fijarOrigen(OrigenFilas origen, std::function<void()> alAcabar = {});
    bool quedanFilasPorLeer() const { return bool(m_origen); }
    // Reads up to `cuantas` rows; an error of the source reaches the caller,
    // the rows read before it are shown and the source is dropped, so a
    // broken read is not tried again.
    void leerDelOrigen(int cuantas);
    void completar() { leerDelOrigen(std::numeric_limits<int>::max()); }
    bool canFetchMore(const QModelIndex &parent) const override;
    // The views' reads cannot take an exception: an error ends the list and is
    // told through errorDeLectura.
    void fetchMore(const QModelIndex &parent) override;

    // While on, rows read from the source wait unseen and are told to the views
    // in one insertion when it is switched off: a rule that walks a long list
    // costs the views one update, not one per page.
    void fijarLecturaEnBloque(bool enBloque);

    // Off: appended rows and changed cells stay unseen by the views (removals
    // are still told at once). On again: one reset shows everything.
    void fijarRedibujar(bool redibujar);
    bool redibujar() const { return m_redibujar; }

Q_SIGNALS:
    void errorDeLectura(const QString &descripcion);
    void celdaEditada(int fila, int col);

private:
    using Fila = FilaGuardada;

    Fila &fila(int fila) { return fila == 0 ? m_cabecera : m_filas[fila - 1]; }
    const Fila &fila(int fila) const { return fila == 0 ? m_cabecera : m_filas[fila - 1]; }
    QStringView linea(int fila) const { return m_lineas.ver(this->fila(fila).linea); }
    QVariant formato(int fila, int col, int role) const;
    Qt::Alignment alineacion(int fila, int col) const;
    void avisarCambio(const RangoCeldas &rango);
    // Appends a row, its cells beyond the column count dropped, unseen by the views.
    void anexar(const FilaOrigen &fila);
    // No data rows left: their storage and texts go back.
    void liberarFilas();
    // Tells the views of the rows appended from `antes` on, unless redraw is off.
    void publicarDesde(int antes);

    AlmacenLineas m_lineas;
    Fila m_cabecera;
    FilasEnBloques<Fila> m_filas;
    // Data rows the views have been told of; only appends wait while redraw is off.
    int m_publicadas = 0;
    int m_columnas = 0;
    QList<Alineacion> m_alineacionColumna;
    QList<FormatoValor> m_formatoColumna;
    // Where each column's value is kept in a row; -1 for a text column.
    QList<int> m_ranura;
    CapaFormato<Alineacion> m_alineaciones;
    CapaFormato<bool> m_negritas;
    CapaFormato<QColor> m_fondos;
    int m_columnaCaducidad = -1;
    int m_columnaEditable = -1;
    QDate m_hoy;
    int m_modoUnion = 0;
    bool m_redibujar = true;
    OrigenFilas m_origen;
    std::function<void()> m_alAcabar;
    // A view that asks for more while rows are being inserted waits for the next time.
    bool m_leyendo = false;
    bool m_enBloque = false;
};

} // namespace NVLALotes

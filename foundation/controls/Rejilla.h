#pragma once

#include "foundation/controls/LineaRejilla.h"

#include <nvlalotes/nvlalotes_export.h>

#include <QColor>
#include <QList>
#include <QTableView>

#include <functional>

namespace NVLALotes {

class ModeloRejilla;

// The one grid control of every list in the library. Rows are numbered as the
// dialogs number them: row 0 is the header (the only fixed row), data rows
// start at 1. Backed by a table model that keeps each row as its tab-separated
// text line and the raw values of its value columns, so a list of 100,000 lots
// costs one string per row and formats only what is shown.
class NVLA_EXPORT Rejilla final : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Rejilla)

public:
    using Alineacion = AlineacionCelda;

    explicit Rejilla(QWidget *parent = nullptr);
    ~Rejilla() override;

    // Counts include the header row: an empty list has rows() == 1.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    // Whether there is a row below the header, without reading a whole source.
    bool tieneFilas() const;

    // Current row; 0 when no data row is current.
    int row() const;
    void setRow(int row);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);

    void setColWidth(int col, int twips);
    int colWidth(int col) const; // twips
    void setColAlignment(int col, Alineacion alineacion);
    void setColHidden(int col, bool hidden);
    bool colHidden(int col) const;

    // Formats of a rectangle of cells, rows and columns inclusive.
    void setCellAlignment(int row1, int col1, int row2, int col2, Alineacion alineacion);
    void setCellFontBold(int row1, int col1, int row2, int col2, bool bold);
    void setCellBackColor(int row1, int col1, int row2, int col2, const QColor &color);
    // The shade of the fixed (header) row, read from the grid's palette.
    QColor backColorFixed() const;

    // Appends a data row from one tab-separated line (missing cells are empty).
    void addItem(const QString &lineaTabulada);

    // Free merging (mode 1): in a row marked with setMergeRow, adjacent cells
    // with equal text show as one cell. Mode 0 merges nothing.
    void setMergeCells(int modo);
    void setMergeRow(int row, bool merge);

    // Rows taken from `origen` as the list needs them: the first ones now (an
    // error reaches the caller), the rest as the clerk scrolls down, or all of
    // them as soon as anything asks for the rows by number (rows, textMatrix,
    // setRow...). So a list of 100,000 lots shows at once and formats only what
    // is looked at. A read error later on reaches the code that asked for the
    // rows; one met by the view as it scrolls is told through the model's
    // errorDeLectura.
    // `alAcabar` runs once after the source's last row, and may append more.
    void addItemsFrom(std::function<bool(FilaOrigen &fila)> origen, std::function<void()> alAcabar = {});

    // The first row from `desde` on for which `coincide` holds, or -1. rows
    // still to come from a source are read only until one matches, so a search
    // that ends early leaves the rest of a long list unread.
    int buscarFila(int desde, const std::function<bool(int fila)> &coincide) const;

    // While redraw is off, rows are appended without telling the view; turning
    // it on shows them all at once.
    void setRedraw(bool redraw);

    ModeloRejilla *modelo() const { return m_modelo; }

Q_SIGNALS:
    void focoRecibido();
    void teclaAbajo(int codigoTecla);
    void teclaPulsada(int codigoCaracter);
    void filaCambiada();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void aplicarUniones();
    void actualizarUnion(int row);
    void seleccionarFila(int row);
    void avisarSiCambiaFila(int filaAntes);
    // Rows still to come from a source are read before rows are used by number:
    // all of them, or as many as reach a given row.
    void leerTodo() const;
    void leerHasta(int row) const;
    void comprobarFila(int row) const;
    void comprobarColumna(int col) const;
    void comprobarRango(int row1, int col1, int row2, int col2) const;

    ModeloRejilla *m_modelo;
    // Widths as the dialogs gave them, so that reading one back gives the same twips.
    QList<int> m_anchosTwips;
    // A current row set while redraw is off, before the views know its row.
    int m_filaPendiente = 0;
    // Selection changes made here report filaCambiada themselves, once.
    bool m_cambiandoFila = false;
};

} // namespace NVLALotes

#pragma once

#include "labels/ReporteEtiquetas.h"

#include <QObject>

#include <functional>

class QAction;
class QDialog;

namespace NVLALotes {

class Rejilla;

// The lot labels of a stock window: Ctrl+E prints the current row's lot on a
// label, Ctrl+Mayús+E a sheet of its labels, and the list's context menu offers
// both. Nothing of the window's design moves for them. Rows that are no lot
// (the stock, pending and total rows) offer neither, as they offer no block.
class EtiquetasStock final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EtiquetasStock)

public:
    // `loteDeFila` answers the lot key of a row of `lista` (0 on a row that is
    // no lot); `leer`, the label of a lot key.
    EtiquetasStock(QDialog *ventana, Rejilla *lista, std::function<qint32(int fila)> loteDeFila,
                   std::function<EtiquetaLote(qint32)> leer);

    // Whether the host lets the clerk print them ("Lotes_Etiquetas"), at every load.
    void activar(bool activas);
    // After a lot is created: it becomes the current row, and the clerk is told
    // how to print its label.
    void ofrecer(qint32 lote);

private:
    void filaCambiada();
    void menu(const QPoint &donde);
    void imprimir(PapelEtiquetas papel);

    Rejilla *m_lista;
    qint32 loteActual() const;

    std::function<qint32(int fila)> m_loteDeFila;
    std::function<EtiquetaLote(qint32)> m_leer;
    QAction *m_etiqueta;
    QAction *m_hoja;
    bool m_activas = false;
};

} // namespace NVLALotes

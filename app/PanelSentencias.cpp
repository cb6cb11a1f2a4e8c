#include "PanelSentencias.h"

#include <QHeaderView>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

namespace {

enum Columna { Numero, Duracion, Filas, Sentencia };

QTableWidgetItem *celda(const QString &texto, Qt::Alignment alineacion = Qt::AlignRight | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(texto);
    item->setTextAlignment(alineacion);
    item->setToolTip(texto);
    return item;
}

} // namespace

PanelSentencias::PanelSentencias(QWidget *parent)
    : QTableWidget(0, 4, parent)
{
    setObjectName(u"sentencias"_s);
    setHorizontalHeaderLabels({u"#"_s, u"ms"_s, u"Filas"_s, u"Sentencia enviada en el último Show"_s});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    for (const int columna : {Numero, Duracion, Filas})
        horizontalHeader()->setSectionResizeMode(columna, QHeaderView::ResizeToContents);
}

void PanelSentencias::mostrar(const QList<ConexionGrabadora::Envio> &envios)
{
    const QLocale locale;
    setRowCount(int(envios.size()));
    for (int fila = 0; fila < rowCount(); ++fila) {
        const ConexionGrabadora::Envio &envio = envios.at(fila);
        setItem(fila, Numero, celda(QString::number(fila + 1)));
        setItem(fila, Duracion, celda(locale.toString(double(envio.microsegundos) / 1000, 'f', 2)));
        setItem(fila, Filas, celda(envio.filas < 0 ? QString() : QString::number(envio.filas)));
        setItem(fila, Sentencia, celda(envio.texto, Qt::AlignLeft | Qt::AlignVCenter));
    }
}

} // namespace NVLALotes::Banco

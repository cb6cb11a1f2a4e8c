#include "PanelSentencias.h"

#include "foundation/core/database/ValorSql.h"

#include <QDate>
#include <QHeaderView>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

namespace {

enum Columna { Numero, Duracion, Filas, Sentencia };

QString valorLegible(const QVariant &valor)
{
    if (valor.isNull())
        return u"NULL"_s;
    if (valor.typeId() == QMetaType::QString)
        return ValorSql::texto(valor.toString());
    if (valor.typeId() == QMetaType::QDate || valor.typeId() == QMetaType::QDateTime)
        return ValorSql::texto(valor.toDate().toString(u"dd/MM/yyyy"_s));
    return valor.toString();
}

// A command as the tester would run it by hand: the procedure or statement
// followed by what each parameter carried in, an output one marked as such.
QString textoComando(const ConexionGrabadora::Envio &envio)
{
    QStringList parametros;
    for (const ParametroComando &parametro : envio.comando.parametros()) {
        if (!parametro.esEntrada())
            parametros << parametro.nombre + u" OUTPUT"_s;
        else
            parametros << parametro.nombre + u" = "_s + valorLegible(parametro.valor);
    }
    return parametros.isEmpty() ? envio.texto : envio.texto + u" "_s + parametros.join(u", "_s);
}

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
    // Rows one line high, so that the pane shows as many statements as it can.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    for (const int columna : {Numero, Duracion, Filas})
        horizontalHeader()->setSectionResizeMode(columna, QHeaderView::ResizeToContents);
}

void PanelSentencias::mostrar(const QList<ConexionGrabadora::Envio> &envios)
{
    // The clerk's decimal comma, whatever the machine's locale.
    const QLocale locale(QLocale::Spanish, QLocale::Spain);
    setRowCount(int(envios.size()));
    for (int fila = 0; fila < rowCount(); ++fila) {
        const ConexionGrabadora::Envio &envio = envios.at(fila);
        setItem(fila, Numero, celda(QString::number(fila + 1)));
        setItem(fila, Duracion, celda(locale.toString(double(envio.microsegundos) / 1000, 'f', 2)));
        setItem(fila, Filas, celda(envio.filas < 0 ? QString() : QString::number(envio.filas)));
        const QString texto = envio.clase == ConexionGrabadora::Clase::Comando ? textoComando(envio) : envio.texto;
        setItem(fila, Sentencia, celda(texto, Qt::AlignLeft | Qt::AlignVCenter));
    }
}

} // namespace NVLALotes::Banco

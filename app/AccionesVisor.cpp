#include "AccionesVisor.h"

#include "foundation/controls/Mensajes.h"
#include "foundation/mensajes/frmMsg.h"
#include "foundation/mensajes/modMsgOp.h"

#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/ReporteDocumento.h>
#include <nvlalotes/clsView.h>

#include <QEventLoop>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

namespace {

// Stands in for a lengthy operation: the window stays up meanwhile, the clerk cannot type.
void esperar(int milisegundos)
{
    QEventLoop bucle;
    QTimer reloj;
    reloj.setSingleShot(true);
    QObject::connect(&reloj, &QTimer::timeout, &bucle, &QEventLoop::quit);
    reloj.start(milisegundos);
    bucle.exec(QEventLoop::ExcludeUserInputEvents);
}

// A stock listing of made-up articles, one heading per article: a few pages with a group tree.
std::shared_ptr<const Reporte> reporteEjemplo()
{
    QString html = u"<h1>Stock por lotes</h1><p>Almacén 1. Listado de ejemplo del banco de pruebas.</p>"_s;
    for (int articulo = 100; articulo < 106; ++articulo) {
        html += u"<h2>Artículo %1</h2><table border=1 cellpadding=3 width=100%>"
                u"<tr><th>Lote</th><th>Caducidad</th><th align=right>Stock</th></tr>"_s.arg(articulo);
        for (int lote = 1; lote <= 18; ++lote)
            html += u"<tr><td>L-%1-%2</td><td>%3/12/2027</td><td align=right>%4,00</td></tr>"_s.arg(articulo)
                        .arg(lote, 4, 10, QChar(u'0'))
                        .arg(lote % 28 + 1, 2, 10, QChar(u'0'))
                        .arg(lote * 7 % 50 + 1);
        html += u"</table>"_s;
    }
    auto documento = std::make_unique<QTextDocument>();
    documento->setHtml(html);
    return std::make_shared<ReporteDocumento>(std::move(documento), u"Stock por lotes"_s);
}

void verReporte(QWidget *pagina, bool modal)
{
    try {
        clsView vista;
        vista.MostrarGrupos = true;
        vista.Report(reporteEjemplo());
        vista.Cargar(modal, modal ? qint16(0) : qint16(100));
    } catch (const ErrorLotes &error) {
        Mensajes::critico(pagina, error.Source(), error.Description());
    }
}

} // namespace

void agregarAccionesVisor(QWidget *fila)
{
    QLayout *disposicion = fila->layout();
    if (!disposicion)
        disposicion = new QHBoxLayout(fila);
    const auto boton = [&](const QString &texto, const std::function<void()> &hacer) {
        auto *b = new QPushButton(texto, fila);
        QObject::connect(b, &QPushButton::clicked, fila, hacer);
        disposicion->addWidget(b);
    };
    boton(u"Mensaje de operación"_s, [fila] {
        const OperacionEnCurso aviso(fila);
        esperar(2000);
    });
    boton(u"Mensaje más largo (RefreshMsg)"_s, [fila] {
        const OperacionEnCurso aviso(fila);
        esperar(1000);
        aviso.ventana().Mensaje = u"Recalculando el stock de todos los lotes del almacén, espere por favor..."_s;
        aviso.ventana().RefreshMsg();
        esperar(2000);
    });
    boton(u"Reporte (modal)"_s, [fila] { verReporte(fila, true); });
    boton(u"Reporte (no modal)"_s, [fila] { verReporte(fila, false); });
}

} // namespace NVLALotes::Banco

#include "VisorReporte.h"

#include "foundation/controls/Twips.h"
#include "viewer/ImpresionReporte.h"
#include "viewer/Reporte.h"

#include <QAction>
#include <QGraphicsView>
#include <QKeySequence>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <functional>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr int RolPagina = Qt::UserRole;
constexpr int ZoomMinimo = 10;
constexpr int ZoomMaximo = 400;

struct ImpresoraPdf
{
    ImpresoraPdf() { m_impresora.setOutputFormat(QPrinter::PdfFormat); }
    QPrinter m_impresora{QPrinter::HighResolution};
};

// The pages' preview with the device it paints on: a PDF one, so showing a
// report needs no printer. The device is a base placed before the preview, so
// it is built before the preview and destroyed after it, children and all.
// (No Q_OBJECT, which would ask for the preview as the first base.)
class VistaPrevia final : private ImpresoraPdf, public QPrintPreviewWidget
{
public:
    explicit VistaPrevia(QWidget *parent)
        : QPrintPreviewWidget(&m_impresora, parent)
    {}
};

} // namespace

VisorReporte::VisorReporte(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"crvRep"_s);
    auto *disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(0);
    tbVisor = new QToolBar(this);
    tbVisor->setObjectName(u"tbVisor"_s);
    disposicion->addWidget(tbVisor);
    auto *division = new QSplitter(this);
    tvGrupos = new QTreeWidget(division);
    tvGrupos->setObjectName(u"tvGrupos"_s);
    tvGrupos->setHeaderHidden(true);
    tvGrupos->setAccessibleName(u"Grupos del reporte"_s);
    pvwPaginas = new VistaPrevia(division);
    pvwPaginas->setObjectName(u"pvwPaginas"_s);
    // The focus is on the preview's inner view: that is what a screen reader names.
    if (auto *vista = pvwPaginas->findChild<QGraphicsView *>())
        vista->setAccessibleName(u"Páginas del reporte"_s);
    division->setStretchFactor(1, 1);
    division->setSizes({Twips::aPixelesX(2700), Twips::aPixelesX(8700)});
    disposicion->addWidget(division, 1);
    crearBarra();

    connect(pvwPaginas, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *impresora) {
        // A report's own error must not cross the preview's signal: it is
        // kept and raised again by verReporte.
        try {
            if (m_reporte)
                pintarReporte(*m_reporte, *impresora);
        } catch (...) {
            m_fallo = std::current_exception();
        }
    });
    connect(pvwPaginas, &QPrintPreviewWidget::previewChanged, this, &VisorReporte::actualizarPagina);
    // A group chosen by mouse or by keyboard shows its page.
    connect(tvGrupos, &QTreeWidget::itemClicked, this, [this](const QTreeWidgetItem *e) { irAGrupo(e); });
    connect(tvGrupos, &QTreeWidget::currentItemChanged, this, [this](const QTreeWidgetItem *e) { irAGrupo(e); });
}

VisorReporte::~VisorReporte() = default;

void VisorReporte::crearBarra()
{
    // Every tool is a tab stop with a key of its own, shown in its tip, and
    // is named for a screen reader by its tip: a clerk prints or exports a
    // report without the mouse. The keys belong to the view itself, so they
    // work with the bar hidden too.
    const auto accion = [this](const QString &nombre, const QString &texto, const QString &ayuda,
                               std::optional<QStyle::StandardPixmap> icono, const QKeySequence &tecla,
                               const std::function<void()> &hacer) {
        QAction *a = tbVisor->addAction(texto);
        a->setShortcut(tecla);
        a->setToolTip(tecla.isEmpty() ? ayuda : u"%1 (%2)"_s.arg(ayuda, tecla.toString(QKeySequence::NativeText)));
        if (icono)
            a->setIcon(style()->standardIcon(*icono));
        connect(a, &QAction::triggered, this, hacer);
        addAction(a);
        QWidget *boton = tbVisor->widgetForAction(a);
        boton->setObjectName(nombre);
        boton->setFocusPolicy(Qt::TabFocus);
        boton->setAccessibleName(ayuda);
        return a;
    };
    const auto pagina = [this](int desplazamiento) { irAPagina(pvwPaginas->currentPage() + desplazamiento); };
    accion(u"cmdPrimera"_s, QString(), u"Primera página"_s, QStyle::SP_MediaSkipBackward, Qt::CTRL | Qt::Key_Home,
           [this] { irAPagina(1); });
    accion(u"cmdAnterior"_s, QString(), u"Página anterior"_s, QStyle::SP_MediaSeekBackward, Qt::CTRL | Qt::Key_PageUp,
           [=] { pagina(-1); });
    txtPagina = new QSpinBox(tbVisor);
    txtPagina->setObjectName(u"txtPagina"_s);
    txtPagina->setAccessibleName(u"Página"_s);
    tbVisor->addWidget(txtPagina);
    connect(txtPagina, &QSpinBox::valueChanged, this, &VisorReporte::irAPagina);
    lblPaginas = new QLabel(tbVisor);
    lblPaginas->setObjectName(u"lblPaginas"_s);
    tbVisor->addWidget(lblPaginas);
    accion(u"cmdSiguiente"_s, QString(), u"Página siguiente"_s, QStyle::SP_MediaSeekForward,
           Qt::CTRL | Qt::Key_PageDown, [=] { pagina(1); });
    accion(u"cmdUltima"_s, QString(), u"Última página"_s, QStyle::SP_MediaSkipForward, Qt::CTRL | Qt::Key_End,
           [this] { irAPagina(pvwPaginas->pageCount()); });
    tbVisor->addSeparator();
    accion(u"cmdAlejar"_s, u"−"_s, u"Alejar"_s, std::nullopt, QKeySequence::ZoomOut, [this] { pvwPaginas->zoomOut(); });
    accion(u"cmdAcercar"_s, u"+"_s, u"Acercar"_s, std::nullopt, QKeySequence::ZoomIn, [this] { pvwPaginas->zoomIn(); });
    accion(u"cmdAncho"_s, u"Ancho"_s, u"Ancho de página"_s, std::nullopt, Qt::CTRL | Qt::Key_1,
           [this] { pvwPaginas->fitToWidth(); });
    accion(u"cmdCompleta"_s, u"Completa"_s, u"Página completa"_s, std::nullopt, Qt::CTRL | Qt::Key_0,
           [this] { pvwPaginas->fitInView(); });
    tbVisor->addSeparator();
    m_grupos = accion(u"cmdGrupos"_s, u"Grupos"_s, u"Árbol de grupos"_s, std::nullopt, Qt::CTRL | Qt::Key_G, [] {});
    m_grupos->setCheckable(true);
    connect(m_grupos, &QAction::toggled, tvGrupos, &QWidget::setVisible);
    accion(u"cmdImprimir"_s, u"Imprimir"_s, u"Imprimir el reporte"_s, std::nullopt, QKeySequence::Print,
           [this] { Q_EMIT imprimirPedido(); });
    m_exportar = accion(u"cmdExportar"_s, QString(), u"Exportar a PDF"_s, QStyle::SP_DialogSaveButton,
                        Qt::CTRL | Qt::Key_E, [this] { Q_EMIT exportarPedido(); });
    tbVisor->addSeparator();
    // Escape closes the window already; the tip tells it.
    accion(u"cmdCerrar"_s, u"✕"_s, u"Cerrar"_s, std::nullopt, QKeySequence(), [this] {
        Q_EMIT cerrarPedido();
    })->setToolTip(u"Cerrar (Esc)"_s);
}

void VisorReporte::mostrarBarra(bool mostrar)
{
    tbVisor->setVisible(mostrar);
}

void VisorReporte::permitirExportar(bool permitir)
{
    m_exportar->setEnabled(permitir);
}

void VisorReporte::mostrarGrupos(bool mostrar)
{
    m_grupos->setChecked(mostrar);
    tvGrupos->setVisible(mostrar);
}

void VisorReporte::fijarReporte(std::shared_ptr<const Reporte> reporte)
{
    m_reporte = std::move(reporte);
}

void VisorReporte::verReporte()
{
    llenarGrupos();
    m_fallo = nullptr;
    pvwPaginas->updatePreview();
    if (m_fallo)
        std::rethrow_exception(std::exchange(m_fallo, nullptr));
    irAPagina(1);
}

void VisorReporte::fijarZoom(qint16 zoom)
{
    if (zoom == 0)
        pvwPaginas->fitToWidth();
    else
        pvwPaginas->setZoomFactor(qBound(ZoomMinimo, int(zoom), ZoomMaximo) / 100.0);
    // A zoom keeps the view's centre; the clerk starts reading at the top left
    // of the first page, which is the top left of the preview.
    if (auto *vista = pvwPaginas->findChild<QGraphicsView *>()) {
        vista->horizontalScrollBar()->setValue(vista->horizontalScrollBar()->minimum());
        vista->verticalScrollBar()->setValue(vista->verticalScrollBar()->minimum());
    }
}

void VisorReporte::imprimir()
{
    if (!m_reporte)
        return;
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(m_reporte->titulo());
    QPrintDialog dialogo(&impresora, this);
    dialogo.setMinMax(1, m_reporte->paginas());
    if (dialogo.exec() == QDialog::Accepted)
        pintarReporte(*m_reporte, impresora);
}

void VisorReporte::exportarPdf(const QString &ruta) const
{
    if (m_reporte)
        escribirPdf(*m_reporte, ruta);
}

void VisorReporte::llenarGrupos()
{
    tvGrupos->clear();
    if (!m_reporte)
        return;
    // The last item seen at each level: a deeper group hangs from it.
    QList<QTreeWidgetItem *> ramas;
    for (const GrupoReporte &grupo : m_reporte->grupos()) {
        const int nivel = qBound(0, grupo.nivel, int(ramas.size()));
        auto *elemento = nivel == 0 ? new QTreeWidgetItem(tvGrupos) : new QTreeWidgetItem(ramas.at(nivel - 1));
        elemento->setText(0, grupo.titulo);
        elemento->setData(0, RolPagina, grupo.pagina);
        ramas.resize(nivel);
        ramas.append(elemento);
    }
    tvGrupos->expandAll();
}

void VisorReporte::irAGrupo(const QTreeWidgetItem *elemento)
{
    if (elemento)
        irAPagina(elemento->data(0, RolPagina).toInt());
}

void VisorReporte::irAPagina(int pagina)
{
    // The preview tells of no page it was sent to: the page box follows here.
    pvwPaginas->setCurrentPage(pagina);
    actualizarPagina();
}

void VisorReporte::actualizarPagina()
{
    const int paginas = qMax(1, pvwPaginas->pageCount());
    const QSignalBlocker bloqueo(txtPagina);
    txtPagina->setRange(1, paginas);
    txtPagina->setValue(pvwPaginas->currentPage());
    lblPaginas->setText(u" de %1 "_s.arg(paginas));
}

} // namespace NVLALotes

#include "frmView.h"

#include "foundation/controls/Twips.h"
#include "viewer/Reporte.h"
#include "viewer/VisorReporte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr int AnchoDiseno = 11400;
constexpr int AltoDiseno = 7800;
// The logo keeps this far from the viewer's right edge.
constexpr int DistanciaLogo = 1860;

// The one owner of the shared window while it is loaded.
std::unique_ptr<frmView> &compartida()
{
    static std::unique_ptr<frmView> ventana;
    return ventana;
}

// A window still open when the application ends goes with it: QApplication
// runs this first thing in its destructor, while widgets can still be deleted.
void descargarAlSalir()
{
    compartida().reset();
}

QPixmap dibujarLogo(QSize tamano, const QFont &base)
{
    QPixmap logo(tamano);
    logo.fill(Qt::transparent);
    QPainter pintor(&logo);
    QFont letra = base;
    letra.setBold(true);
    pintor.setFont(letra);
    pintor.setPen(QColor(0x1f, 0x4e, 0x79));
    pintor.drawText(logo.rect(), Qt::AlignRight | Qt::AlignVCenter, u"KALDEROS Brex"_s);
    return logo;
}

} // namespace

frmView::frmView()
{
    setObjectName(u"frmView"_s);
    setWindowTitle(u"KALDEROS Brex, S.L. - Visor de Reportes"_s);
    fijarAreaRedimensionable(AnchoDiseno, AltoDiseno);
    crvRep = new VisorReporte(this);
    pctLogo = new QLabel(this);
    pctLogo->setObjectName(u"pctLogo"_s);
    Twips::colocar(pctLogo, 0, 60, DistanciaLogo - 60, 300);
    pctLogo->setPixmap(dibujarLogo(pctLogo->size(), font()));
    pctLogo->setAttribute(Qt::WA_TransparentForMouseEvents);
    pctLogo->raise();

    connect(crvRep, &VisorReporte::cerrarPedido, this, &QDialog::close);
    connect(crvRep, &VisorReporte::imprimirPedido, this,
            [this] { protegido(u"Imprimir"_s, [this] { crvRep->imprimir(); }); });
    connect(crvRep, &VisorReporte::exportarPedido, this, [this] { protegido(u"Exportar"_s, [this] { exportar(); }); });
    // Every way the window ends (its own close button, the viewer's) goes
    // through done(): that is where it unloads.
    connect(this, &QDialog::finished, this, &frmView::descargar);
}

frmView::~frmView() = default;

frmView &frmView::instancia()
{
    std::unique_ptr<frmView> &ventana = compartida();
    if (!ventana) {
        // One routine for the process, whatever window is loaded when it ends.
        [[maybe_unused]] static const bool alSalir = (qAddPostRoutine(descargarAlSalir), true);
        ventana.reset(new frmView);
    }
    return *ventana;
}

frmView *frmView::cargada()
{
    return compartida().get();
}

void frmView::mostrar(bool modal)
{
    try {
        Cargar();
    } catch (...) {
        // A report that fails to paint leaves no window behind it.
        if (!isVisible())
            descargar();
        throw;
    }
    if (!modal) {
        show();
        raise();
        activateWindow();
        return;
    }
    // A window already open modeless is shown again as modal.
    if (isVisible())
        hide();
    exec();
}

void frmView::Cargar()
{
    crvRep->mostrarBarra(true);
    crvRep->permitirExportar(true);
    crvRep->mostrarGrupos(MostrarGrupos);
    crvRep->fijarReporte(m_report);
    crvRep->verReporte();
    crvRep->fijarZoom(Zoom);
}

void frmView::exportar()
{
    const Reporte *reporte = crvRep->reporte();
    if (!reporte)
        return;
    const QString ruta = QFileDialog::getSaveFileName(
        this, u"Exportar a PDF"_s, QDir::home().filePath(reporte->titulo() + u".pdf"_s), u"Documentos PDF (*.pdf)"_s);
    if (!ruta.isEmpty())
        crvRep->exportarPdf(ruta);
}

void frmView::descargar()
{
    // It unloads from within its own signal: the event loop deletes it, once
    // the signal is over.
    if (compartida().get() == this)
        static_cast<void>(compartida().release());
    deleteLater();
}

void frmView::resizeEvent(QResizeEvent *event)
{
    VentanaLotes::resizeEvent(event);
    crvRep->setGeometry(0, 0, width(), height());
    pctLogo->move(crvRep->width() - Twips::aPixelesX(DistanciaLogo), pctLogo->y());
}

void frmView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        close();
        return;
    }
    VentanaLotes::keyPressEvent(event);
}

void frmView::changeEvent(QEvent *event)
{
    VentanaLotes::changeEvent(event);
    // Whoever opened the viewer may have set the wait cursor while it prepared the report.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
}

} // namespace NVLALotes

// The README's pictures: every dialog and window of the library, opened on the
// demo data as a host opens it, offscreen on a screen of 96 DPI, saved as
// CARPETA/<objectName>.png once it is shown, then closed. Fails too when the
// workbench would not fit a 1280 x 720 screen.
#include "VentanaBanco.h"
#include "Vitrina.h"
#include "db/BaseDatosHost.h"
#include "foundation/controls/Rejilla.h"
#include "labels/ReporteEtiquetas.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <QWindow>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

QWidget *ventanaMostrada(const QString &nombre)
{
    for (QWidget *ventana : QApplication::topLevelWidgets()) {
        if (ventana->objectName() == nombre && ventana->isVisible() && ventana->windowHandle() != nullptr &&
            ventana->windowHandle()->isExposed())
            return ventana;
    }
    return nullptr;
}

// Opens the window and, from a timer inside its modal loop, saves its picture
// and closes it (the close box: a cancel). Answers whether the picture was saved.
bool capturar(const Vitrina::Ventana &ventana, const std::shared_ptr<Conexion> &conexion, const QString &archivo)
{
    bool guardada = false;
    int vistas = 0;
    QTimer sondeo;
    sondeo.setInterval(20);
    QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
        QWidget *mostrada = ventanaMostrada(ventana.nombre);
        // One turn of the loop after it is exposed: lists and layouts have settled.
        if (!mostrada || ++vistas < 2)
            return;
        sondeo.stop();
        guardada = mostrada->grab().save(archivo, "PNG", 0);
        mostrada->close();
    });
    sondeo.start();
    ventana.abrir(conexion);
    return guardada;
}

// The workbench on a 1280 x 720 screen, less its title bar: every page shows
// its whole width, none needs a horizontal scroll bar, and the pages that
// must be seen whole need no vertical one either. With a folder given, each
// page's picture is saved there as banco-<page>.png.
bool bancoCabe(const std::shared_ptr<Conexion> &conexion, const QString &carpetaPaginas)
{
    const QSize pantalla(1280, 680);
    Banco::VentanaBanco banco(conexion, {}, {});
    banco.resize(pantalla);
    banco.show();
    bool cabe = banco.size() == pantalla;
    if (!cabe)
        QTextStream(stderr) << "FALLO banco: la ventana pide " << banco.width() << "x" << banco.height() << Qt::endl;
    auto *paginas = banco.findChild<QTabWidget *>();
    for (int i = 0; i < paginas->count(); ++i) {
        paginas->setCurrentIndex(i);
        QApplication::processEvents();
        // Its buttons sit at the bottom, where a scroll bar would hide them.
        const bool entera = paginas->tabText(i) == u"Seguridad"_s;
        for (const QScrollArea *area : banco.findChildren<QScrollArea *>()) {
            const QSize pide = area->widget()->minimumSizeHint();
            const QSize hay = area->viewport()->size();
            if (area->isVisible() && (pide.width() > hay.width() ||
                                      (entera && area == paginas->currentWidget() && pide.height() > hay.height()))) {
                QTextStream(stderr) << "FALLO banco: no cabe en 1280x720 " << paginas->tabText(i) << ": pide "
                                    << pide.width() << "x" << pide.height() << ", hay " << hay.width() << "x"
                                    << hay.height() << Qt::endl;
                cabe = false;
            }
        }
        if (!carpetaPaginas.isEmpty())
            banco.grab().save(QDir(carpetaPaginas).filePath(u"banco-%1.png"_s.arg(paginas->tabText(i))), "PNG");
    }
    return cabe;
}

// A lot label of the demo data as a 203 dpi label printer prints it, with a
// grey edge where the label ends; and one whose lot code GS1 cannot carry.
bool capturarEtiquetas(const QString &carpeta)
{
    EtiquetaLote etiqueta{
        101, u"Jarabe 250 ml (lote y caducidad)"_s, u"8412345678905"_s, u"L-0003"_s, QDate(2027, 3, 31), {}, {}, false};
    bool guardadas = true;
    for (const QString &nombre : {u"etiquetaLote"_s, u"etiquetaSinCodigo"_s}) {
        const ReporteEtiquetas reporte({etiqueta}, PapelEtiquetas::Etiquetadora);
        const QSizeF pagina = reporte.diseno().fullRect(QPageLayout::Point).size();
        constexpr qreal Escala = 203 / 72.0;
        QImage imagen((pagina * Escala).toSize(), QImage::Format_RGB32);
        imagen.fill(Qt::white);
        QPainter pintor(&imagen);
        pintor.scale(Escala, Escala);
        pintor.setPen(Qt::gray);
        pintor.drawRect(QRectF(QPointF(), pagina).adjusted(0, 0, -0.5, -0.5));
        pintor.translate(reporte.diseno().paintRect(QPageLayout::Point).topLeft());
        reporte.pintarPagina(pintor, 1, reporte.diseno().paintRect(QPageLayout::Point).size());
        pintor.end();
        const QString archivo = QDir(carpeta).filePath(nombre + u".png"_s);
        const bool guardada = imagen.save(archivo, "PNG", 0);
        QTextStream(guardada ? stdout : stderr) << (guardada ? "ok " : "FALLO ") << archivo << Qt::endl;
        guardadas = guardadas && guardada;
        etiqueta.lote = u"LOTE-AÑO-27"_s;
    }
    return guardadas;
}

// Runs `hacer` once on the window named `nombre` as soon as it shows, from a
// timer of its own: the dialog that opens it may be waiting in its own loop.
template<class Hacer> std::unique_ptr<QTimer> alMostrarse(const QString &nombre, Hacer hacer)
{
    auto sondeo = std::make_unique<QTimer>();
    sondeo->setInterval(20);
    QObject::connect(sondeo.get(), &QTimer::timeout, sondeo.get(),
                     [s = sondeo.get(), nombre, hacer = std::move(hacer)] {
                         if (QWidget *ventana = ventanaMostrada(nombre)) {
                             s->stop();
                             hacer(ventana);
                         }
                     });
    sondeo->start();
    return sondeo;
}

bool guardar(const QPixmap &imagen, const QString &archivo)
{
    const bool guardada = imagen.save(archivo, "PNG", 0);
    QTextStream(guardada ? stdout : stderr) << (guardada ? "ok " : "FALLO ") << archivo << Qt::endl;
    return guardada;
}

// The sales dialog of article 101 on the demo data, with `preparar` run on
// it once it shows, then closed.
template<class Preparar>
void venta(const std::shared_ptr<Conexion> &conexion, frmclsLotesFacturacion &clase, const Preparar &preparar)
{
    clase.Cod_Almacen = 1;
    clase.Cod_Articulo = 101;
    clase.PermitirAutomatico = true;
    const auto dialogo = alMostrarse(u"frmLotesStockFacturar1"_s, [&](QWidget *d) {
        preparar(d);
        d->close();
    });
    Vitrina::mostrarClase(clase, 3, conexion);
}

// A line no lot covers split over lots, and a lot refused for the customer's
// shelf life, its message over the list that marks the lots too short of it.
bool capturarVentas(const std::shared_ptr<Conexion> &conexion, const QString &carpeta)
{
    const QDir dir(carpeta);
    bool guardadas = false;
    frmclsLotesFacturacion reparto;
    reparto.Unidades = 12;
    reparto.PermitirReparto = true;
    const auto repartida = alMostrarse(u"frmRepartoLotes"_s, [&](QWidget *v) {
        guardadas = guardar(v->grab(), dir.filePath(u"frmRepartoLotes.png"_s));
        v->close();
    });
    venta(conexion, reparto, [](QWidget *d) { d->findChild<QAbstractButton *>(u"cmdAceptar"_s)->click(); });

    frmclsLotesFacturacion vida;
    vida.Unidades = 3;
    vida.DiasVidaMinima = int(QDate::currentDate().daysTo(QDate(2027, 6, 1)));
    QWidget *lista = nullptr;
    const auto aviso = alMostrarse(u"msgbox"_s, [&](QWidget *caja) {
        // The list, and the message below it.
        const QPixmap arriba = lista->grab();
        const QPixmap abajo = caja->grab();
        QPixmap imagen(std::max(arriba.width(), abajo.width()), arriba.height() + abajo.height());
        imagen.fill(Qt::white);
        QPainter pintor(&imagen);
        pintor.drawPixmap(0, 0, arriba);
        pintor.drawPixmap(0, arriba.height(), abajo);
        pintor.end();
        guardadas = guardar(imagen, dir.filePath(u"frmLotesStockFacturar1-vida.png"_s)) && guardadas;
        caja->close();
    });
    venta(conexion, vida, [&](QWidget *d) {
        lista = d;
        auto *rejilla = d->findChild<Rejilla *>(u"vsLotes"_s);
        for (int fila = 1; fila < rejilla->rows(); ++fila) {
            if (rejilla->textMatrix(fila, 3) == u"L-0005")
                rejilla->setRow(fila);
        }
        d->findChild<QAbstractButton *>(u"cmdAceptar"_s)->click();
    });
    return guardadas;
}

} // namespace

int main(int argc, char *argv[])
{
    // The same pictures on any machine: no screen, no platform scaling, fonts at 96 DPI.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);
    // A steady text cursor: a blinking one would come and go between two runs.
    QApplication::setCursorFlashTime(0);
    QCommandLineParser opciones;
    opciones.setApplicationDescription(u"Imágenes de cada diálogo de NVLALotes sobre los datos de demostración"_s);
    opciones.addHelpOption();
    opciones.addPositionalArgument(u"carpeta"_s, u"Carpeta de las imágenes (docs)"_s);
    opciones.addOption(
        {u"banco"_s, u"Guarda además cada página del banco de pruebas a 1280x720 en esta carpeta."_s, u"carpeta"_s});
    opciones.process(app);
    const QString carpeta = opciones.positionalArguments().value(0, u"docs"_s);

    const QTemporaryDir base;
    // The workbench's saved geometry is the user's, not the check's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, base.path());
    int fallos = 0;
    try {
        QDir().mkpath(carpeta);
        const auto conexion = BaseDatosHost::abrirBaseDemo(base.filePath(u"demo.db"_s));
        for (const Vitrina::Ventana &ventana : Vitrina::ventanas()) {
            const QString archivo = QDir(carpeta).filePath(ventana.nombre + u".png"_s);
            const bool guardada = capturar(ventana, conexion, archivo);
            QTextStream(guardada ? stdout : stderr) << (guardada ? "ok " : "FALLO ") << archivo << Qt::endl;
            fallos += guardada ? 0 : 1;
        }
        fallos += capturarEtiquetas(carpeta) ? 0 : 1;
        fallos += capturarVentas(conexion, carpeta) ? 0 : 1;
        fallos += bancoCabe(conexion, opciones.value(u"banco"_s)) ? 0 : 1;
    } catch (const ErrorLotes &error) {
        QTextStream(stderr) << error.Description() << Qt::endl;
        return 2;
    }
    return fallos == 0 ? 0 : 1;
}

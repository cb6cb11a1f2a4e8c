// A clerk's long day: each of the six entry classes is created, shown and
// dropped again and again on the embedded demo database, as a host does for
// every document line, and its dialog or window is closed with the clerk's
// keys (a lot code typed where it is asked for, then focus on the button and
// the space bar): Aceptar and Cancelar in turn (the stock window's Salir), the
// lot-code and the tone-and-caliber model in turn.
// A message box that Aceptar brings up is answered with Enter, and a dialog
// that stays open after it is left with Cancelar.
//
//   bench_jornada [CYCLES [CLASS]]      10,000 cycles and every class by default
//   bench_jornada --corta               the short day the test command runs
//
// Prints per class the growth between cycle 1,000 (a tenth of CYCLES when
// there are fewer than 10,000) and the last cycle:
//   soak=CLASS cycles=N rss_growth_kb=... fds_growth=... qobjects_growth=...
// Resident memory comes from /proc/self/statm, file descriptors from the
// entries of /proc/self/fd. Live QObjects are counted by walking the object
// trees of every top-level widget (a dialog that was hidden but never deleted
// stays one of them) and of the application object; a QObject with no parent
// that is not a widget escapes the walk, and then shows as resident memory.
//
// The short day runs each class for a warm-up, then two equal stretches, and
// fails when the second stretch still grows: the heap in use (which neither
// page granularity nor the allocator's fragmentation blurs) by more than
// CrecimientoTolerado bytes a cycle, or by more than SobrantesTolerados
// descriptors or QObjects (one opened once, late, is no leak; one a window is).
// Caches that fill once, fonts and glyphs, the style's pieces of each size,
// fill in the warm-up and the first stretch; what each window leaves behind
// grows both stretches alike.
#include "app/Vitrina.h"
#include "bench/DialogoConTeclado.h"
#include "db/BaseDatosHost.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/frmclsLotesTraspaso.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <malloc.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

struct Medida
{
    qint64 rssKb = 0;
    qint64 descriptores = 0;
    qint64 objetos = 0;
    qint64 montonBytes = 0; // the heap in use
};

constexpr int CiclosPrevios = 100;
constexpr int CiclosTramo = 200;
constexpr qint64 CrecimientoTolerado = 512;
constexpr qint64 SobrantesTolerados = 10;

qint64 objetosVivos()
{
    qint64 total = 1 + qApp->findChildren<QObject *>().size();
    for (const QWidget *ventana : QApplication::topLevelWidgets())
        total += 1 + ventana->findChildren<QObject *>().size();
    return total;
}

Medida medir()
{
    Medida medida;
    QFile statm(u"/proc/self/statm"_s);
    if (statm.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> campos = statm.readAll().split(' ');
        medida.rssKb = campos.value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
    }
    medida.descriptores = QDir(u"/proc/self/fd"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
    medida.objetos = objetosVivos();
    const struct mallinfo2 monton = mallinfo2();
    medida.montonBytes = qint64(monton.uordblks + monton.hblkhd);
    return medida;
}

// The windows the demo rows open under each class, by lot model 3 and 2.
struct Clase
{
    QString nombre;
    QString modelo3;
    QString modelo2;
    bool ventana = false; // the stock window closes with Salir, not Aceptar
};

const QList<Clase> &clases()
{
    static const QList<Clase> clases{
        {u"frmclsLotesCompras"_s, u"frmLotesDatos1"_s, u"frmLotesDatos2"_s},
        {u"frmclsLotesFacturacion"_s, u"frmLotesStockFacturar1"_s, u"frmLotesStockFacturar2"_s},
        {u"frmclsLotesRegularizar"_s, u"frmLotesStockReg1"_s, u"frmLotesStockReg2"_s},
        {u"frmclsLotesTraspaso"_s, {}, {}},
        {u"frmclsLotesInventario"_s, u"frmInventarioLotes1"_s, u"frmInventarioLotes2"_s},
        {u"frmclsLotesStock"_s, u"frmLotesStockAlm1"_s, u"frmLotesStockAlm2"_s, true},
    };
    return clases;
}

// The transfer opens the regularization dialogs: the same warehouse and articles.
void traspaso(int modelo, const std::shared_ptr<Conexion> &conexion)
{
    frmclsLotesTraspaso clase;
    clase.Cod_Almacen = 1;
    clase.Cod_Articulo = modelo == 2 ? 200 : 101;
    clase.Unidades = 5;
    Vitrina::mostrarClase(clase, modelo, conexion);
}

void mostrar(const Clase &clase, int modelo, const std::shared_ptr<Conexion> &conexion)
{
    if (clase.modelo3.isEmpty())
        return traspaso(modelo, conexion);
    const QString &nombre = modelo == 3 ? clase.modelo3 : clase.modelo2;
    for (const Vitrina::Ventana &ventana : Vitrina::ventanas()) {
        if (ventana.nombre == nombre)
            return ventana.abrir(conexion);
    }
}

// Plays the clerk on whatever modal window is up: one key per cycle, Enter on
// a message box, Escape on a dialog that stayed open.
class Oficinista final : public QObject
{
public:
    Oficinista()
    {
        m_pulso.setInterval(1);
        connect(&m_pulso, &QTimer::timeout, this, &Oficinista::actuar);
        m_pulso.start();
    }

    void nuevoCiclo(bool aceptar, bool ventana)
    {
        m_aceptar = aceptar;
        m_ventana = ventana;
        m_pulsaciones = 0;
    }
    int atascos = 0;

private:
    void actuar()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *mensaje = qobject_cast<QMessageBox *>(modal)) {
            teclear(mensaje, Qt::Key_Return);
            return;
        }
        QDialog *dialogo = dialogoConTeclado(modal);
        if (!dialogo)
            return;
        const bool aceptar = m_aceptar && m_pulsaciones == 0;
        ++m_pulsaciones;
        // Before Aceptar the clerk types a lot code where the dialog asks for one.
        auto *lote = dialogo->findChild<QLineEdit *>(u"txtLote"_s);
        if (aceptar && lote && lote->isVisible() && lote->text().isEmpty())
            QTest::keyClicks(lote, u"J-1"_s);
        const QString boton = m_ventana ? u"cmdSalir"_s : aceptar ? u"cmdAceptar"_s : u"cmdCancelar"_s;
        if (!pulsar(dialogo, boton) || m_pulsaciones > 50) {
            ++atascos;
            dialogo->reject();
        }
    }

    // The clerk tabs to the button and presses the space bar.
    static bool pulsar(QDialog *dialogo, const QString &nombre)
    {
        auto *boton = dialogo->findChild<QAbstractButton *>(nombre);
        if (!boton || !boton->isVisible())
            return false;
        boton->setFocus(Qt::TabFocusReason);
        teclear(boton, Qt::Key_Space);
        return true;
    }

    // A key may open a window with a loop of its own (a message): it is pressed
    // from the event loop, so that this pulse returns and keeps watching.
    static void teclear(QWidget *destino, Qt::Key tecla)
    {
        QTimer::singleShot(0, destino, [destino, tecla] { QTest::keyClick(destino, tecla); });
    }

    QTimer m_pulso;
    bool m_aceptar = false;
    bool m_ventana = false;
    int m_pulsaciones = 0;
};

// Runs cycles `desde` to `hasta` (1 on) of the class's day.
void ciclos(const Clase &clase, Oficinista &oficinista, int desde, int hasta, const std::shared_ptr<Conexion> &conexion)
{
    for (int ciclo = desde; ciclo <= hasta; ++ciclo) {
        oficinista.nuevoCiclo(ciclo % 2 == 1, clase.ventana);
        mostrar(clase, (ciclo / 2) % 2 == 0 ? 3 : 2, conexion);
        // What the host's own event loop does between two document lines.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void avisarAtascos(const Clase &clase, const Oficinista &oficinista)
{
    if (oficinista.atascos > 0)
        std::fprintf(stderr, "%s: %d windows did not close with the clerk's keys\n", qPrintable(clase.nombre),
                     oficinista.atascos);
}

void jornada(const Clase &clase, int total, const std::shared_ptr<Conexion> &conexion)
{
    Oficinista oficinista;
    const int referencia = total >= 10000 ? 1000 : total / 10;
    ciclos(clase, oficinista, 1, referencia, conexion);
    const Medida inicio = medir();
    ciclos(clase, oficinista, referencia + 1, total, conexion);
    const Medida fin = medir();
    std::printf("soak=%s cycles=%d rss_growth_kb=%lld fds_growth=%lld qobjects_growth=%lld\n", qPrintable(clase.nombre),
                total, fin.rssKb - inicio.rssKb, fin.descriptores - inicio.descriptores, fin.objetos - inicio.objetos);
    avisarAtascos(clase, oficinista);
    std::fflush(stdout);
}

// The short day of one class; answers whether its second stretch kept flat.
bool jornadaCorta(const Clase &clase, const std::shared_ptr<Conexion> &conexion)
{
    Oficinista oficinista;
    ciclos(clase, oficinista, 1, CiclosPrevios, conexion);
    const Medida a = medir();
    ciclos(clase, oficinista, CiclosPrevios + 1, CiclosPrevios + CiclosTramo, conexion);
    const Medida b = medir();
    ciclos(clase, oficinista, CiclosPrevios + CiclosTramo + 1, CiclosPrevios + 2 * CiclosTramo, conexion);
    const Medida c = medir();
    const bool plana = c.montonBytes - b.montonBytes <= CrecimientoTolerado * CiclosTramo &&
                       c.descriptores - b.descriptores <= SobrantesTolerados &&
                       c.objetos - b.objetos <= SobrantesTolerados;
    std::printf("short_soak=%s cycles=2x%d heap_growth_kb=%lld,%lld rss_growth_kb=%lld,%lld fds_growth=%lld "
                "qobjects_growth=%lld %s\n",
                qPrintable(clase.nombre), CiclosTramo, (b.montonBytes - a.montonBytes) / 1024,
                (c.montonBytes - b.montonBytes) / 1024, b.rssKb - a.rssKb, c.rssKb - b.rssKb,
                c.descriptores - b.descriptores, c.objetos - b.objetos, plana ? "flat" : "GROWS");
    avisarAtascos(clase, oficinista);
    std::fflush(stdout);
    return plana;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication aplicacion(argc, argv);
    const QStringList argumentos = QApplication::arguments();
    const bool corta = argumentos.value(1) == u"--corta";
    const int total = corta ? 0 : argumentos.size() > 1 ? argumentos[1].toInt() : 10000;
    if (!corta && total < 10) {
        std::fprintf(stderr, "uso: bench_jornada [CICLOS >= 10 [CLASE]] | --corta\n");
        return 2;
    }
    QTemporaryDir carpeta;
    const auto conexion = BaseDatosHost::abrirBaseDemo(carpeta.filePath(u"jornada.db"_s));
    bool plana = true;
    for (const Clase &clase : clases()) {
        if (corta)
            plana = jornadaCorta(clase, conexion) && plana;
        else if (argumentos.size() <= 2 || argumentos[2] == clase.nombre)
            jornada(clase, total, conexion);
    }
    return plana ? 0 : 1;
}

// Measures every dialog that picks a lot from a warehouse's stock, on an
// embedded database where one article has N lots in one warehouse: the time
// from Show to the first painted list, the time to read the same rows through
// Qt SQL alone, the peak memory of a process that only opens the dialog, and
// the clerk's slowest action on that list: the automatic choice when only the
// last lots cover the units (sales), accepting the last row after its stock
// check (regularization and transfer).
// Prints one line per dialog and N:
//   dialog=CLASS lots=N dialog_ms=... query_ms=... ratio=... peak_mb=... action_ms=...
// Each measurement runs in a child process of its own, so that its peak memory is its own.
#include "db/BaseDatosHost.h"
#include "db/GeneradorDatos.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/lists/ReglasStockLotes.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesFacturacion.h>
#include <nvlalotes/frmclsLotesRegularizar.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

constexpr qint16 Almacen = 1;
constexpr qint32 Articulo = 9000;

// A pick-from-stock dialog, the lot model that opens it, and its select list.
struct Medido
{
    const char *dialogo;
    const char *modelo;
    QString seleccion;
    bool venta; // opened by the invoicing class, else by the regularization class
};

const QList<Medido> &Dialogos()
{
    static const QList<Medido> dialogos{
        {"frmLotesStockFacturar1", "3", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s, true},
        {"frmLotesStockFacturar2", "2",
         u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado"_s, true},
        {"frmLotesStockReg1", "3", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre"_s,
         false},
        {"frmLotesStockReg2", "2", u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre"_s,
         false},
    };
    return dialogos;
}

const Medido *medidoDe(const QString &dialogo)
{
    for (const Medido &m : Dialogos()) {
        if (dialogo == QLatin1String(m.dialogo))
            return &m;
    }
    return nullptr;
}

double picoMemoriaMb()
{
    QFile estado(u"/proc/self/status"_s);
    if (!estado.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linea : estado.readAll().split('\n')) {
        if (linea.startsWith("VmHWM:"))
            return linea.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// The same rows read with nothing but Qt SQL: every field of every row, on a
// connection with the page cache the library's own connections use, so that the
// difference is the dialog's work and not the engine's settings.
double leerConQtSql(const QString &ruta, const QString &sql, int campos)
{
    double ms = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"bench"_s);
        db.setDatabaseName(ruta);
        db.open();
        QSqlQuery(u"PRAGMA cache_size = -65536"_s, db);
        QSqlQuery consulta(db);
        consulta.setForwardOnly(true);
        QElapsedTimer reloj;
        reloj.start();
        consulta.exec(sql);
        qint64 filas = 0;
        while (consulta.next()) {
            for (int i = 0; i < campos; ++i)
                filas += consulta.value(i).isNull() ? 0 : 1;
        }
        ms = double(reloj.nsecsElapsed()) / 1e6;
        if (filas == 0)
            std::fprintf(stderr, "the query read no rows\n");
    }
    QSqlDatabase::removeDatabase(u"bench"_s);
    return ms;
}

// From Show until the list of the dialog has painted once; then the dialog is
// cancelled, or (when timing the action) the clerk's action runs and the time
// goes on until the dialog has chosen and closed.
class PrimerPintado final : public QObject
{
public:
    QElapsedTimer reloj;
    double ms = -1;
    bool aceptar = false;
    bool ultimaFila = false; // accept the last row, not the automatic one
    QString clase;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (ms < 0 && evento->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(objeto);
            if (widget && widget->parentWidget() && widget->parentWidget()->objectName() == u"vsLotes") {
                ms = double(reloj.nsecsElapsed()) / 1e6;
                auto *dialogo = qobject_cast<QDialog *>(widget->window());
                clase = dialogo->objectName();
                if (!aceptar) {
                    QTimer::singleShot(0, dialogo, &QDialog::reject);
                } else {
                    auto *lista = qobject_cast<Rejilla *>(widget->parentWidget());
                    QTimer::singleShot(0, dialogo, [this, dialogo, lista] {
                        reloj.restart();
                        if (ultimaFila)
                            lista->setRow(lista->Rows() - 1);
                        dialogo->findChild<QAbstractButton *>(u"cmdAceptar"_s)->click();
                    });
                }
            }
        }
        return false;
    }
};

struct Apertura
{
    double pintadoMs = -1;
    double accionMs = -1;
    QString clase;
};

// The entry class that opens the dialog, and where its Result is.
struct Entrada
{
    std::unique_ptr<ClaseEntradaLotes> clase;
    const bool *result = nullptr;
};

Entrada crearEntrada(const Medido &medido, Currency unidades)
{
    if (medido.venta) {
        auto venta = std::make_unique<frmclsLotesFacturacion>();
        venta->Cod_Almacen = Almacen;
        venta->Cod_Articulo = Articulo;
        venta->Unidades = unidades;
        venta->PermitirAutomatico = true;
        const bool *result = &venta->Result;
        return {std::move(venta), result};
    }
    // Stock going out: the list is checked against the units.
    auto salida = std::make_unique<frmclsLotesRegularizar>();
    salida->EsNegativo = true;
    salida->Cod_Almacen = Almacen;
    salida->Cod_Articulo = Articulo;
    salida->Unidades = unidades;
    const bool *result = &salida->Result;
    return {std::move(salida), result};
}

// With `unidades` above 0 the clerk's action runs once the list shows.
Apertura abrirDialogo(const QString &ruta, const Medido &medido, Currency unidades)
{
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"Lotes_ModeloUsar"_s, QLatin1String(medido.modelo));
    Entrada entrada = crearEntrada(medido, unidades > Currency(0) ? unidades : Currency(1));
    entrada.clase->EmpresaNuvalia(empresa);
    entrada.clase->ConexionNuvalia(Conexion::Abrir(BaseDatosHost::CadenaSqlite(ruta)));

    PrimerPintado pintado;
    pintado.aceptar = unidades > Currency(0);
    pintado.ultimaFila = !medido.venta;
    qApp->installEventFilter(&pintado);
    pintado.reloj.start();
    entrada.clase->Show(1);
    const double hastaCerrar = double(pintado.reloj.nsecsElapsed()) / 1e6;
    qApp->removeEventFilter(&pintado);
    const bool elegido = *entrada.result;
    if (pintado.aceptar && !elegido)
        std::fprintf(stderr, "%s chose no lot\n", medido.dialogo);
    return {pintado.ms, pintado.aceptar && elegido ? hastaCerrar : -1, pintado.clase};
}

// The largest stock of the list as it is displayed (2 decimals): only the lots
// at its end cover it.
Currency mayorStock(const QString &ruta, const QString &sql)
{
    Currency mayor;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"mayor"_s);
        db.setDatabaseName(ruta);
        db.open();
        QSqlQuery consulta(u"SELECT MAX(Stock_Actual) FROM ("_s + sql + u")"_s, db);
        if (consulta.next())
            mayor = Currency::fromDouble(std::round(consulta.value(0).toDouble() * 100) / 100);
    }
    QSqlDatabase::removeDatabase(u"mayor"_s);
    return mayor;
}

int medir(const QString &ruta, int lotes, const Medido &medido)
{
    const QString sql = ReglasStockLotes::Consulta(medido.seleccion, 1, Almacen, Articulo, true);
    const int campos = int(medido.seleccion.count(u',')) + 1;
    leerConQtSql(ruta, sql, campos); // the file in the page cache for both
    const double consulta = leerConQtSql(ruta, sql, campos);
    const Apertura apertura = abrirDialogo(ruta, medido, Currency());
    // Peak memory of the opening alone, before the action reads the whole list.
    const double pico = picoMemoriaMb();
    const Apertura accion = abrirDialogo(ruta, medido, mayorStock(ruta, sql));
    std::printf("dialog=%s lots=%d dialog_ms=%.1f query_ms=%.1f ratio=%.2f peak_mb=%.1f action_ms=%.1f\n",
                qPrintable(apertura.clase), lotes, apertura.pintadoMs, consulta, apertura.pintadoMs / consulta, pico,
                accion.accionMs);
    std::fflush(stdout);
    return apertura.pintadoMs < 0 || accion.accionMs < 0 ? 1 : 0;
}

QString crearBase(const QString &carpeta, int lotes)
{
    const QString ruta = carpeta + u"/lotes-%1.db"_s.arg(lotes);
    auto conexion = Conexion::Abrir(BaseDatosHost::CadenaSqlite(ruta));
    BaseDatosHost::CrearEsquema(*conexion);
    BaseDatosHost::TamanoDatos tamano;
    tamano.almacen = Almacen;
    tamano.articulo = Articulo;
    tamano.lotes = lotes;
    BaseDatosHost::GenerarDatos(*conexion, tamano);
    return ruta;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList argumentos = QApplication::arguments();

    // Child: one dialog measured on a database the parent made.
    if (argumentos.size() == 5 && argumentos.at(1) == u"--medir") {
        const Medido *medido = medidoDe(argumentos.at(4));
        return medido ? medir(argumentos.at(2), argumentos.at(3).toInt(), *medido) : 2;
    }

    QList<int> tamanos{1000, 10000, 100000};
    if (argumentos.size() > 1) {
        tamanos.clear();
        for (const QString &a : argumentos.mid(1))
            tamanos << a.toInt();
    }
    QTemporaryDir carpeta;
    int fallos = 0;
    for (const int lotes : std::as_const(tamanos)) {
        const QString ruta = crearBase(carpeta.path(), lotes);
        for (const Medido &medido : Dialogos()) {
            QProcess hijo;
            hijo.setProcessChannelMode(QProcess::ForwardedChannels);
            hijo.start(QApplication::applicationFilePath(),
                       {u"--medir"_s, ruta, QString::number(lotes), QLatin1String(medido.dialogo)});
            hijo.waitForFinished(-1);
            fallos += hijo.exitCode() != 0 ? 1 : 0;
        }
    }
    return fallos == 0 ? 0 : 1;
}

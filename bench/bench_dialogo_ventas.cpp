// Measures the sales lot dialog on an embedded database where one article has
// N lots in one warehouse: the time from Show to the first painted list, the
// time to read the same rows through Qt SQL alone, and the peak memory of a
// process that only opens the dialog. Prints one line per N:
//   lots=N dialog_ms=... query_ms=... ratio=... peak_mb=...
// Each N runs in a child process of its own, so that its peak memory is its own.
#include "db/BaseDatosHost.h"
#include "db/GeneradorDatos.h"
#include "sales/ReglasStockLotes.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

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

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

namespace {

constexpr qint16 Almacen = 1;
constexpr qint32 Articulo = 9000;
const QString Seleccion = u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s;

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
double leerConQtSql(const QString &ruta, const QString &sql)
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
            for (int i = 0; i < 4; ++i)
                filas += consulta.value(i).isNull() ? 0 : 1;
        }
        ms = double(reloj.nsecsElapsed()) / 1e6;
        if (filas == 0)
            std::fprintf(stderr, "the query read no rows\n");
    }
    QSqlDatabase::removeDatabase(u"bench"_s);
    return ms;
}

// From Show until the list of the dialog has painted once; then the dialog is cancelled.
class PrimerPintado final : public QObject
{
public:
    QElapsedTimer reloj;
    double ms = -1;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (ms < 0 && evento->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(objeto);
            if (widget && widget->parentWidget() && widget->parentWidget()->objectName() == u"vsLotes") {
                ms = double(reloj.nsecsElapsed()) / 1e6;
                auto *dialogo = qobject_cast<QDialog *>(widget->window());
                QTimer::singleShot(0, dialogo, &QDialog::reject);
            }
        }
        return false;
    }
};

double abrirDialogo(const QString &ruta)
{
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"Lotes_ModeloUsar"_s, u"3"_s);
    frmclsLotesFacturacion lotes;
    lotes.EmpresaNuvalia(empresa);
    lotes.ConexionNuvalia(Conexion::Abrir(BaseDatosHost::CadenaSqlite(ruta)));
    lotes.Cod_Almacen = Almacen;
    lotes.Cod_Articulo = Articulo;
    lotes.Unidades = 1;
    lotes.PermitirAutomatico = true;

    PrimerPintado pintado;
    qApp->installEventFilter(&pintado);
    pintado.reloj.start();
    lotes.Show(1);
    qApp->removeEventFilter(&pintado);
    return pintado.ms;
}

int medir(const QString &ruta, int lotes)
{
    const QString sql = ReglasStockLotes::Consulta(Seleccion, 1, Almacen, Articulo, true);
    leerConQtSql(ruta, sql); // the file in the page cache for both
    const double consulta = leerConQtSql(ruta, sql);
    const double dialogo = abrirDialogo(ruta);
    std::printf("lots=%d dialog_ms=%.1f query_ms=%.1f ratio=%.2f peak_mb=%.1f\n", lotes, dialogo, consulta,
                dialogo / consulta, picoMemoriaMb());
    return dialogo < 0 ? 1 : 0;
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

    // Child: one measurement on a database the parent made.
    if (argumentos.size() == 4 && argumentos.at(1) == u"--medir")
        return medir(argumentos.at(2), argumentos.at(3).toInt());

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
        QProcess hijo;
        hijo.setProcessChannelMode(QProcess::ForwardedChannels);
        hijo.start(QApplication::applicationFilePath(), {u"--medir"_s, ruta, QString::number(lotes)});
        hijo.waitForFinished(-1);
        fallos += hijo.exitCode() != 0 ? 1 : 0;
    }
    return fallos == 0 ? 0 : 1;
}

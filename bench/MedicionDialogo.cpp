#include "MedicionDialogo.h"

#include "db/BaseDatosHost.h"

#include <nvlalotes/Conexion.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <malloc.h>

using namespace Qt::StringLiterals;

namespace NVLALotes::Medicion {

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

void devolverMemoria()
{
    malloc_trim(0);
}

void empezarPico()
{
    devolverMemoria();
    // Writing 5 resets the peak (VmHWM) to the present resident size.
    QFile borrar(u"/proc/self/clear_refs"_s);
    if (borrar.open(QIODevice::WriteOnly))
        borrar.write("5");
}

Turnos porTurnos(const std::function<double()> &leer, const std::function<double()> &actuar)
{
    Menor consulta;
    Menor accion;
    for (int vez = 0; vez < 5; ++vez) {
        devolverMemoria();
        consulta.anotar(leer());
        devolverMemoria();
        accion.anotar(actuar());
    }
    return {consulta.ms(), accion.ms()};
}

double leerConQtSql(const QString &ruta, const QString &sql, int campos)
{
    double ms = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"bench"_s);
        db.setDatabaseName(ruta);
        db.open();
        const QSqlQuery cache(u"PRAGMA cache_size = -65536"_s, db);
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
            std::fputs("the query read no rows\n", stderr);
    }
    QSqlDatabase::removeDatabase(u"bench"_s);
    return ms;
}

PrimerPintado::PrimerPintado(std::function<void(QDialog *)> despues)
    : m_despues(std::move(despues))
{
    qApp->installEventFilter(this);
    reloj.start();
}

PrimerPintado::~PrimerPintado()
{
    qApp->removeEventFilter(this);
}

bool PrimerPintado::eventFilter(QObject *objeto, QEvent *evento)
{
    if (ms >= 0 || evento->type() != QEvent::Paint)
        return false;
    auto *widget = qobject_cast<QWidget *>(objeto);
    if (widget == nullptr || widget->parentWidget() == nullptr || widget->parentWidget()->objectName() != u"vsLotes")
        return false;
    ms = double(reloj.nsecsElapsed()) / 1e6;
    auto *dialogo = qobject_cast<QDialog *>(widget->window());
    clase = dialogo->objectName();
    QTimer::singleShot(0, dialogo, [this, dialogo] { m_despues(dialogo); });
    return false;
}

BaseDatosHost::DatosGenerados crearBaseConLotes(const QString &ruta, qint16 almacen, qint32 articulo, int lotes)
{
    auto conexion = Conexion::abrir(BaseDatosHost::cadenaSqlite(ruta));
    BaseDatosHost::crearEsquema(*conexion);
    BaseDatosHost::TamanoDatos tamano;
    tamano.almacen = almacen;
    tamano.articulo = articulo;
    tamano.lotes = lotes;
    return BaseDatosHost::generarDatos(*conexion, tamano);
}

int informar(const Resultado &r)
{
    const QString linea =
        u"dialog=%1 lots=%2 dialog_ms=%3 query_ms=%4 ratio=%5 peak_mb=%6 action_ms=%7 warm_ms=%8\n"_s.arg(r.clase)
            .arg(r.lotes)
            .arg(r.dialogoMs, 0, 'f', 1)
            .arg(r.consultaMs, 0, 'f', 1)
            .arg(r.dialogoMs / r.consultaMs, 0, 'f', 2)
            .arg(r.picoMb, 0, 'f', 1)
            .arg(r.accionMs, 0, 'f', 1)
            .arg(r.calienteMs, 0, 'f', 1);
    std::fputs(qPrintable(linea), stdout);
    std::fflush(stdout);
    return r.dialogoMs < 0 || r.accionMs < 0 || r.calienteMs < 0 ? 1 : 0;
}

int principal(int argc, char **argv, const QStringList &variantes,
              const std::function<QString(const QString &carpeta, int lotes)> &crearBase,
              const std::function<int(const Bases &bases, int lotes, const QString &variante)> &medir)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList argumentos = QApplication::arguments();

    // Child: one measurement on a database the parent made.
    if (argumentos.size() == 6 && argumentos.at(1) == u"--medir")
        return medir({argumentos.at(2), argumentos.at(5)}, argumentos.at(3).toInt(), argumentos.at(4));

    QList<int> tamanos{1000, 10000, 100000};
    if (argumentos.size() > 1) {
        tamanos.clear();
        for (const QString &a : argumentos.mid(1))
            tamanos << a.toInt();
    }
    QTemporaryDir carpeta;
    QTemporaryDir carpetaMil;
    const QString mil = crearBase(carpetaMil.path(), 1000);
    int fallos = 0;
    for (const int lotes : std::as_const(tamanos)) {
        const QString ruta = crearBase(carpeta.path(), lotes);
        for (const QString &variante : variantes) {
            QProcess hijo;
            hijo.setProcessChannelMode(QProcess::ForwardedChannels);
            hijo.start(QApplication::applicationFilePath(),
                       {u"--medir"_s, ruta, QString::number(lotes), variante, mil});
            hijo.waitForFinished(-1);
            fallos += hijo.exitCode() != 0 ? 1 : 0;
        }
    }
    return fallos == 0 ? 0 : 1;
}

} // namespace NVLALotes::Medicion

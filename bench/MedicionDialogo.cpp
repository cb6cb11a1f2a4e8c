#include "MedicionDialogo.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>
#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace NVLALotes::Medicion {

double PicoMemoriaMb()
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

double LeerConQtSql(const QString &ruta, const QString &sql, int campos)
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
    if (!widget || !widget->parentWidget() || widget->parentWidget()->objectName() != u"vsLotes")
        return false;
    ms = double(reloj.nsecsElapsed()) / 1e6;
    auto *dialogo = qobject_cast<QDialog *>(widget->window());
    clase = dialogo->objectName();
    QTimer::singleShot(0, dialogo, [this, dialogo] { m_despues(dialogo); });
    return false;
}

} // namespace NVLALotes::Medicion

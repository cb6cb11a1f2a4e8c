#include "Conduccion.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

namespace NVLALotes::Pruebas {

namespace {

QDialog *dialogoModalActivo()
{
    auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialogo || qobject_cast<QMessageBox *>(dialogo) || !dialogo->isVisible())
        return nullptr;
    return dialogo;
}

} // namespace

bool ConDialogo(const std::function<void()> &accion, const std::function<void(QDialog *)> &guion)
{
    bool ejecutado = false;
    bool enCurso = false;
    QTimer sondeo;
    sondeo.setInterval(5);
    QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
        if (ejecutado || enCurso)
            return;
        QDialog *dialogo = dialogoModalActivo();
        if (!dialogo)
            return;
        enCurso = true;
        dialogo->activateWindow();
        if (!QTest::qWaitForWindowActive(dialogo))
            qWarning("the dialog did not become active");
        QPointer<QDialog> vigilado(dialogo);
        // NVLA_CAPTURAS=folder keeps a picture of every dialog a test opens, for review.
        if (const QString carpeta = qEnvironmentVariable("NVLA_CAPTURAS"); !carpeta.isEmpty())
            dialogo->grab().save(carpeta + u'/' + dialogo->objectName() + QStringLiteral(".png"));
        guion(dialogo);
        ejecutado = true;
        if (vigilado && vigilado->isVisible()) {
            qWarning("the script left the dialog open; closing it");
            vigilado->reject();
        }
    });
    sondeo.start();
    accion();
    sondeo.stop();
    return ejecutado;
}

QList<MensajeVisto> CapturarMensajes(const std::function<void()> &accion)
{
    QList<MensajeVisto> vistos;
    QTimer sondeo;
    sondeo.setInterval(5);
    QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
        auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!caja || !caja->isVisible())
            return;
        MensajeVisto visto{caja->windowTitle(), caja->text(), caja->icon(), {}};
        for (QAbstractButton *boton : caja->buttons())
            visto.botones << boton->text();
        vistos << visto;
        if (QAbstractButton *ok = caja->button(QMessageBox::Ok))
            ok->click();
        else
            caja->reject();
    });
    sondeo.start();
    accion();
    sondeo.stop();
    return vistos;
}

QWidget *control(QWidget *dialogo, const QString &nombre)
{
    auto *widget = dialogo->findChild<QWidget *>(nombre);
    if (!widget)
        qWarning("no control named %s", qPrintable(nombre));
    return widget;
}

void clic(QWidget *dialogo, const QString &nombre)
{
    QWidget *widget = control(dialogo, nombre);
    if (!widget)
        return;
    // A list takes its clicks on its viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        widget = area->viewport();
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void enfocar(QWidget *dialogo, const QString &nombre)
{
    if (QWidget *widget = control(dialogo, nombre)) {
        widget->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
    }
}

void escribir(QWidget *dialogo, const QString &nombre, const QString &texto)
{
    auto *edit = control<QLineEdit>(dialogo, nombre);
    if (!edit)
        return;
    enfocar(dialogo, nombre);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    // QTest types only ASCII by itself; other letters go as key events carrying their text.
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

} // namespace NVLALotes::Pruebas

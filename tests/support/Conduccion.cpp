#include "Conduccion.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

namespace {

// How many capturarMensajes are running, nested (only the innermost takes a
// message), and how many messages they have taken.
struct Capturas
{
    int enCurso = 0;
    int tomadas = 0;
};

Capturas &capturas()
{
    static Capturas c;
    return c;
}

// Records the failure; answers false.
bool fallar(const QString &motivo)
{
    QTest::qFail(qPrintable(motivo), __FILE__, __LINE__);
    return false;
}

// The visible modal window on top: a message box when `mensaje`, a lot dialog otherwise.
QDialog *modalVisible(bool mensaje)
{
    auto *ventana = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    const bool caja = qobject_cast<QMessageBox *>(ventana) != nullptr;
    return ventana && ventana->isVisible() && caja == mensaje ? ventana : nullptr;
}

// Closes an unexpected window and fails the test; answers false.
bool inesperada(QDialog *ventana, const QString &que = u"unexpected "_s)
{
    const auto *caja = qobject_cast<const QMessageBox *>(ventana);
    ventana->reject();
    return fallar(que + (caja ? u"message box \"%1\""_s.arg(caja->text()) : u"dialog "_s + ventana->objectName()));
}

// Runs the script on the dialog; answers whether it ran clean and closed it.
bool ejecutarGuion(QDialog *dialogo, const std::function<void(QDialog *)> &guion)
{
    dialogo->activateWindow();
    bool limpio =
        QTest::qWaitForWindowActive(dialogo) || fallar(u"the dialog did not become active: "_s + dialogo->objectName());
    QPointer<QDialog> vigilado(dialogo);
    // NVLA_CAPTURAS=folder keeps a picture of every dialog a test opens, for
    // review.
    if (const QString carpeta = qEnvironmentVariable("NVLA_CAPTURAS"); !carpeta.isEmpty())
        dialogo->grab().save(carpeta + u'/' + dialogo->objectName() + u".png"_s);
    try {
        guion(dialogo);
    } catch (const ControlAusente &) {
        limpio = false; // already recorded
    } catch (const std::exception &error) {
        limpio = fallar(u"the script raised: "_s + QString::fromLocal8Bit(error.what()));
    }
    // A QVERIFY in the script returns from the script only: its failure is the
    // driver's answer.
    limpio = limpio && !QTest::currentTestFailed();
    if (vigilado && vigilado->isVisible())
        limpio = limpio ? inesperada(vigilado, u"the script left open the "_s) : (vigilado->reject(), false);
    return limpio;
}

// Runs `accion`; the first dialog it brings up goes to `guion` (with no
// script, any dialog fails), any other dialog and any message box no capture
// takes fail. Answers whether the run was clean.
bool conducir(const std::function<void()> &accion, const std::function<void(QDialog *)> *guion)
{
    int dialogos = 0;
    bool limpio = true;
    const auto mensajes = sondeo([&] {
        if (QDialog *caja = modalVisible(true); caja && capturas().enCurso == 0)
            limpio = inesperada(caja);
    });
    const auto vigia = sondeo([&] {
        if (QDialog *dialogo = modalVisible(false))
            limpio =
                (guion == nullptr || dialogos++ > 0 ? inesperada(dialogo) : ejecutarGuion(dialogo, *guion)) && limpio;
    });
    accion();
    return (guion == nullptr || dialogos > 0 || fallar(u"no dialog came up"_s)) && limpio;
}

} // namespace

bool conDialogo(const std::function<void()> &accion, const std::function<void(QDialog *)> &guion)
{
    return conducir(accion, &guion);
}

bool sinDialogo(const std::function<void()> &accion)
{
    return conducir(accion, nullptr);
}

QString textos(const QList<MensajeVisto> &mensajes)
{
    QStringList textos;
    for (const MensajeVisto &m : mensajes)
        textos << u"%1|%2|%3"_s.arg(int(m.icono)).arg(m.titulo, m.texto);
    return textos.join(u" / "_s);
}

int mensajesCapturados()
{
    return capturas().tomadas;
}

QList<MensajeVisto> capturarMensajes(const std::function<void()> &accion)
{
    QList<MensajeVisto> vistos;
    const int nivel = ++capturas().enCurso;
    const auto capturador = sondeo([&] {
        auto *caja = qobject_cast<QMessageBox *>(modalVisible(true));
        if (capturas().enCurso != nivel || !caja)
            return;
        vistos << MensajeVisto{caja->windowTitle(), caja->text(), caja->icon()};
        ++capturas().tomadas;
        QAbstractButton *ok = caja->button(QMessageBox::Ok);
        ok ? ok->click() : caja->reject();
    });
    const std::unique_ptr<int, void (*)(int *)> salida(&capturas().enCurso, [](int *n) { --*n; });
    accion();
    return vistos;
}

bool ningunaVentanaAbierta()
{
    bool ninguna = true;
    for (QWidget *ventana : QApplication::topLevelWidgets())
        if (auto *dialogo = qobject_cast<QDialog *>(ventana); dialogo && dialogo->isVisible())
            ninguna = inesperada(dialogo, u"left open: "_s);
    return ninguna;
}

QWidget *control(QWidget *dialogo, const QString &nombre, const QMetaObject &tipo)
{
    auto *widget = dialogo->findChild<QWidget *>(nombre);
    if (widget && widget->metaObject()->inherits(&tipo))
        return widget;
    const QString motivo =
        u"%1 has no control %2 of type %3"_s.arg(dialogo->objectName(), nombre, QString::fromLatin1(tipo.className()));
    fallar(motivo);
    throw ControlAusente(motivo.toStdString());
}

void clic(QWidget *dialogo, const QString &nombre)
{
    QWidget *widget = control(dialogo, nombre);
    // A clerk cannot click what is not on the screen.
    if (!widget->isVisible()) {
        fallar(u"the control %1 is hidden"_s.arg(nombre));
        throw ControlAusente(nombre.toStdString());
    }
    // A list takes its clicks on its viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        widget = area->viewport();
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void enfocar(QWidget *dialogo, const QString &nombre)
{
    control(dialogo, nombre)->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

void escribir(QWidget *dialogo, const QString &nombre, const QString &texto)
{
    auto *edit = control<QLineEdit>(dialogo, nombre);
    enfocar(dialogo, nombre);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    // QTest types only ASCII by itself; other letters go as key events carrying
    // their text.
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

} // namespace NVLALotes::Pruebas

#pragma once

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <stdexcept>

// Driving the real dialogs from a test: a modal dialog runs its own loop, so
// the test's steps run from a timer inside that loop.
//
// The driver is strict: a dialog that never comes up, a dialog the script
// leaves open, a message box nobody expected and a control that does not exist
// each fail the test. A helper called from a timer cannot return from the test
// function, so it records the failure (QTest::qFail) and answers false; the
// test checks every answer (the helpers are [[nodiscard]]).
namespace NVLALotes::Pruebas {

// Runs `accion` (typically an entry class's Show(1)) and, as soon as a modal lot
// dialog is up and active, runs `guion` on it. Answers true only when the
// dialog came up, the script ran without a failure and left the dialog closed
// and no message box came up outside capturarMensajes. Otherwise the failure
// is recorded and any dialog still open is closed, so the test cannot hang.
// An exception from `accion` (Show failing before any dialog) goes on to the caller.
[[nodiscard]] bool conDialogo(const std::function<void()> &accion, const std::function<void(QDialog *)> &guion);

// Runs `accion`, which must answer without showing any dialog. A dialog that
// comes up anyway is recorded as a failure and closed; answers whether none came.
[[nodiscard]] bool sinDialogo(const std::function<void()> &accion);

struct MensajeVisto
{
    QString titulo;
    QString texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
};

// Runs `accion`; every message box it opens is recorded and closed with OK.
// Captures nest: the innermost running capture takes the message.
QList<MensajeVisto> capturarMensajes(const std::function<void()> &accion);
// The messages, each "icon|title|text" (the icon as QMessageBox::Icon's
// number: 2 warning, 3 critical), joined by " / ".
QString textos(const QList<MensajeVisto> &mensajes);
// How many message boxes the captures have taken so far, for a script that
// must know whether a message came up before it began.
int mensajesCapturados();

// Runs `cada` every 5 ms while it lives. A timer does not fire again while its
// own handler runs (a script in a nested loop): what must watch meanwhile needs
// a sondeo of its own.
[[nodiscard]] inline std::unique_ptr<QTimer> sondeo(const std::function<void()> &cada)
{
    auto temporizador = std::make_unique<QTimer>();
    temporizador->callOnTimeout(cada);
    temporizador->start(5);
    return temporizador;
}

// Whether no dialog or message box is left open; records a failure naming the
// windows otherwise. For each test class's cleanup().
[[nodiscard]] bool ningunaVentanaAbierta();

// Raised by the helpers below when the named control does not exist (after
// recording the failure), so a script stops at the first missing control.
class ControlAusente : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A named child widget of the dialog, of the type asked for; a missing one
// (or one of another type) fails the test and raises ControlAusente.
QWidget *control(QWidget *dialogo, const QString &nombre, const QMetaObject &tipo = QWidget::staticMetaObject);

template<class T> T *control(QWidget *dialogo, const QString &nombre)
{
    return static_cast<T *>(control(dialogo, nombre, T::staticMetaObject));
}

// A real mouse click on a named control.
void clic(QWidget *dialogo, const QString &nombre);
// Gives the focus to a named control as a click would.
void enfocar(QWidget *dialogo, const QString &nombre);
// Types text into a named control (replacing what it holds).
void escribir(QWidget *dialogo, const QString &nombre, const QString &texto);

} // namespace NVLALotes::Pruebas

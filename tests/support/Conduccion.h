#pragma once

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTest>

#include <functional>

// Driving the real dialogs from a test: a modal dialog runs its own loop, so
// the test's steps run from a timer inside that loop.
namespace NVLALotes::Pruebas {

// Runs `accion` (typically an entry class's Show(1)) and, as soon as a modal lot
// dialog is up and active, runs `guion` on it. Fails the test if no dialog came
// up; a dialog the script left open is closed so the test cannot hang.
// Answers whether the script ran.
bool ConDialogo(const std::function<void()> &accion, const std::function<void(QDialog *)> &guion);

struct MensajeVisto
{
    QString titulo;
    QString texto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
    QStringList botones;
};

// Runs `accion`; every message box it opens is recorded and closed with OK.
QList<MensajeVisto> CapturarMensajes(const std::function<void()> &accion);

// A named child widget of the dialog; fails (and answers nullptr) when missing.
QWidget *control(QWidget *dialogo, const QString &nombre);

template<class T> T *control(QWidget *dialogo, const QString &nombre)
{
    return qobject_cast<T *>(control(dialogo, nombre));
}

// A real mouse click on a named control.
void clic(QWidget *dialogo, const QString &nombre);
// Gives the focus to a named control as a click would.
void enfocar(QWidget *dialogo, const QString &nombre);
// Types text into a named control (replacing what it holds).
void escribir(QWidget *dialogo, const QString &nombre, const QString &texto);

} // namespace NVLALotes::Pruebas

#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

namespace NVLALotes {
class ErrorLotes;
}

// How a clerk of the load benchmark works the windows: the outcome of an
// operation, the driver that plays the clerk on a Show's windows, and the
// clerk's hand on the controls.
namespace NVLALotes::Carga {

// Worse outcomes come later: a lost connection outweighs a refusal, an error both.
enum class Final { Ok, Rechazo, Perdida, Error, Atasco };

const char *nombreFinal(Final final);
Final peor(Final a, Final b);
Final finalDeError(const ErrorLotes &error);

// Plays the clerk on the windows of one Show: waits until the window is up
// and active, thinks, runs the script; answers every message box with OK,
// noting what it said; closes a window its script left open.
class Conductor final : public QObject
{
public:
    Conductor();

    void empezar(std::function<void(QDialog *)> guion, int pensarMs);
    void terminar() { m_pulso.stop(); }

    Final final = Final::Ok;
    qint64 pensadoMs = 0; // thinking, and reading a refusal: no time of the library's

private:
    void actuar();
    void cerrarMensaje(QMessageBox *mensaje);

    QTimer m_pulso;
    std::function<void(QDialog *)> m_guion;
    int m_pensarMs = 0;
    QPointer<QDialog> m_dialogo;
    QPointer<QMessageBox> m_cerrando;
    bool m_guionHecho = false;
    QElapsedTimer m_reloj;
};

// The clerk's hand: focus, typing and buttons, as a clerk reaches them.
void pulsar(QDialog *dialogo, const QString &boton);
void teclear(QDialog *dialogo, const QString &caja, const QString &texto);
void aceptar(QDialog *dialogo);
// Into the list and down `filas` rows.
void bajar(QDialog *dialogo, int filas);

} // namespace NVLALotes::Carga

#include "Teclado.h"

#include <QApplication>
#include <QWidget>

namespace NVLALotes {

namespace {

// Next or previous widget in the focus chain that would take the focus by Tab.
QWidget *vecinoEnTabulacion(QWidget *desde, bool siguiente)
{
    QWidget *candidato = desde;
    do {
        candidato = siguiente ? candidato->nextInFocusChain() : candidato->previousInFocusChain();
        if (candidato->window() == desde->window() && candidato->isVisible() && candidato->isEnabled() &&
            (candidato->focusPolicy() & Qt::TabFocus) != 0)
            return candidato;
    } while (candidato != desde);
    return nullptr;
}

void moverFoco(bool siguiente)
{
    QWidget *actual = QApplication::focusWidget();
    if (!actual)
        return;
    if (QWidget *destino = vecinoEnTabulacion(actual, siguiente))
        destino->setFocus(siguiente ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

} // namespace

Teclado &Teclado::instancia()
{
    static Teclado teclado;
    return teclado;
}

void Teclado::FocoSiguiente()
{
    moverFoco(true);
}

void Teclado::FocoAnterior()
{
    moverFoco(false);
}

} // namespace NVLALotes

#include "Anclaje.h"

#include "foundation/controls/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace NVLALotes {

Anclaje::Anclaje(QWidget *form, Configuracion configuracion)
    : QObject(form)
    , m_form(form)
    , m_config(std::move(configuracion))
{
    setObjectName(QStringLiteral("Anclaje"));
    form->installEventFilter(this);
}

bool Anclaje::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form) {
        if (event->type() == QEvent::Resize)
            recolocar();
        else if (event->type() == QEvent::Show && m_config.ajustarForm)
            ajustarAPantalla();
    }
    return QObject::eventFilter(watched, event);
}

// Each anchored control keeps its design distance to the edges it is anchored
// to; towards a free edge it keeps its design size.
void Anclaje::recolocar()
{
    const QSize disenio = Twips::size(m_config.areaCliente.width(), m_config.areaCliente.height());
    if (disenio.isEmpty())
        return;
    const int dx = m_form->width() - disenio.width();
    const int dy = m_form->height() - disenio.height();
    for (const Control &control : std::as_const(m_config.controles)) {
        auto *widget = m_form->findChild<QWidget *>(control.nombre);
        if (!widget)
            continue;
        QRect r =
            Twips::rect(control.sizeIni.x(), control.sizeIni.y(), control.sizeIni.width(), control.sizeIni.height());
        const bool izquierda = (control.anclaje & Izquierda) != 0;
        const bool derecha = (control.anclaje & Derecha) != 0;
        const bool arriba = (control.anclaje & Arriba) != 0;
        const bool abajo = (control.anclaje & Abajo) != 0;
        if (derecha && izquierda)
            r.setWidth(r.width() + dx);
        else if (derecha)
            r.translate(dx, 0);
        if (abajo && arriba)
            r.setHeight(r.height() + dy);
        else if (abajo)
            r.translate(0, dy);
        widget->setGeometry(r);
    }
}

// A form laid out for 800 x 600 must still fit a smaller working area.
void Anclaje::ajustarAPantalla()
{
    const QScreen *pantalla = m_form->screen() ? m_form->screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect disponible = pantalla->availableGeometry();
    QRect marco = m_form->frameGeometry();
    if (marco.width() > disponible.width() || marco.height() > disponible.height()) {
        m_form->setMinimumSize(0, 0);
        m_form->resize(std::min(m_form->width(), disponible.width()), std::min(m_form->height(), disponible.height()));
        marco = m_form->frameGeometry();
    }
    if (!disponible.contains(marco))
        m_form->move(disponible.topLeft());
}

} // namespace NVLALotes

#include "modMsgOp.h"

#include "foundation/mensajes/frmMsg.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace NVLALotes {

const QString modMsgOp::MsgOperacion = u"Realizando operación, espere por favor..."_s;

OperacionEnCurso::OperacionEnCurso(QWidget *sobre, const QString &texto)
    : m_ventana(std::make_unique<frmMsg>())
{
    m_ventana->Mensaje = texto;
    // Sized before it is placed: the width follows the text.
    m_ventana->RefreshMsg();
    if (sobre) {
        const QRect marco = sobre->window()->geometry();
        m_ventana->move(marco.center() - m_ventana->rect().center());
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_ventana->show();
    // The operation about to run keeps the event loop busy: paint the window now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

OperacionEnCurso::~OperacionEnCurso()
{
    QGuiApplication::restoreOverrideCursor();
    m_ventana->close();
}

} // namespace NVLALotes

#include "DialogoLotes.h"

#include "foundation/controls/Mensajes.h"
#include "foundation/controls/Twips.h"
#include "foundation/values/ErrorLotes.h"

#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace NVLALotes {

DialogoLotes::DialogoLotes(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The layouts in twips were drawn for a small sans-serif face of 8 points;
    // a wider default font would cut the captions off.
    QFont letra = font();
    letra.setFamilies({u"MS Sans Serif"_s, u"Liberation Sans"_s, u"Arial"_s, u"DejaVu Sans Condensed"_s});
    letra.setPointSizeF(8.25);
    setFont(letra);
}

void DialogoLotes::fijarAreaCliente(int anchoTwips, int altoTwips)
{
    setFixedSize(Twips::size(anchoTwips, altoTwips));
}

void DialogoLotes::terminarAceptando()
{
    Result = true;
    done(QDialog::Accepted);
}

void DialogoLotes::terminarCancelando()
{
    Result = false;
    done(QDialog::Rejected);
}

void DialogoLotes::protegido(const QString &accion, const std::function<void()> &manejador)
{
    const QString titulo = objectName() + QLatin1Char(':') + accion;
    try {
        manejador();
    } catch (const ErrorLotes &error) {
        Mensajes::Critico(this, titulo, error.Description());
    } catch (const std::exception &error) {
        Mensajes::Critico(this, titulo, QString::fromLocal8Bit(error.what()));
    }
}

void DialogoLotes::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace NVLALotes

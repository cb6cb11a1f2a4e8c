#include "VentanaLotes.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/TextosQt.h"
#include "foundation/controls/Twips.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QKeyEvent>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace NVLALotes {

VentanaLotes::VentanaLotes(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // The dialogs Qt opens for a window (files, printing) speak Spanish too.
    TextosQt::asegurarEspanol();
    // The layouts in twips were drawn for a small sans-serif face of 8 points;
    // a wider default font would cut the captions off.
    QFont letra = font();
    letra.setFamilies({u"MS Sans Serif"_s, u"Liberation Sans"_s, u"Arial"_s, u"DejaVu Sans Condensed"_s});
    letra.setPointSizeF(8.25);
    setFont(letra);
}

VentanaLotes::~VentanaLotes() = default;

QString VentanaLotes::tituloError(const QString &accion) const
{
    return (m_nombreEnErrores.isEmpty() ? objectName() : m_nombreEnErrores) + QLatin1Char(':') + accion;
}

void VentanaLotes::fijarAreaCliente(int anchoTwips, int altoTwips)
{
    setFixedSize(Twips::size(anchoTwips, altoTwips));
}

void VentanaLotes::fijarAreaSinAnclados(int anchoTwips, int altoTwips, bool ajustarForm)
{
    fijarAreaCliente(anchoTwips, altoTwips);
    // The stored outer size is the inner one with the borders and title bar of the time.
    anclar(Anclaje::sinAnclados(anchoTwips + 120, altoTwips + 405, ajustarForm));
}

void VentanaLotes::fijarAreaRedimensionable(int anchoTwips, int altoTwips)
{
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    resize(Twips::size(anchoTwips, altoTwips));
}

void VentanaLotes::anclar(const Anclaje::Ajustes &ajustes)
{
    // One anchoring per window: a second would move the same controls twice.
    Q_ASSERT(m_anclaje == nullptr);
    m_anclaje = new Anclaje(this, Anclaje::Configuracion::leer(ajustes));
}

void VentanaLotes::falloAlLeer(const ErrorLotes &error)
{
    Mensajes::critico(this, tituloError(u"Cargar"_s), error.Description());
}

void VentanaLotes::protegido(const QString &accion, const std::function<void()> &manejador)
{
    try {
        manejador();
    } catch (const ErrorDeCarga &) {
        return;
    } catch (const ErrorLotes &error) {
        Mensajes::critico(this, tituloError(accion), error.Description());
    } catch (const std::exception &error) {
        Mensajes::critico(this, tituloError(accion), QString::fromLocal8Bit(error.what()));
    }
}

void VentanaLotes::showEvent(QShowEvent *event)
{
    if (!focusWidget()) {
        if (QWidget *primero = Formulario::primeroEnTabulacion(this))
            primero->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

void VentanaLotes::trasPintar(std::function<void()> paso)
{
    m_trasPintar.append(std::move(paso));
    // Shown already: what it shows now is painted before a call queued after it.
    if (isVisible())
        QTimer::singleShot(0, this, &VentanaLotes::ejecutarTrasPintar);
}

void VentanaLotes::ejecutarTrasPintar()
{
    for (const std::function<void()> &paso : std::exchange(m_trasPintar, {}))
        protegido(u"Cargar"_s, paso);
}

bool VentanaLotes::event(QEvent *event)
{
    const bool tratado = QDialog::event(event);
    if (event->type() == QEvent::Paint && !m_trasPintar.isEmpty())
        QTimer::singleShot(0, this, &VentanaLotes::ejecutarTrasPintar);
    return tratado;
}

void VentanaLotes::keyPressEvent(QKeyEvent *event)
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

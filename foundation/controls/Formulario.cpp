#include "Formulario.h"

#include "foundation/controls/PushButton.h"
#include "foundation/controls/Twips.h"
#include "foundation/controls/kxMaskEdBox.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace NVLALotes::Formulario {

namespace {

template<class Control> Control *colocado(Control *control, const QString &nombre, const QRect &twips)
{
    control->setObjectName(nombre);
    Twips::colocar(control, twips);
    return control;
}

} // namespace

QLabel *etiqueta(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips)
{
    QLabel *etiqueta = colocado(new QLabel(texto, padre), nombre, twips);
    // The designs were drawn for a narrower face than the one standing in for it:
    // a caption wider than its designed box grows to the right instead of losing its end.
    if (const int ancho = etiqueta->sizeHint().width(); ancho > etiqueta->width())
        etiqueta->resize(ancho, etiqueta->height());
    return etiqueta;
}

kxTextBox *cajaTexto(QWidget *padre, const QString &nombre, int maxLength, const QRect &twips)
{
    auto *caja = colocado(new kxTextBox(padre), nombre, twips);
    caja->setMaxLength(maxLength);
    return caja;
}

kxMaskEdBox *cajaFecha(QWidget *padre, const QRect &twips)
{
    return colocado(new kxMaskEdBox(padre), u"txtCaducidad"_s, twips);
}

PushButton *boton(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips)
{
    return colocado(new PushButton(texto, padre), nombre, twips);
}

void ordenTabulacion(std::initializer_list<QWidget *> controles)
{
    QWidget *anterior = nullptr;
    for (QWidget *control : controles) {
        if (anterior)
            QWidget::setTabOrder(anterior, control);
        anterior = control;
    }
}

} // namespace NVLALotes::Formulario

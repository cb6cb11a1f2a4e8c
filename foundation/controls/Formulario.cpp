#include "Formulario.h"

#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/Twips.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/controls/kxMaskEdBox.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace NVLALotes::Formulario {

namespace {

constexpr const char *PropiedadTab = "nvlaPosicionTab";

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

kxAlmacen *selectorAlmacen(QWidget *padre, const QString &nombre, const QRect &twips)
{
    return colocado(new kxAlmacen(padre), nombre, twips);
}

PushButton *boton(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips)
{
    return colocado(new PushButton(texto, padre), nombre, twips);
}

QGroupBox *marco(QWidget *padre, const QString &nombre, const QString &texto, const QRect &twips)
{
    return colocado(new QGroupBox(texto, padre), nombre, twips);
}

Rejilla *rejilla(QWidget *padre, const QString &nombre, const QRect &twips)
{
    return colocado(new Rejilla(padre), nombre, twips);
}

void ordenTabulacion(std::initializer_list<QWidget *> controles)
{
    QWidget *anterior = nullptr;
    int posicion = 0;
    for (QWidget *control : controles) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        fijarPosicionTab(control, posicion++);
        if (anterior)
            QWidget::setTabOrder(anterior, control);
        anterior = control;
    }
}

void fijarPosicionTab(QWidget *control, int posicion)
{
    control->setProperty(PropiedadTab, posicion);
}

std::optional<int> posicionTab(const QWidget *control)
{
    const QVariant posicion = control->property(PropiedadTab);
    if (!posicion.isValid() || control->focusPolicy() == Qt::NoFocus)
        return std::nullopt;
    return posicion.toInt();
}

} // namespace NVLALotes::Formulario

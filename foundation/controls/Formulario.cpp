#include "Formulario.h"

#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/Twips.h"
#include "foundation/controls/kxAlmacen.h"
#include "foundation/controls/kxMaskEdBox.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes::Formulario {

namespace {

constexpr const char *PropiedadTab = "nvlaPosicionTab";

// Each control keeps its position; those that take the focus are chained in
// the order given.
void encadenar(const QList<PosicionTab> &orden)
{
    QWidget *anterior = nullptr;
    for (const auto &[control, posicion] : orden) {
        control->setProperty(PropiedadTab, posicion);
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (anterior)
            QWidget::setTabOrder(anterior, control);
        anterior = control;
    }
}

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
    QList<PosicionTab> orden;
    for (QWidget *control : controles) {
        if (control->focusPolicy() != Qt::NoFocus)
            orden.append({control, int(orden.size())});
    }
    encadenar(orden);
}

void posicionesTab(const QList<PosicionTab> &controles)
{
    QList<PosicionTab> orden(controles);
    std::ranges::stable_sort(orden, {}, &PosicionTab::posicion);
    encadenar(orden);
}

std::optional<int> posicionTab(const QWidget *control)
{
    const QVariant posicion = control->property(PropiedadTab);
    if (!posicion.isValid())
        return std::nullopt;
    return posicion.toInt();
}

QWidget *primeroEnTabulacion(const QWidget *ventana)
{
    QWidget *primero = nullptr;
    int menor = 0;
    for (QWidget *control : ventana->findChildren<QWidget *>()) {
        const std::optional<int> posicion = posicionTab(control);
        if (!posicion || (primero && *posicion >= menor) || (control->focusPolicy() & Qt::TabFocus) == 0 ||
            !control->isEnabled() || !control->isVisibleTo(ventana))
            continue;
        primero = control;
        menor = *posicion;
    }
    return primero;
}

} // namespace NVLALotes::Formulario

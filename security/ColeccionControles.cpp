#include "ColeccionControles.h"

#include "foundation/controls/Formulario.h"

#include <QWidget>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace NVLALotes::ColeccionControles {

namespace {

bool esControl(const QWidget *widget)
{
    const QString nombre = widget->objectName();
    return !nombre.isEmpty() && !nombre.startsWith(u"qt_"_s);
}

// The widgets of `padre` that belong to it, in the order Qt keeps them.
QList<QWidget *> hijos(const QWidget *padre)
{
    QList<QWidget *> widgets;
    for (QObject *hijo : padre->children()) {
        auto *widget = qobject_cast<QWidget *>(hijo);
        if (widget && !widget->isWindow())
            widgets << widget;
    }
    return widgets;
}

// A widget that hands its focus to a child of its own (the warehouse picker)
// is one control to the clerk: its inner box, label and button are its parts.
bool esCompuesto(const QWidget *widget)
{
    const QWidget *proxy = widget->focusProxy();
    return proxy != nullptr && widget->isAncestorOf(proxy);
}

bool tomaFocoConTab(const QWidget *widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

} // namespace

QList<QWidget *> de(const QWidget *formulario)
{
    QList<QWidget *> controles;
    if (!formulario)
        return controles;
    // Depth first, each widget before its children: a stack holding the
    // siblings still to visit, the next one on top.
    QList<QWidget *> pendientes = hijos(formulario);
    std::reverse(pendientes.begin(), pendientes.end());
    while (!pendientes.isEmpty()) {
        QWidget *widget = pendientes.takeLast();
        if (esControl(widget))
            controles << widget;
        if (esCompuesto(widget))
            continue;
        const QList<QWidget *> suyos = hijos(widget);
        std::copy(suyos.crbegin(), suyos.crend(), std::back_inserter(pendientes));
    }
    return controles;
}

bool esElementoMatriz(const QWidget *control)
{
    const QVariant indice = control->property(PropiedadIndice);
    bool esEntero = false;
    indice.toInt(&esEntero);
    return indice.isValid() && esEntero;
}

QString indice(const QWidget *control)
{
    return esElementoMatriz(control) ? QString::number(control->property(PropiedadIndice).toInt()) : QString();
}

QString clave(const QWidget *control)
{
    return control->objectName() + u'!' + indice(control);
}

std::optional<int> posicionTabulacion(const QWidget *formulario, const QWidget *control)
{
    if (const std::optional<int> dada = Formulario::posicionTab(control))
        return dada;
    if (!tomaFocoConTab(control) || !formulario)
        return std::nullopt;
    const QList<QWidget *> controles = de(formulario);
    int posicion = 0;
    // The chain is circular and passes through the form itself; one lap is enough.
    for (QWidget *w = formulario->nextInFocusChain(); w && w != formulario; w = w->nextInFocusChain()) {
        if (w == control)
            return posicion;
        if (controles.contains(w) && tomaFocoConTab(w))
            ++posicion;
    }
    return std::nullopt;
}

} // namespace NVLALotes::ColeccionControles

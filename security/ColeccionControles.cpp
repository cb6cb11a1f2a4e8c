#include "ColeccionControles.h"

#include "foundation/controls/Formulario.h"

#include <QWidget>

using namespace Qt::StringLiterals;

namespace NVLALotes::ColeccionControles {

namespace {

bool esControl(const QWidget *widget)
{
    const QString nombre = widget->objectName();
    return !nombre.isEmpty() && !nombre.startsWith(u"qt_"_s);
}

void recorrer(const QWidget *padre, QList<QWidget *> &controles)
{
    for (QObject *hijo : padre->children()) {
        auto *widget = qobject_cast<QWidget *>(hijo);
        if (!widget || widget->isWindow())
            continue;
        if (esControl(widget))
            controles << widget;
        recorrer(widget, controles);
    }
}

} // namespace

QList<QWidget *> De(const QWidget *formulario)
{
    QList<QWidget *> controles;
    if (formulario)
        recorrer(formulario, controles);
    return controles;
}

bool EsElementoMatriz(const QWidget *control)
{
    const QVariant indice = control->property(PropiedadIndice);
    bool esEntero = false;
    indice.toInt(&esEntero);
    return indice.isValid() && esEntero;
}

QString Indice(const QWidget *control)
{
    return EsElementoMatriz(control) ? QString::number(control->property(PropiedadIndice).toInt()) : QString();
}

QString Clave(const QWidget *control)
{
    return control->objectName() + u'!' + Indice(control);
}

std::optional<int> PosicionTabulacion(const QWidget *formulario, const QWidget *control)
{
    if (const std::optional<int> dada = Formulario::posicionTab(control))
        return dada;
    if (!(control->focusPolicy() & Qt::TabFocus) || !formulario)
        return std::nullopt;
    const QList<QWidget *> controles = De(formulario);
    int posicion = 0;
    // The chain is circular and passes through the form itself; one lap is enough.
    for (QWidget *w = formulario->nextInFocusChain(); w && w != formulario; w = w->nextInFocusChain()) {
        if (w == control)
            return posicion;
        if (controles.contains(w) && (w->focusPolicy() & Qt::TabFocus))
            ++posicion;
    }
    return std::nullopt;
}

} // namespace NVLALotes::ColeccionControles

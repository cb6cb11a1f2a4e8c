#include "ReglasAcceso.h"

#include <QApplication>
#include <QFrame>
#include <QMetaProperty>
#include <QPalette>
#include <QWidget>

namespace NVLALotes::ReglasAcceso {

namespace {

// The writable property of that name that the control's class declares; a
// dynamic property does not count.
QMetaProperty propiedadDeclarada(const QWidget *control, const char *nombre)
{
    const QMetaObject *meta = control->metaObject();
    const int indice = meta->indexOfProperty(nombre);
    return indice < 0 ? QMetaProperty() : meta->property(indice);
}

bool escribir(QWidget *control, const char *nombre, const QVariant &valor)
{
    const QMetaProperty propiedad = propiedadDeclarada(control, nombre);
    return propiedad.isValid() && propiedad.isWritable() && propiedad.write(control, valor);
}

void textoGris(QWidget *control)
{
    // The colour the system gives grey (unavailable) text.
    const QColor gris = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    QPalette paleta = control->palette();
    for (const QPalette::ColorRole rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        paleta.setColor(rol, gris);
    control->setPalette(paleta);
}

void sinMarco(QWidget *control)
{
    if (auto *marco = qobject_cast<QFrame *>(control))
        marco->setFrameShape(QFrame::NoFrame);
    else if (!escribir(control, "frame", false)) // line edits, combo and spin boxes
        escribir(control, "flat", true);         // push buttons
}

void fondoDelContenedor(QWidget *control)
{
    const QWidget *contenedor = control->parentWidget();
    if (!contenedor)
        return;
    const QColor fondo = contenedor->palette().color(contenedor->backgroundRole());
    QPalette paleta = control->palette();
    for (const QPalette::ColorRole rol : {QPalette::Window, QPalette::Base, QPalette::Button})
        paleta.setColor(rol, fondo);
    control->setPalette(paleta);
    control->setAutoFillBackground(true);
}

} // namespace

bool aplicarNivelPropio(QWidget *control, qint32 permiso)
{
    return escribir(control, "AccessLevel", permiso);
}

void aplicarReglaGenerica(QWidget *control, qint32 permiso)
{
    switch (permiso) {
    case Visible:
        control->setVisible(true);
        break;
    case SoloLectura:
        textoGris(control);
        if (!escribir(control, "readOnly", true))
            control->setEnabled(false);
        break;
    case Deshabilitado:
        control->setEnabled(false);
        sinMarco(control);
        fondoDelContenedor(control);
        break;
    default:
        break;
    }
}

} // namespace NVLALotes::ReglasAcceso

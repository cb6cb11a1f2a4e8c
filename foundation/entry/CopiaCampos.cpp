#include "CopiaCampos.h"

#include "foundation/core/values/ErrorLotes.h"

#include <QMetaProperty>
#include <QObject>

using namespace Qt::StringLiterals;

namespace NVLALotes::CopiaCampos {

namespace {

[[noreturn]] void campoNoValido(const QMetaObject &meta, const QByteArray &nombre)
{
    throw ErrorLotes(NumeroError::LlamadaNoValida,
                     u"%1 no tiene el campo %2."_s.arg(QLatin1StringView(meta.className()), QLatin1StringView(nombre)),
                     u"NVLALotes.CopiaCampos"_s);
}

QMetaProperty propiedad(const QMetaObject &meta, const QByteArray &nombre)
{
    const int indice = meta.indexOfProperty(nombre.constData());
    if (indice < 0)
        campoNoValido(meta, nombre);
    return meta.property(indice);
}

} // namespace

void aDialogo(const QMetaObject &metaClase, const void *clase, QObject &dialogo, const Campos &campos)
{
    for (const Campo &campo : campos) {
        const QVariant valor =
            campo.enClase.isEmpty() ? campo.valorFijo : propiedad(metaClase, campo.enClase).readOnGadget(clase);
        if (!propiedad(*dialogo.metaObject(), campo.enDialogo).write(&dialogo, valor))
            campoNoValido(*dialogo.metaObject(), campo.enDialogo);
    }
}

void aClase(const QObject &dialogo, const QMetaObject &metaClase, void *clase, const Campos &campos)
{
    for (const Campo &campo : campos) {
        const QVariant valor = campo.enDialogo.isEmpty()
                                   ? campo.valorFijo
                                   : propiedad(*dialogo.metaObject(), campo.enDialogo).read(&dialogo);
        if (!propiedad(metaClase, campo.enClase).writeOnGadget(clase, valor))
            campoNoValido(metaClase, campo.enClase);
    }
}

} // namespace NVLALotes::CopiaCampos

#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QByteArray>
#include <QList>
#include <QMetaObject>
#include <QVariant>

class QObject;

namespace NVLALotes {

// One field an entry class and its dialog exchange, addressed by name. Most
// have the same name on both sides; a few are named otherwise in the dialog,
// and a few are a fixed value one side takes instead of a copy.
struct Campo
{
    Campo(const char *mismoNombre)
        : enDialogo(mismoNombre)
        , enClase(mismoNombre)
    {}
    Campo(const char *nombreEnDialogo, const char *nombreEnClase)
        : enDialogo(nombreEnDialogo)
        , enClase(nombreEnClase)
    {}
    static Campo fijo(const char *nombreEnClase, const QVariant &valor)
    {
        Campo campo(nombreEnClase);
        campo.enDialogo.clear();
        campo.valorFijo = valor;
        return campo;
    }
    // An input the class sets to a fixed value rather than copying one of its fields.
    static Campo fijoEnDialogo(const char *nombreEnDialogo, const QVariant &valor)
    {
        Campo campo(nombreEnDialogo);
        campo.enClase.clear();
        campo.valorFijo = valor;
        return campo;
    }

    QByteArray enDialogo;
    QByteArray enClase;
    QVariant valorFijo;
};
using Campos = QList<Campo>;

// Copies fields between an entry class (a Q_GADGET whose fields are declared as
// properties) and a dialog (a QObject with its fields as properties). A field
// missing on either side, or a value its field cannot take, throws ErrorLotes:
// a misspelt name must not pass silently.
namespace CopiaCampos {
NVLA_EXPORT void aDialogo(const QMetaObject &metaClase, const void *clase, QObject &dialogo, const Campos &campos);
NVLA_EXPORT void aClase(const QObject &dialogo, const QMetaObject &metaClase, void *clase, const Campos &campos);
} // namespace CopiaCampos

} // namespace NVLALotes

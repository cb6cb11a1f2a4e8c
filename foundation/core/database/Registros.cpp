#include "Registros.h"

namespace NVLALotes {

Registros::~Registros() = default;

QStringView Registros::texto(int indice) const
{
    const QVariant valor = campo(indice); // throws for a position out of the record
    QString &guardado = textoGuardado(indice);
    guardado = valor.toString();
    return guardado;
}

QString &Registros::textoGuardado(int indice) const
{
    if (indice >= m_textos.size())
        m_textos.resize(indice + 1);
    return m_textos[indice];
}

} // namespace NVLALotes

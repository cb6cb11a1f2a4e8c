#include "Formatos.h"

#include "foundation/values/Conversiones.h"
#include "foundation/values/Currency.h"

#include <algorithm>
#include <cmath>

namespace NVLALotes {

Formatos::Formatos()
    : m_locale(QLocale::Spanish, QLocale::Spain)
{}

Formatos &Formatos::instancia()
{
    static Formatos formatos;
    return formatos;
}

QString Formatos::FormatearFecha(const QString &fecha) const
{
    const QString texto = TextoDeFecha(fecha);
    return texto.isEmpty() ? fecha : texto;
}

QString Formatos::FormatearNumero(const QVariant &valor, qint16 decimales) const
{
    const int cifras = std::clamp(int(decimales), 0, 4);
    if (const auto importe = Currency::fromVariant(valor))
        return importe->toString(cifras, m_locale);
    // Beyond the range of four fixed decimals only a floating value can show it.
    bool leido = false;
    const double numero = valor.toDouble(&leido);
    if (leido && std::isfinite(numero))
        return m_locale.toString(numero, 'f', cifras);
    return valor.toString();
}

} // namespace NVLALotes

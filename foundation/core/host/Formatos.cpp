#include "Formatos.h"

#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/Currency.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace NVLALotes {

namespace {

// A stored stock or price reaches a list as the double nearest to a number of at
// most four decimals, and that number is what Currency::fromDouble finds by
// writing the double out: here it is found without the text. Below 1e11 a
// double is less than 1e-4 wide, so no other four-decimal number shares it and
// the answer is the same; anything else (more decimals, huge, NaN) is left to
// fromDouble.
std::optional<Currency> importeDeDoble(const QVariant &valor)
{
    constexpr double Limite = 1e11;
    constexpr auto Escala = double(Currency::Escala);
    if (valor.metaType().id() != QMetaType::Double)
        return std::nullopt;
    const double numero = valor.toDouble();
    if (!(std::abs(numero) < Limite))
        return std::nullopt;
    const qint64 bruto = std::llround(numero * Escala);
    if (double(bruto) / Escala != numero)
        return std::nullopt;
    return Currency::fromRaw(bruto);
}

} // namespace

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
    // A list formats a date per row, mostly one already in display form (or
    // none): it comes back as it is, without another conversion.
    if (fecha.isEmpty() || esFecha(fecha))
        return fecha;
    const QString texto = textoDeFecha(fecha);
    return texto.isEmpty() ? fecha : texto;
}

std::optional<Currency> Formatos::importe(const QVariant &valor) const
{
    if (const auto exacto = importeDeDoble(valor))
        return exacto;
    return Currency::fromVariant(valor);
}

QString Formatos::FormatearNumero(const QVariant &valor, qint16 decimales) const
{
    const int cifras = std::clamp(int(decimales), 0, 4);
    if (const auto exacto = importe(valor))
        return exacto->toString(cifras, m_locale);
    // Beyond the range of four fixed decimals only a floating value can show it.
    bool leido = false;
    const double numero = valor.toDouble(&leido);
    if (leido && std::isfinite(numero))
        return m_locale.toString(numero, 'f', cifras);
    return valor.toString();
}

} // namespace NVLALotes

#include "Currency.h"

#include "foundation/core/values/ErrorLotes.h"

#include <QMetaType>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr qint64 MaximoBruto = std::numeric_limits<qint64>::max();
// The whole units of the type (922,337,203,685,477): a double at or beyond it
// is no Currency.
constexpr qint64 MaximoUnidades = MaximoBruto / Currency::Escala;
constexpr double LimiteDouble = double(MaximoUnidades);
constexpr std::array<quint64, 5> Potencias10 = {1, 10, 100, 1000, 10000};

// What a locale writes around the digits. Looking these up costs a QString per
// separator, so the last locale used is kept: a grid fill formats every cell with
// the same one.
struct Separadores
{
    QString decimal;
    QString grupo;
    QString menos;
    QString mas;
    bool agrupar = true;
};

const Separadores &separadoresDe(const QLocale &locale)
{
    thread_local std::optional<QLocale> ultimo;
    thread_local Separadores separadores;
    if (!ultimo || *ultimo != locale) {
        separadores.decimal = locale.decimalPoint();
        separadores.grupo = locale.groupSeparator();
        separadores.menos = locale.negativeSign();
        separadores.mas = locale.positiveSign();
        separadores.agrupar = !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);
        ultimo = locale;
    }
    return separadores;
}

// How a decimal text is written: a locale's marks, or the database's plain form.
struct FormatoDecimal
{
    QStringView decimal;
    QStringView grupo; // empty: no grouping accepted
    QStringView menos;
    QStringView mas;
};

constexpr FormatoDecimal FormatoBaseDatos{u".", {}, u"-", u"+"};

bool consumir(QStringView &texto, QStringView prefijo)
{
    if (prefijo.isEmpty() || !texto.startsWith(prefijo))
        return false;
    texto = texto.mid(prefijo.size());
    return true;
}

int cifraEn(QStringView texto)
{
    if (texto.isEmpty())
        return -1;
    const char16_t c = texto.front().unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

// The raw value of a plain decimal text: sign, digits (grouped by threes when
// grouping marks appear at all), point and decimals; the fifth decimal rounds
// half away from zero. Nothing may follow. One pass over the text, kept whole
// so that the grouping rules read together.
// NOLINTNEXTLINE(readability-function-cognitive-complexity)
std::optional<qint64> leerDecimal(QStringView texto, const FormatoDecimal &formato)
{
    constexpr auto LimiteEntero = quint64(MaximoUnidades);
    const bool negativo = consumir(texto, formato.menos) || consumir(texto, u"-");
    if (!negativo && !consumir(texto, formato.mas))
        consumir(texto, u"+");

    quint64 entero = 0;
    int cifras = 0;
    int cifrasGrupo = 0;
    bool agrupado = false;
    for (;;) {
        if (const int cifra = cifraEn(texto); cifra >= 0) {
            entero = entero * 10 + quint64(cifra);
            if (entero > LimiteEntero)
                return std::nullopt;
            ++cifras;
            ++cifrasGrupo;
            texto = texto.mid(1);
        } else if (consumir(texto, formato.grupo)) {
            if (cifrasGrupo == 0 || cifrasGrupo > 3 || (agrupado && cifrasGrupo != 3))
                return std::nullopt;
            agrupado = true;
            cifrasGrupo = 0;
        } else {
            break;
        }
    }
    if (agrupado && cifrasGrupo != 3)
        return std::nullopt;

    quint64 fraccion = 0;
    int decimales = 0;
    bool redondearArriba = false;
    if (consumir(texto, formato.decimal)) {
        for (int cifra = cifraEn(texto); cifra >= 0; cifra = cifraEn(texto)) {
            if (decimales < 4)
                fraccion = fraccion * 10 + quint64(cifra);
            else if (decimales == 4)
                redondearArriba = cifra >= 5;
            ++decimales;
            texto = texto.mid(1);
        }
    }
    if (!texto.isEmpty() || cifras + decimales == 0)
        return std::nullopt;
    for (int i = decimales; i < 4; ++i)
        fraccion *= 10;
    const quint64 bruto = entero * Currency::Escala + fraccion + (redondearArriba ? 1 : 0);
    // The negative side of the type reaches one unit further.
    if (bruto > quint64(MaximoBruto) + (negativo ? 1U : 0U))
        return std::nullopt;
    return negativo ? qint64(0 - bruto) : qint64(bruto);
}

// The formatting below fills every cell of a grid: digits are written
// backwards into a buffer on the stack, with pointers, instead of building
// strings piece by piece.
// NOLINTBEGIN(cppcoreguidelines-pro-bounds-pointer-arithmetic,cppcoreguidelines-avoid-c-arrays,modernize-avoid-c-arrays,cppcoreguidelines-pro-type-reinterpret-cast)

// Writes backwards into a buffer that ends at `fin`; returns the new start.
char16_t *escribirAtras(char16_t *fin, QStringView texto)
{
    fin -= texto.size();
    std::copy(texto.utf16(), texto.utf16() + texto.size(), fin);
    return fin;
}

} // namespace

void Currency::desbordamiento()
{
    throw ErrorLotes(NumeroError::Desbordamiento,
                     u"El resultado no cabe en unas unidades: admiten de -922.337.203.685.477,5808 a "
                     "922.337.203.685.477,5807."_s,
                     u"NVLALotes.Currency"_s);
}

Currency Currency::fromDouble(double value)
{
    if (std::isnan(value) || std::abs(value) < 0.00001)
        return {};
    if (std::abs(value) >= LimiteDouble)
        return fromRaw(value > 0 ? MaximoBruto : -MaximoBruto);
    // The shortest text that reads back as the same double is the number the
    // user meant: 4.99605 rounds up to 4.9961 although its binary value lies a
    // hair below the half.
    char texto[64];
    const auto [fin, error] = std::to_chars(texto, texto + sizeof texto, value, std::chars_format::fixed);
    if (error != std::errc())
        return fromRaw(std::llround(value * Escala));
    char16_t ancho[64];
    std::copy(texto, fin, ancho);
    return fromRaw(leerDecimal(QStringView(ancho, fin - texto), FormatoBaseDatos).value_or(0));
}

std::optional<Currency> Currency::parse(QStringView text, const QLocale &locale)
{
    const Separadores &s = separadoresDe(locale);
    const auto bruto = leerDecimal(text.trimmed(), FormatoDecimal{s.decimal, s.grupo, s.menos, s.mas});
    if (!bruto)
        return std::nullopt;
    return fromRaw(*bruto);
}

std::optional<Currency> Currency::fromVariant(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return Currency();
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
    case QMetaType::Char: {
        const qlonglong unidades = value.toLongLong();
        if (unidades > MaximoUnidades || unidades < -MaximoUnidades)
            return std::nullopt;
        return fromRaw(unidades * Escala);
    }
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar: {
        const qulonglong unidades = value.toULongLong();
        if (unidades > quint64(MaximoUnidades))
            return std::nullopt;
        return fromRaw(qint64(unidades) * Escala);
    }
    case QMetaType::Double:
    case QMetaType::Float: {
        const double numero = value.toDouble();
        if (!std::isfinite(numero) || std::abs(numero) >= LimiteDouble)
            return std::nullopt;
        return fromDouble(numero);
    }
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        // Databases hand decimals over as plain text with a '.' point.
        const QString texto = value.toString();
        const auto bruto = leerDecimal(QStringView(texto).trimmed(), FormatoBaseDatos);
        if (bruto)
            return fromRaw(*bruto);
        // Floating columns may come as text in exponent form ("1.5E+3").
        bool leido = false;
        const double numero = texto.trimmed().toDouble(&leido);
        if (!leido || !std::isfinite(numero) || std::abs(numero) >= LimiteDouble)
            return std::nullopt;
        return fromDouble(numero);
    }
    default:
        if (value.metaType() == QMetaType::fromType<Currency>())
            return value.value<Currency>();
        return std::nullopt;
    }
}

QString Currency::toString(int decimals, const QLocale &locale) const
{
    const Separadores &s = separadoresDe(locale);
    decimals = std::clamp(decimals, 0, 4);

    const quint64 magnitud = m_raw < 0 ? 0 - quint64(m_raw) : quint64(m_raw);
    const quint64 paso = Potencias10.at(4 - decimals);
    const quint64 redondeado = (magnitud + paso / 2) / paso;
    quint64 entero = redondeado / Potencias10.at(decimals);
    quint64 fraccion = redondeado % Potencias10.at(decimals);

    // 19 digits, 6 group marks, the point, 4 decimals and a sign, each mark at
    // most a few code units long.
    char16_t buffer[96];
    char16_t *const fin = buffer + std::size(buffer);
    char16_t *inicio = fin;
    if (decimals > 0) {
        for (int i = 0; i < decimals; ++i) {
            *--inicio = char16_t(u'0' + fraccion % 10);
            fraccion /= 10;
        }
        inicio = escribirAtras(inicio, s.decimal);
    }
    int cifras = 0;
    do {
        if (cifras > 0 && cifras % 3 == 0 && s.agrupar)
            inicio = escribirAtras(inicio, s.grupo);
        *--inicio = char16_t(u'0' + entero % 10);
        entero /= 10;
        ++cifras;
    } while (entero > 0);
    if (m_raw < 0 && redondeado != 0)
        inicio = escribirAtras(inicio, s.menos);
    return QString(reinterpret_cast<const QChar *>(inicio), fin - inicio);
}

// NOLINTEND(cppcoreguidelines-pro-bounds-pointer-arithmetic,cppcoreguidelines-avoid-c-arrays,modernize-avoid-c-arrays,cppcoreguidelines-pro-type-reinterpret-cast)

QString Currency::toPlainText() const
{
    QString texto = toString(4, QLocale::c());
    while (texto.endsWith(u'0'))
        texto.chop(1);
    if (texto.endsWith(u'.'))
        texto.chop(1);
    return texto;
}

QVariant Currency::toVariant() const
{
    // Readers that know only numbers and texts still read the value.
    static const bool registrados = [] {
        QMetaType::registerConverter<Currency, double>(&Currency::toDouble);
        QMetaType::registerConverter<Currency, QString>(&Currency::toPlainText);
        return true;
    }();
    Q_UNUSED(registrados);
    return QVariant::fromValue(*this);
}

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <QtNumeric>

#include <compare>
#include <optional>

namespace NVLALotes {

/// Units and amounts: 64-bit fixed point with four decimals, exact in arithmetic
/// and comparison (a stock of 4,9960 is never 4,99599999).
class NVLA_CORE_EXPORT Currency
{
public:
    static constexpr qint64 Escala = 10000; ///< The raw value of one unit.

    constexpr Currency() = default;
    /// Whole units, so that a host can write `entrada.Unidades = 5;`.
    constexpr Currency(int unidades)
        : m_raw(qint64(unidades) * Escala)
    {} // NOLINT(google-explicit-constructor)

    /// The value whose raw integer (units times Escala) is `raw`.
    static constexpr Currency fromRaw(qint64 raw)
    {
        Currency c;
        c.m_raw = raw;
        return c;
    }
    /// Rounded half away from zero to four decimals.
    static Currency fromDouble(double value);
    /// A decimal text with the given locale's separators ("1.234,5", "-3", "4,996").
    /// Grouping separators are optional; anything else makes the text unreadable.
    static std::optional<Currency> parse(QStringView text, const QLocale &locale);
    /// A value read from the database: numbers, numeric text with '.' decimals, null as 0.
    static std::optional<Currency> fromVariant(const QVariant &value);

    constexpr qint64 raw() const { return m_raw; } ///< The raw integer: units times Escala.
    /// The nearest double, for display and charts, not for sums.
    double toDouble() const { return double(m_raw) / Escala; }
    /// Rounded half away from zero to `decimals` (0 to 4), grouped with the locale's rules.
    QString toString(int decimals, const QLocale &locale) const;
    /// The exact value as a database reads a decimal: '.' point, no grouping,
    /// no trailing zeros ("-1234.5", "0").
    QString toPlainText() const;
    /// The value in a QVariant that also converts to double and to its plain text.
    QVariant toVariant() const;

    /// The opposite value; raises ErrorLotes (overflow, 6) for the one value
    /// whose opposite does not fit, as every operator below does for a result
    /// beyond the range instead of wrapping round to a value of the other sign.
    Currency operator-() const { return Currency() - *this; }
    /// The exact sum.
    Currency operator+(Currency o) const
    {
        Currency c;
        if (qAddOverflow(m_raw, o.m_raw, &c.m_raw))
            desbordamiento();
        return c;
    }
    /// The exact difference.
    Currency operator-(Currency o) const
    {
        Currency c;
        if (qSubOverflow(m_raw, o.m_raw, &c.m_raw))
            desbordamiento();
        return c;
    }
    Currency &operator+=(Currency o) { return *this = *this + o; } ///< Adds `o` exactly.
    Currency &operator-=(Currency o) { return *this = *this - o; } ///< Takes `o` away exactly.
    constexpr auto operator<=>(const Currency &) const = default;  ///< Compares exactly.

private:
    [[noreturn]] static void desbordamiento();

    qint64 m_raw = 0;
};

} // namespace NVLALotes

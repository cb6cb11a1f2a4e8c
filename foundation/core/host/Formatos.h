#pragma once

#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_core_export.h>

#include <QLocale>
#include <QString>
#include <QVariant>

#include <optional>

namespace NVLALotes {

// Display formats of dates and numbers, one instance for the whole process.
// Dates show as dd/mm/yyyy (what the date box gives back when the same date is
// typed); numbers with Spanish rules, "1.234,50", which read back to the same value.
class NVLA_CORE_EXPORT Formatos
{
public:
    static Formatos &instancia();

    // The locale of every number the library shows or reads.
    const QLocale &locale() const { return m_locale; }

    // A date given as text (dd/mm/yyyy, ISO yyyy-mm-dd, with or without a time)
    // in display form; a text that is no date comes back unchanged.
    QString FormatearFecha(const QString &fecha) const;
    // A number (integer, floating, decimal text, Currency) rounded half away from
    // zero to `decimales` and grouped; null shows as 0.
    QString FormatearNumero(const QVariant &valor, qint16 decimales) const;
    // The exact amount FormatearNumero rounds and shows; none when only a
    // floating value can show `valor`.
    std::optional<Currency> importe(const QVariant &valor) const;

private:
    Formatos();
    QLocale m_locale;
};

} // namespace NVLALotes

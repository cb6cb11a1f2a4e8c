#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QDate>
#include <QString>
#include <QStringView>
#include <QVariant>

/// Conversions of host values and typed texts that the whole library shares.
namespace NVLALotes {

/// The date that stands for "no expiry" in every field and parameter.
NVLA_CORE_EXPORT QDate FechaNula();

/// Numeric value of the leading number of a text: "3.0" -> 3, " 4" -> 4,
/// "3abc" -> 3, "2.5" -> 2.5, "" and "abc" -> 0. The decimal point is '.'.
NVLA_CORE_EXPORT double ValorNumerico(QStringView texto);

/// Boolean value of a host value: Booleans, numbers (non-zero is true), numeric
/// text, "True"/"False" and "Verdadero"/"Falso" in any case. Anything else throws
/// ErrorLotes with NumeroError::ConversionTipo and the given source.
NVLA_CORE_EXPORT bool ValorBooleano(const QVariant &valor, const QString &origen);

/// A typed date: exactly dd/mm/yyyy of a real calendar day. Partial or impossible
/// dates are not dates.
NVLA_CORE_EXPORT bool EsFecha(QStringView texto);
/// The date of a text that EsFecha accepts; FechaNula() for anything else.
NVLA_CORE_EXPORT QDate FechaDeTexto(QStringView texto);

/// A date value from the database or a field "converted to text" (dd/mm/yyyy);
/// empty for null or unreadable values.
NVLA_CORE_EXPORT QString TextoDeFecha(const QVariant &valor);
/// The date TextoDeFecha writes for `valor`; invalid when it writes none.
NVLA_CORE_EXPORT QDate FechaDeValor(const QVariant &valor);

} // namespace NVLALotes

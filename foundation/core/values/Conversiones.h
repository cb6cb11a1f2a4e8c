#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QDate>
#include <QString>
#include <QStringView>
#include <QVariant>

/// Conversions of host values and typed texts that the whole library shares.
namespace NVLALotes {

/// The date that stands for "no expiry" in every field and parameter.
NVLA_CORE_EXPORT QDate fechaNula();

/// Numeric value of the leading number of a text: "3.0" -> 3, " 4" -> 4,
/// "3abc" -> 3, "2.5" -> 2.5, "" and "abc" -> 0. The decimal point is '.'.
NVLA_CORE_EXPORT double valorNumerico(QStringView texto);

/// Boolean value of a host value: Booleans, numbers (non-zero is true), numeric
/// text, "True"/"False" and "Verdadero"/"Falso" in any case. Anything else throws
/// ErrorLotes with NumeroError::ConversionTipo and the given source.
NVLA_CORE_EXPORT bool valorBooleano(const QVariant &valor, const QString &origen);

/// A typed date: exactly dd/mm/yyyy of a real calendar day. Partial or impossible
/// dates are not dates.
NVLA_CORE_EXPORT bool esFecha(QStringView texto);
/// The date of a text that esFecha accepts; fechaNula() for anything else.
NVLA_CORE_EXPORT QDate fechaDeTexto(QStringView texto);

/// A date value from the database or a field "converted to text" (dd/mm/yyyy);
/// empty for null or unreadable values.
NVLA_CORE_EXPORT QString textoDeFecha(const QVariant &valor);
/// The date textoDeFecha writes for `valor`; invalid when it writes none.
NVLA_CORE_EXPORT QDate fechaDeValor(const QVariant &valor);

} // namespace NVLALotes

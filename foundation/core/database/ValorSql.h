#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>

#include <concepts>

// The one way a value enters the text of a statement: a text as a literal
// whose quotes are doubled, a number in plain decimal and checked to be one.
// A value written any other way could end the literal or the number early
// and change the statement around it.
namespace NVLALotes::ValorSql {

// The text between single quotes, each quote in it doubled ("O'Brien" gives
// 'O''Brien').
NVLA_CORE_EXPORT QString texto(const QString &valor);

// An integer in plain decimal, without quotes.
template<std::integral T>
requires(!std::same_as<T, bool>) QString numero(T valor)
{
    return QString::number(valor);
}

// An integer that arrives as text (a host parameter), written exactly as it
// came once it is checked to be one: an optional minus and decimal digits
// that fit in 64 bits, nothing else, not even blanks. Anything else raises
// ErrorLotes (type mismatch) naming `nombre`, with `origen` as its source,
// before any statement is sent.
NVLA_CORE_EXPORT QString entero(const QString &valor, const QString &nombre, const QString &origen);

} // namespace NVLALotes::ValorSql

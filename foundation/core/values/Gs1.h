#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace NVLALotes {

// What a warehouse label's GS1-128 barcode says about the lot: the lot code
// (application identifier 10), the expiry (17) and the article number (01).
// The other identifiers of the label (serial, quantity...) are read past and
// dropped.
struct LecturaGs1
{
    std::optional<QString> lote;
    std::optional<QDate> caducidad;
    std::optional<QString> articulo;
};

// How strictly a string is judged: GS1's rules whole for what the library
// prints, and a supplier's label tolerated when it lacks what GS1 asks beside
// the lot or the expiry.
enum class RigorGs1 { Lectura, Impresion };

// The reading of `texto` when it is a well-formed GS1 string, as a scanner
// types it: with or without the symbology prefix ("]C1", also "]d2", "]Q3",
// "]e0"), with the group separator (ASCII 29) after variable-length fields, or
// in the bracketed human-readable form "(01)...(17)...(10)...". Every field is
// checked against GS1's table of identifiers, content checks, the identifiers
// each one needs beside it and those it may not stand with: anything else (an
// identifier GS1 has not assigned, a field of the wrong length or characters, a
// wrong check digit, a date that does not exist, an unknown country code, one
// identifier with two values, a pair GS1 forbids) is no reading: the text is
// then an ordinary lot code. A leading separator, as some scanners send the
// first function character, is tolerated.
//
// A bare string of digits and letters could be a lot code that merely looks
// like identifiers, so without prefix, separator or brackets a text counts only
// when it starts with an article number (01 or 02) whose check digit is right.
//
// Two-digit years take the century that puts them within 49 years before and
// 50 after `hoy`; day 00 is the last day of the month.
NVLA_CORE_EXPORT std::optional<LecturaGs1> leerGs1(QStringView texto, QDate hoy, RigorGs1 rigor = RigorGs1::Lectura);

} // namespace NVLALotes

#pragma once

#include <QDate>
#include <QStringView>

#include <optional>

// The content checks of GS1's identifiers, each named as GS1's table names it
// after a component's format ("csum", "yymmdd", "iso3166", "hyphen"...).
namespace NVLALotes::Gs1 {

// Whether `texto` is in GS1's character set `juego`: N digits; X set 82
// (printable ASCII without the blank and # $ @ [ \ ] ^ ` { | } ~); Y set 39
// (# - / digits, capitals); Z set 64 (digits, letters, - and _, padded with at
// most two = to a whole group of three).
bool enJuego(QStringView texto, QChar juego);

// Whether the component `texto` passes GS1's check `nombre`. Checks that need
// tables the library does not keep (company prefixes, IBAN, coupons, package
// types, the alphanumeric check pair) pass.
bool comprobacionCorrecta(QStringView texto, QStringView nombre, QDate hoy);

// A six-digit date: two-digit years take the century that puts them within 49
// years before and 50 after `hoy`; day 00 is the last day of the month.
std::optional<QDate> fechaYYMMDD(QStringView texto, QDate hoy);

} // namespace NVLALotes::Gs1

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>

// Menu access of the current user, by the host's user groups. Both read the
// company object and the connection of the shared context.
namespace NVLALotes::modComun {

// The current user's groups as ",3,7," (every code between commas), or an
// empty text when the user belongs to none. A "UsuarioActual" that is no
// integer is refused (type mismatch) before any query. Any failure comes back
// as ErrorLotes with its number and description and the source
// "modComun::Grupos".
NVLA_CORE_EXPORT QString Grupos();

// True when the user's groups lack access type 2 to the menu; group 1 has
// every menu. A zero CodMenu with an empty NombreInterno answers False
// without reading anything; a zero CodMenu with a NombreInterno looks the
// menu up by its internal name (a quote in the name is doubled, so the name
// stays one SQL literal).
NVLA_CORE_EXPORT bool MenuRestringido(qint32 CodMenu, const QString &NombreInterno, qint16 Modulo);

} // namespace NVLALotes::modComun

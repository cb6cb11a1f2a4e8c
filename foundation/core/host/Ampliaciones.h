#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QStringView>

// Help for the clerk that the host may switch off, each by a parameter of the
// company object: reading GS1 labels into a lot box, marking expired lots in the
// lists, moving through a list by typing, and printing a lot's label from the
// stock windows. All are on unless the parameter says false; a parameter that
// is missing, empty or not a Boolean leaves the help on, so an installation
// that never heard of them gets them.
namespace NVLALotes::Ampliaciones {

inline constexpr QStringView LecturaGs1 = u"Lotes_LecturaGS1";
inline constexpr QStringView MarcarCaducados = u"Lotes_MarcarCaducados";
inline constexpr QStringView BusquedaAlTeclear = u"Lotes_BusquedaAlTeclear";
inline constexpr QStringView Etiquetas = u"Lotes_Etiquetas";

// Whether the help named by `parametro` is on. A failure of the company object
// reaches the caller as any parameter read does.
NVLA_CORE_EXPORT bool activa(QStringView parametro);
// The Boolean switch `parametro` of the company object, `porDefecto` when it
// is missing, empty or malformed, or when there is no company object yet.
NVLA_CORE_EXPORT bool interruptor(QStringView parametro, bool porDefecto);

} // namespace NVLALotes::Ampliaciones

#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QString>

#include <functional>
#include <memory>

namespace NVLALotes {

/// The registered identities of the six public entry classes.
/// The registered identity of a public entry class.
struct IdentidadClase
{
    const char *nombre;     ///< The class name, such as "frmclsLotesCompras".
    const char *claseId;    ///< class identifier
    const char *interfazId; ///< interface identifier
};

/// The registry of the public entry classes: a host creates them by class identifier or name.
namespace Registro {
/// The six identities, in a fixed order; `cantidad` (if given) receives how many.
NVLA_EXPORT const IdentidadClase *Identidades(int *cantidad);
/// Creates an entry class from its class identifier (with or without braces, any
/// case) or its name. An unknown identity or a class this build does not have
/// throws ErrorLotes (NumeroError::ClaseNoDisponible).
NVLA_EXPORT std::unique_ptr<ClaseEntradaLotes> CrearClase(const QString &claseIdONombre);

using Fabrica = std::function<std::unique_ptr<ClaseEntradaLotes>()>; ///< What creates one entry class.

/// Each subsystem registers the classes it carries with a static object of this
/// type in its own source, by class identifier: the registry names no subsystem.
struct NVLA_EXPORT Alta
{
    Alta(const char *claseId, Fabrica fabrica); ///< Registers `fabrica` for the class identifier `claseId`.
};
} // namespace Registro

} // namespace NVLALotes

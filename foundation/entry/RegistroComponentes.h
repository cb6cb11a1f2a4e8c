#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QString>

#include <functional>
#include <memory>

/// The registry of the public entry classes: a host creates them by class identifier or name.
namespace NVLALotes::Registro {
/// Creates an entry class from its class identifier (with or without braces, any
/// case) or its name. An unknown identity or a class this build does not have
/// throws ErrorLotes (NumeroError::ClaseNoDisponible).
NVLA_EXPORT std::unique_ptr<ClaseEntradaLotes> crearClase(const QString &claseIdONombre);

using Fabrica = std::function<std::unique_ptr<ClaseEntradaLotes>()>; ///< What creates one entry class.

/// Each subsystem registers the classes it carries with a static object of this
/// type in its own source, by class identifier: the registry names no subsystem.
struct NVLA_EXPORT Alta
{
    Alta(const char *claseId, Fabrica fabrica); ///< Registers `fabrica` for the class identifier `claseId`.
};
} // namespace NVLALotes::Registro

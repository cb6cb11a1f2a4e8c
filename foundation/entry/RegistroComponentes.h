#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QString>

#include <functional>
#include <memory>

namespace NVLALotes {

// The registered identities of the six public entry classes.
struct IdentidadClase
{
    const char *nombre;
    const char *claseId;    // class identifier
    const char *interfazId; // interface identifier
};

namespace Registro {
NVLA_EXPORT const IdentidadClase *Identidades(int *cantidad);
// Creates an entry class from its class identifier (with or without braces, any
// case) or its name. An unknown identity or a class this build does not have
// throws ErrorLotes (NumeroError::ClaseNoDisponible).
NVLA_EXPORT std::unique_ptr<ClaseEntradaLotes> CrearClase(const QString &claseIdONombre);

using Fabrica = std::function<std::unique_ptr<ClaseEntradaLotes>()>;

// Each subsystem registers the classes it carries with a static object of this
// type in its own source, by class identifier: the registry names no subsystem.
struct NVLA_EXPORT Alta
{
    Alta(const char *claseId, Fabrica fabrica);
};
} // namespace Registro

} // namespace NVLALotes

#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QString>

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
} // namespace Registro

} // namespace NVLALotes

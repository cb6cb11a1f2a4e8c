#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <memory>

namespace NVLALotes {

class NVLAEMP;
class Conexion;

// The company object and the connection that the host hands to any entry class.
// Process-wide: the last one set wins for every class and dialog, and it is
// released when replaced. Everything runs on the host's UI thread, so no lock.
namespace ContextoCompartido {
NVLA_CORE_EXPORT void setEmpresa(std::shared_ptr<NVLAEMP> empresa);
NVLA_CORE_EXPORT void setConexion(std::shared_ptr<Conexion> conexion);
NVLA_CORE_EXPORT std::shared_ptr<NVLAEMP> empresa();
NVLA_CORE_EXPORT std::shared_ptr<Conexion> conexion();

// The company object and connection, or ErrorLotes when the host set none.
NVLA_CORE_EXPORT NVLAEMP &empresaRequerida();
NVLA_CORE_EXPORT Conexion &conexionRequerida();
} // namespace ContextoCompartido

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QtGlobal>

#include <functional>
#include <memory>

class QObject;

namespace NVLALotes {

class NVLAEMP;
class Conexion;

/// A warehouse's own record, as far as the stock windows need it: whether the
/// warehouse keeps expiry dates on its lots. A host with its own warehouse
/// object plugs it in with setFabrica; otherwise the library reads the
/// warehouse table. The windows create one at each load and drop it after
/// reading the flag.
class NVLA_CORE_EXPORT RegistroAlmacen
{
public:
    virtual ~RegistroAlmacen();

    virtual void setEmpresa(std::shared_ptr<NVLAEMP> empresa) = 0;    ///< The company the warehouse belongs to.
    virtual void setConexion(std::shared_ptr<Conexion> conexion) = 0; ///< The connection to read it on.
    virtual void setCodigoAlmacen(qint16 codigo) = 0;                 ///< The warehouse to read.
    /// Reads the warehouse; errors as ErrorLotes. The object argument is the
    /// host's and is passed along untouched.
    virtual void Cargar(QObject *objeto = nullptr) = 0;
    virtual bool ControlCaducidad() const = 0; ///< Whether the warehouse keeps expiry dates on its lots (after Cargar).

    /// The object the windows create at each load: the host's if it plugged one
    /// in, else the library's own over the warehouse table. An empty function
    /// goes back to the library's own.
    static void setFabrica(std::function<std::unique_ptr<RegistroAlmacen>()> fabrica);
    /// A new record object from the factory in use; ErrorLotes
    /// (NumeroError::ClaseNoDisponible) when the host's factory gives none.
    static std::unique_ptr<RegistroAlmacen> crear();
};

} // namespace NVLALotes

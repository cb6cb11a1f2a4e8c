#include "Ampliaciones.h"

#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"

namespace NVLALotes::Ampliaciones {

bool interruptor(QStringView parametro, bool porDefecto)
{
    const std::shared_ptr<NVLAEMP> empresa = ContextoCompartido::empresa();
    if (!empresa)
        return porDefecto;
    const QVariant valor = empresa->LeerParametro(parametro.toString());
    if (valor.isNull() || valor.toString().isEmpty())
        return porDefecto;
    try {
        return valorBooleano(valor, parametro.toString());
    } catch (const ErrorLotes &) {
        // An unreadable switch must not stop a window the host could open before.
        return porDefecto;
    }
}

bool activa(QStringView parametro)
{
    return interruptor(parametro, true);
}

} // namespace NVLALotes::Ampliaciones

#include "ClaseEntradaLotes.h"

#include "foundation/core/host/ContextoCompartido.h"

namespace NVLALotes {

ClaseEntradaLotes::~ClaseEntradaLotes() = default;

void ClaseEntradaLotes::EmpresaNuvalia(std::shared_ptr<NVLAEMP> clsEmp)
{
    ContextoCompartido::setEmpresa(std::move(clsEmp));
}

void ClaseEntradaLotes::ConexionNuvalia(std::shared_ptr<Conexion> cnn)
{
    ContextoCompartido::setConexion(std::move(cnn));
}

} // namespace NVLALotes

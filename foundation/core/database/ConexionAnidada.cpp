#include "ConexionAnidada.h"

#include "foundation/core/values/ErrorLotes.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

void ConexionAnidada::iniciarTransaccion()
{
    ejecutarPasoTransaccion(PasoTransaccion::Iniciar, m_nivel);
    ++m_nivel;
}

void ConexionAnidada::confirmarTransaccion()
{
    if (m_nivel == 0)
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"No hay ninguna transacción que confirmar."_s,
                         u"NVLALotes.Conexion"_s);
    // A unit that fails to confirm stays open: the caller undoes it.
    ejecutarPasoTransaccion(PasoTransaccion::Confirmar, m_nivel - 1);
    --m_nivel;
}

void ConexionAnidada::deshacerTransaccion()
{
    if (m_nivel == 0)
        return;
    --m_nivel;
    if (transaccionPerdida())
        return;
    ejecutarPasoTransaccion(PasoTransaccion::Deshacer, m_nivel);
}

} // namespace NVLALotes

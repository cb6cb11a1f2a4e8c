#include "AccionesVisor.h"

namespace NVLALotes::Banco {

void agregarAccionesVisor(QWidget * /*fila*/)
{
    // The message window and the viewer bring their own buttons.
}

} // namespace NVLALotes::Banco

#pragma once

class QWidget;

namespace NVLALotes::Banco {

// The buttons of the operation-in-progress window and of the report viewer on
// the "Seguridad" page: added to `fila`, whose layout is a QHBoxLayout.
void agregarAccionesVisor(QWidget *fila);

} // namespace NVLALotes::Banco

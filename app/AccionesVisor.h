#pragma once

class QWidget;

namespace NVLALotes::Banco {

// Adds to `fila` (a row of the workbench; given a QHBoxLayout if it has no
// layout yet) the buttons that open the operation-in-progress window (the
// standard text, and a longer one set halfway) and a sample report in the
// viewer, modal and modeless.
void agregarAccionesVisor(QWidget *fila);

} // namespace NVLALotes::Banco

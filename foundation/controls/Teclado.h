#pragma once

#include <nvlalotes/nvlalotes_export.h>

namespace NVLALotes {

// Keyboard focus moves the dialogs' key handlers ask for. One instance for the process.
class Teclado
{
public:
    static Teclado &instancia();

    // The next (previous) control in tab order of the focused control's window.
    void FocoSiguiente();
    void FocoAnterior();

private:
    Teclado() = default;
};

} // namespace NVLALotes

#pragma once

#include "foundation/controls/kxTextBox.h"

#include <nvlalotes/nvlalotes_export.h>

namespace NVLALotes {

// Date box: mask ##/##/####, blank prompt, and a calendar popup (the button in
// the box, or Alt+Down / F4) that fills it with the chosen day.
class NVLA_EXPORT kxMaskEdBox : public kxTextBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(kxMaskEdBox)

public:
    explicit kxMaskEdBox(QWidget *parent = nullptr);

    // The date as typed, without the prompt blanks: "25/12/2026" when complete,
    // "25/12/20" when partly typed, "" when nothing was typed.
    QString Valor() const;
    // Whether the date can be edited.
    void setHabilitado(bool habilitado);

    void mostrarCalendario();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace NVLALotes

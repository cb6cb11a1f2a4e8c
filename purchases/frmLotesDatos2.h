#pragma once

#include "purchases/frmLotesDatos.h"

namespace NVLALotes {

// Tone, caliber and expiry of a purchase line under the tone and caliber model.
class frmLotesDatos2 final : public frmLotesDatos
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesDatos2)

public:
    explicit frmLotesDatos2(QWidget *parent = nullptr);

    void Cargar() override;

private:
    void aceptar() override;

    kxTextBox *txtTono = nullptr;
    kxTextBox *txtCalibre = nullptr;
};

} // namespace NVLALotes

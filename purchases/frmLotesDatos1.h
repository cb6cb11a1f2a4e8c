#pragma once

#include "purchases/frmLotesDatos.h"

namespace NVLALotes {

// Lot code and expiry of a purchase line (and of a sales line without stock control).
class frmLotesDatos1 final : public frmLotesDatos
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesDatos1)

public:
    explicit frmLotesDatos1(QWidget *parent = nullptr);

    void Cargar() override;

private:
    void aceptar() override;

    kxTextBox *txtLote = nullptr;
};

} // namespace NVLALotes

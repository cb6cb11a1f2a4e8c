#pragma once

#include "inventory/frmInventarioLotes.h"

namespace NVLALotes {

// The lot of a counted article under the tone and caliber model: the list
// shows the units already counted for a lot in this warehouse; a lot can also
// be typed as tone, caliber and expiry.
class frmInventarioLotes2 final : public frmInventarioLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmInventarioLotes2)

public:
    explicit frmInventarioLotes2(QWidget *parent = nullptr);

private:
    QString consulta() const override;
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void tomarFila(int fila) override;
    void aceptarManual() override;

    kxTextBox *kxTono = nullptr;
    kxTextBox *kxCalibre = nullptr;
};

} // namespace NVLALotes

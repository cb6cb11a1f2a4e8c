#pragma once

#include "inventory/frmInventarioLotes.h"

namespace NVLALotes {

// The lot of a counted article under the lot-code model: a known lot from the
// list, or a typed lot code and expiry.
class frmInventarioLotes1 final : public frmInventarioLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmInventarioLotes1)

public:
    explicit frmInventarioLotes1(QWidget *parent = nullptr);

private:
    QString consulta() const override;
    void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const override;
    void tomarFila(int fila) override;
    void aceptarManual() override;
    QWidget *controlInicial() const override;

    kxTextBox *kxLote = nullptr;
};

} // namespace NVLALotes

#pragma once

#include "foundation/controls/kxTextBox.h"

#include <QWidget>

namespace NVLALotes::Banco {

// A text box that shows a permission its own way: it declares AccessLevel, so
// the generic rules leave it alone.
class CajaNivelPropio final : public kxTextBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CajaNivelPropio)
    Q_PROPERTY(int AccessLevel READ AccessLevel WRITE setAccessLevel)

public:
    explicit CajaNivelPropio(QWidget *parent = nullptr);
    int AccessLevel() const { return m_nivel; }
    void setAccessLevel(int nivel);

private:
    int m_nivel = 0;
};

// The form the "Seguridad" page applies permissions to, built from the
// library's own controls; its catalog rows are in the demo data.
// `conObservaciones` false leaves txtObservaciones out, as a later version of
// the form that dropped it.
QWidget *crearFormularioMuestra(QWidget *padre, bool conObservaciones);

} // namespace NVLALotes::Banco

#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;

namespace NVLALotes {
class ClaseEntradaLotes;
}

namespace NVLALotes::Banco {

class PanelCampos;

// One entry class on the workbench: its fields, a button that runs Show(1)
// with the real dialog, and the fields as they came back.
class PaginaEntrada final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaginaEntrada)

public:
    // `prepararContexto` hands the class the company object and connection of
    // the workbench right before Show; `enlazar` binds the class's fields.
    PaginaEntrada(std::unique_ptr<ClaseEntradaLotes> clase, const bool *result,
                  const std::function<void(PanelCampos &)> &enlazar,
                  std::function<void(ClaseEntradaLotes &)> prepararContexto, QWidget *parent = nullptr);
    ~PaginaEntrada() override;

private:
    void mostrarDialogo();

    std::unique_ptr<ClaseEntradaLotes> m_clase;
    const bool *m_result;
    std::function<void(ClaseEntradaLotes &)> m_prepararContexto;
    PanelCampos *m_campos;
    QLabel *m_estado;
};

} // namespace NVLALotes::Banco

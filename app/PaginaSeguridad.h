#pragma once

#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QVBoxLayout;

namespace NVLALotes {
class Conexion;
class Rejilla;
} // namespace NVLALotes

namespace NVLALotes::Banco {

// The "Seguridad" page: a sample form whose controls take the permissions of
// the chosen user's groups, and the catalog of that form as it was before and
// after, so that removing a control shows its rows and permissions go.
class PaginaSeguridad final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaginaSeguridad)

public:
    PaginaSeguridad(std::shared_ptr<Conexion> conexion, QWidget *parent = nullptr);
    ~PaginaSeguridad() override;

private:
    QWidget *crearOpciones();
    // A fresh sample form and a fresh security object, as a host window opening.
    void aplicar();
    void mostrarCatalogo(Rejilla *rejilla);

    std::shared_ptr<Conexion> m_conexion;
    QComboBox *m_usuario = nullptr;
    QCheckBox *m_conObservaciones = nullptr;
    QCheckBox *m_noProcesar = nullptr;
    QVBoxLayout *m_sitioFormulario = nullptr;
    QWidget *m_formulario = nullptr;
    Rejilla *m_antes = nullptr;
    Rejilla *m_despues = nullptr;
    QPlainTextEdit *m_avisos = nullptr;
};

} // namespace NVLALotes::Banco

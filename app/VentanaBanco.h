#pragma once

#include <QMainWindow>

#include <memory>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTabWidget;

namespace NVLALotes {
class ClaseEntradaLotes;
class Conexion;
class EmpresaMemoria;
} // namespace NVLALotes

namespace NVLALotes::Banco {

// The workbench: the host parameters a tester sets, and a page per entry class.
class VentanaBanco final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VentanaBanco)

public:
    VentanaBanco(std::shared_ptr<Conexion> conexion, const QString &descripcionBaseDatos, QWidget *parent = nullptr);
    ~VentanaBanco() override;

private:
    QWidget *crearParametros();
    void agregarPaginas();
    // The company object built from the parameters on screen, and the connection.
    void prepararContexto(ClaseEntradaLotes &clase);

    std::shared_ptr<Conexion> m_conexion;
    QComboBox *m_modelo = nullptr;
    QCheckBox *m_loteObligatorio = nullptr;
    QSpinBox *m_empresa = nullptr;
    QComboBox *m_usuario = nullptr;
    QTabWidget *m_paginas = nullptr;
};

} // namespace NVLALotes::Banco

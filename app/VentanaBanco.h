#pragma once

#include <QList>
#include <QMainWindow>

#include <memory>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTabWidget;
class QTimer;

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
    // Opens the purchase dialog and types a warehouse label into it as a
    // scanner would: fast, with group separators, ending with Enter.
    void escanearEtiqueta();
    void teclearEtiqueta();

    std::shared_ptr<Conexion> m_conexion;
    QComboBox *m_modelo = nullptr;
    QCheckBox *m_loteObligatorio = nullptr;
    QSpinBox *m_empresa = nullptr;
    // The clerk's helps the host may switch off, by parameter name.
    QList<QCheckBox *> m_ayudas;
    QTimer *m_teclearEtiqueta = nullptr;
    int m_esperasEtiqueta = 0;
    QComboBox *m_usuario = nullptr;
    QTabWidget *m_paginas = nullptr;
};

} // namespace NVLALotes::Banco

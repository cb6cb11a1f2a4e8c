#pragma once

#include <QList>
#include <QMainWindow>

#include <memory>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTimer;

namespace NVLALotes {
class ClaseEntradaLotes;
class Conexion;
class ConexionGrabadora;
class EmpresaMemoria;
} // namespace NVLALotes

namespace NVLALotes::Banco {

class PanelSentencias;

// The workbench: the host parameters a tester sets, a page per entry class, and
// what the library sent to the database in the last Show. Laid out to fit a
// 1280 x 720 screen: texts wrap and what does not fit scrolls vertically.
class VentanaBanco final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VentanaBanco)

public:
    // `rutaDemo` is the embedded demo file the workbench runs on, empty for a
    // database given by connection string: only the demo file can be restored.
    VentanaBanco(std::shared_ptr<Conexion> conexion, const QString &descripcionBaseDatos, const QString &rutaDemo,
                 QWidget *parent = nullptr);
    ~VentanaBanco() override;

    // Whether the window closed to have its demo database made again.
    bool restablecerPedido() const { return m_restablecer; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *crearIzquierda(const QString &descripcionBaseDatos, const QString &rutaDemo);
    QWidget *crearParametros();
    void restablecer();
    void agregarPaginas();
    // The company object built from the parameters on screen, and the connection.
    void prepararContexto(ClaseEntradaLotes &clase);
    // Opens the purchase dialog and types a warehouse label into it as a
    // scanner would: fast, with group separators, ending with Enter.
    void escanearEtiqueta();
    void teclearEtiqueta();

    std::shared_ptr<Conexion> m_conexion;
    // What every Show of a page sends goes through it, for the log pane.
    std::shared_ptr<ConexionGrabadora> m_grabadora;
    PanelSentencias *m_sentencias = nullptr;
    QSplitter *m_division = nullptr;
    bool m_restablecer = false;
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

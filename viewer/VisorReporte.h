#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QWidget>

#include <exception>
#include <memory>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QSpinBox;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace NVLALotes {

class Reporte;

// The report view of the viewer window: the pages in a print preview, a bar to
// page through them, zoom, print, export and close, and the report's group tree
// beside them.
class NVLA_EXPORT VisorReporte final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VisorReporte)

public:
    explicit VisorReporte(QWidget *parent = nullptr);
    ~VisorReporte() override;

    // The viewer's options.
    void mostrarBarra(bool mostrar);
    void permitirExportar(bool permitir);
    void mostrarGrupos(bool mostrar);

    void fijarReporte(std::shared_ptr<const Reporte> reporte);
    // Shows the report set, from its first page.
    void verReporte();
    // 0 fits the page width; any other value is a percentage (10 to 400).
    void fijarZoom(qint16 zoom);

    void imprimir();
    void exportarPdf(const QString &ruta) const;
    const Reporte *reporte() const { return m_reporte.get(); }

Q_SIGNALS:
    void cerrarPedido();
    void imprimirPedido();
    void exportarPedido();

private:
    void crearBarra();
    void llenarGrupos();
    void irAGrupo(const QTreeWidgetItem *elemento);
    void irAPagina(int pagina);
    void actualizarPagina();

    std::shared_ptr<const Reporte> m_reporte;
    QToolBar *tbVisor = nullptr;
    QSpinBox *txtPagina = nullptr;
    QLabel *lblPaginas = nullptr;
    QAction *m_exportar = nullptr;
    QAction *m_grupos = nullptr;
    std::exception_ptr m_fallo;
    QTreeWidget *tvGrupos = nullptr;
    QPrintPreviewWidget *pvwPaginas = nullptr;
};

} // namespace NVLALotes

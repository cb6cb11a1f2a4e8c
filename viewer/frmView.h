#pragma once

#include "foundation/entry/VentanaLotes.h"

#include <nvlalotes/nvlalotes_export.h>

#include <memory>

class QLabel;

namespace NVLALotes {

class Reporte;
class VisorReporte;

// The report viewer window. There is one shared window: it is created the
// first time it is asked for and released when it closes, or at the latest
// when the application ends, so a new request while it is open shows the new
// report in the same window.
class NVLA_EXPORT frmView final : public VentanaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmView)

public:
    ~frmView() override;

    // The shared window, created now if there is none.
    static frmView &instancia();
    // The shared window if it is loaded; none otherwise.
    static frmView *cargada();

    bool MostrarGrupos = false;
    // 0 fits the page width; any other value is a percentage.
    qint16 Zoom = 0;
    void Report(std::shared_ptr<const Reporte> crxRep) { m_report = std::move(crxRep); }

    // Loads the report with the fields as set and shows the window: modal (it
    // returns once the window has closed) or modeless (it returns at once).
    void mostrar(bool modal);
    // The window's load: the viewer takes the report and the fields as set.
    void Cargar() override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Escape closes the viewer as its close box does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    frmView();
    void exportar();
    void descargar();

    std::shared_ptr<const Reporte> m_report;
    VisorReporte *crvRep = nullptr;
    QLabel *pctLogo = nullptr;
};

} // namespace NVLALotes

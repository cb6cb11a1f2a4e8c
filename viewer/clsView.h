#pragma once

#include <nvlalotes/Reporte.h>
#include <nvlalotes/nvlalotes_export.h>

#include <memory>

namespace NVLALotes {

/// Shows a report the caller has prepared in the library's viewer window
/// ("KALDEROS Brex, S.L. - Visor de Reportes"), with page navigation, zoom,
/// printing and export to PDF. There is one viewer window: a second Cargar while
/// it is open shows the new report in it.
class NVLA_EXPORT clsView
{
public:
    /// Whether the viewer opens with the report's group tree showing.
    bool MostrarGrupos = false;

    /// The report to show. The viewer keeps it alive while its window is open.
    void Report(std::shared_ptr<const Reporte> crxRep) { m_report = std::move(crxRep); }

    /// Opens the viewer: modal (returns once the clerk closes it) or modeless
    /// (returns at once, the window stays open). intZoom 0 fits the page width;
    /// any other value is a percentage (10 to 400). Without a report it fails
    /// with ErrorLotes and opens nothing; a report's own error reaches the caller.
    void Cargar(bool bolModal, qint16 intZoom = 0);

private:
    std::shared_ptr<const Reporte> m_report;
};

} // namespace NVLALotes

#include "clsView.h"

#include "foundation/core/values/ErrorLotes.h"
#include "viewer/frmView.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

void clsView::Cargar(bool bolModal, qint16 intZoom)
{
    if (!m_report)
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"No se ha indicado el reporte que se quiere ver."_s,
                         u"clsView::Cargar"_s);
    frmView &vista = frmView::instancia();
    vista.Report(m_report);
    vista.MostrarGrupos = MostrarGrupos;
    vista.Zoom = intZoom;
    vista.mostrar(bolModal);
}

} // namespace NVLALotes

#include "CabeceraRejilla.h"

#include "foundation/controls/ModeloRejilla.h"

#include <QPainter>

namespace NVLALotes {

CabeceraRejilla::CabeceraRejilla(const ModeloRejilla *modelo, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
    , m_modelo(modelo)
{}

void CabeceraRejilla::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const auto [primera, ultima] = m_modelo->tramoUnido(0, logicalIndex);
    if (primera == ultima) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    QRect banda = rect;
    for (int col = primera; col <= ultima; ++col) {
        if (!isSectionHidden(col))
            banda = banda.united(QRect(sectionViewportPosition(col), rect.top(), sectionSize(col), rect.height()));
    }
    // Each section paints its own slice of the band, so partial repaints agree.
    painter->save();
    painter->setClipRect(rect);
    QHeaderView::paintSection(painter, banda, primera);
    painter->restore();
}

} // namespace NVLALotes

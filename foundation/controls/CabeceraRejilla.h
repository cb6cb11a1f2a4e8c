#pragma once

#include <QHeaderView>

namespace NVLALotes {

class ModeloRejilla;

// The header row is the view's horizontal header; when it is a merging row, a
// band of equal titles is painted as one section across its columns.
class CabeceraRejilla final : public QHeaderView
{
public:
    CabeceraRejilla(const ModeloRejilla *modelo, QWidget *parent);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    const ModeloRejilla *m_modelo;
};

} // namespace NVLALotes

#include "Reporte.h"

#include <QMarginsF>
#include <QPageSize>

using namespace Qt::StringLiterals;

namespace NVLALotes {

Reporte::~Reporte() = default;

QPageLayout Reporte::diseno() const
{
    return disenoComun();
}

QPageLayout Reporte::disenoComun()
{
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter};
}

QList<GrupoReporte> Reporte::grupos() const
{
    return {};
}

QString Reporte::titulo() const
{
    return u"Reporte"_s;
}

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QString>

#include <optional>

namespace NVLALotes {

class Conexion;

struct DatosAlmacen
{
    qint16 codigo = 0;
    QString nombre;
};

// The company's warehouses, as table Almacenes holds them.
namespace Almacenes {

// The warehouse of that code, or nothing when the company has none.
NVLA_CORE_EXPORT std::optional<DatosAlmacen> buscar(Conexion &conexion, qint16 empresa, qint16 codigo);
// Every warehouse of the company, by code.
NVLA_CORE_EXPORT QList<DatosAlmacen> deEmpresa(Conexion &conexion, qint16 empresa);
// Those whose name holds `texto`, whatever the case, keeping their order.
NVLA_CORE_EXPORT QList<DatosAlmacen> conNombre(const QList<DatosAlmacen> &almacenes, const QString &texto);

} // namespace Almacenes

} // namespace NVLALotes

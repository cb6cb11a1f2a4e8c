#include "Almacenes.h"

#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::Almacenes {

namespace {

DatosAlmacen leido(const Registros &registros)
{
    return {qint16(registros.campo(0).toInt()), registros.campo(1).toString().trimmed()};
}

} // namespace

std::optional<DatosAlmacen> buscar(Conexion &conexion, qint16 empresa, qint16 codigo)
{
    auto registros =
        conexion.abrirConsulta(u"SELECT Cod_Almacen, Nombre FROM Almacenes WHERE Cod_Empresa = "_s +
                               ValorSql::numero(empresa) + u" AND Cod_Almacen = "_s + ValorSql::numero(codigo));
    if (!registros->siguiente())
        return std::nullopt;
    return leido(*registros);
}

QList<DatosAlmacen> deEmpresa(Conexion &conexion, qint16 empresa)
{
    auto registros = conexion.abrirConsulta(u"SELECT Cod_Almacen, Nombre FROM Almacenes WHERE Cod_Empresa = "_s +
                                            ValorSql::numero(empresa) + u" ORDER BY Cod_Almacen"_s);
    QList<DatosAlmacen> almacenes;
    while (registros->siguiente())
        almacenes.append(leido(*registros));
    return almacenes;
}

QList<DatosAlmacen> conNombre(const QList<DatosAlmacen> &almacenes, const QString &texto)
{
    QList<DatosAlmacen> hallados;
    for (const DatosAlmacen &almacen : almacenes) {
        if (almacen.nombre.contains(texto.trimmed(), Qt::CaseInsensitive))
            hallados.append(almacen);
    }
    return hallados;
}

} // namespace NVLALotes::Almacenes

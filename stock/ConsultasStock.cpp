#include "ConsultasStock.h"

#include "foundation/core/database/ValorSql.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::ConsultasStock {

namespace {

using ValorSql::numero;

// One half of the owing documents: the invoice lines or the delivery-note
// lines. Only invoices carry a kind, and only ordinary ones (kind 0) owe goods.
QString mitadPendiente(const Claves &claves, const QString &lineas, const QString &cabeceras,
                       const QString &suministradas, const QString &tipo, bool soloFacturasNormales)
{
    const QString unidadesSuministradas =
        u"dbo."_s + suministradas +
        u"(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea)"_s;
    return u"SELECT f.Cliente, c.Nombre, fl.Unidades - "_s + unidadesSuministradas + u" AS Unidades,"_s + u" "_s +
           ValorSql::texto(tipo) + u" AS Tipo, f.Codigo, f.Fecha, f.Hora"_s + u" FROM "_s + lineas + u" fl"_s +
           u" INNER JOIN "_s + cabeceras + u" f"_s +
           u" ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc"_s +
           u" INNER JOIN Clientes c"_s + u" ON c.Cod_Empresa ="_s + numero(claves.empresaClientes) +
           u" AND f.Cliente = c.Codigo"_s + u" WHERE fl.Cod_Empresa ="_s + numero(claves.empresa) +
           u" AND f.Cod_AlmacenStock ="_s + numero(claves.almacen) +
           (soloFacturasNormales ? u" AND f.TipoFactura = 0"_s : QString()) + u" AND fl.Unidades > 0"_s +
           u" AND fl.Unidades > "_s + unidadesSuministradas + u" AND fl.Cod_Articulo ="_s + numero(claves.articulo);
}

} // namespace

QString stockArticulo(const Claves &claves)
{
    return u"SELECT Stock_Actual + dbo.fn_DevArticuloUnidadesOSPendEntrega(Cod_Empresa, Cod_Almacen, Cod_Articulo) AS Stock"_s +
           u" FROM Almacen_Articulos"_s + u" WHERE Cod_Empresa = "_s + numero(claves.empresa) +
           u" AND Cod_Almacen = "_s + numero(claves.almacen) + u" AND Cod_Articulo = "_s + numero(claves.articulo);
}

QString unidadesPendientes(const Claves &claves)
{
    return u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega("_s + numero(claves.empresa) + u", "_s +
           numero(claves.almacen) + u", "_s + numero(claves.articulo) + u") AS Und"_s;
}

QString documentosPendientes(const Claves &claves)
{
    return mitadPendiente(claves, u"Facturas_Lineas"_s, u"Facturas"_s, u"fn_FacturasLineasUndSuministradas"_s, u"F"_s,
                          true) +
           u" UNION ALL"_s + u" "_s +
           mitadPendiente(claves, u"Albaranes_F_Lineas"_s, u"Albaranes_F"_s, u"fn_AlbaranesFLineasUndSuministradas"_s,
                          u"A"_s, false) +
           u" ORDER BY f.Fecha, f.Hora, f.Codigo"_s;
}

QString bloqueo(qint16 empresa, qint32 lote, bool bloquear)
{
    return u"UPDATE Articulos_Lotes SET Bloqueado = "_s + numero(bloquear ? 1 : 0) + u" WHERE Cod_Empresa ="_s +
           numero(empresa) + u" AND Cod_Lote ="_s + numero(lote);
}

QString loteEtiqueta(qint16 empresa, qint32 lote)
{
    return u"SELECT Lote, Caducidad, Tono, Calibre FROM Articulos_Lotes WHERE Cod_Empresa = "_s + numero(empresa) +
           u" AND Cod_Lote = "_s + numero(lote);
}

QString descripcionArticulo(qint16 empresa, qint32 articulo)
{
    return u"SELECT Descripcion FROM Articulos WHERE Cod_Empresa = "_s + numero(empresa) + u" AND Cod_Articulo = "_s +
           numero(articulo);
}

} // namespace NVLALotes::ConsultasStock

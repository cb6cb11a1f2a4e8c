#include "ReglasStockLotes.h"

#include "foundation/host/Formatos.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes::ReglasStockLotes {

QString Consulta(const QString &seleccion, qint16 empresa, qint16 almacen, qint32 articulo, bool soloStockPositivo)
{
    QString sql = seleccion + u" FROM Almacen_Articulos_Lotes a"_s + u" INNER JOIN Articulos_Lotes b"_s +
                  u" ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote"_s + u" WHERE a.Cod_Empresa = "_s +
                  QString::number(empresa) + u" AND a.Cod_Almacen = "_s + QString::number(almacen) +
                  u" AND b.Cod_Articulo = "_s + QString::number(articulo);
    if (soloStockPositivo)
        sql += u" AND a.Stock_Actual > 0"_s;
    sql += u" ORDER BY a.Stock_Actual"_s;
    return sql;
}

Currency StockMostrado(QStringView texto)
{
    return Currency::parse(texto, Formatos::instancia().locale()).value_or(Currency());
}

bool CubreUnidades(QStringView stockMostrado, bool bloqueada, Currency unidades)
{
    return !bloqueada && StockMostrado(stockMostrado) >= unidades;
}

bool CoincideTecleado(const QList<CeldaTecleada> &celdas, const std::function<QStringView(int)> &celda)
{
    return std::ranges::all_of(celdas, [&](const CeldaTecleada &c) { return celda(c.columna) == c.texto; });
}

} // namespace NVLALotes::ReglasStockLotes

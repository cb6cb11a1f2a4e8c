#include "EscenarioVentas.h"

#include "foundation/controls/Rejilla.h"

#include <nvlalotes/Comando.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

QString texto(const QString &valor)
{
    return u"'"_s + QString(valor).replace(u"'"_s, u"''"_s) + u"'"_s;
}

void Sembrar(Conexion &conexion, const QList<LotePrueba> &lotes)
{
    conexion.Ejecutar(u"INSERT INTO Empresas (Cod_Empresa, Nombre, Cod_EmpresaClientes) VALUES (1, 'Pruebas', 1)"_s);
    conexion.Ejecutar(u"INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre) VALUES (1, 1, 'Central')"_s);
    conexion.Ejecutar(u"INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre) VALUES (1, 2, 'Tienda')"_s);
    conexion.Ejecutar(u"INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion) VALUES (1, %1, 'Prueba')"_s.arg(
        ArticuloPrueba));
    conexion.Ejecutar(u"INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion) VALUES (1, %1, 'Otro')"_s.arg(
        ArticuloPrueba + 1));
    for (const LotePrueba &lote : lotes) {
        conexion.Ejecutar(u"INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, "
                          u"Calibre, Bloqueado) VALUES (1, %1, %2, %3, %4, %5, %6, %7)"_s.arg(lote.clave)
                              .arg(ArticuloPrueba)
                              .arg(texto(lote.lote), lote.caducidad.isEmpty() ? u"NULL"_s : texto(lote.caducidad),
                                   texto(lote.tono), texto(lote.calibre))
                              .arg(lote.bloqueado ? 1 : 0));
        conexion.Ejecutar(u"INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) "
                          u"VALUES (1, %1, %2, %3)"_s.arg(AlmacenPrueba)
                              .arg(lote.clave)
                              .arg(lote.stock));
    }
}

QStringList LotesEnBase(Conexion &conexion)
{
    return FilasDe(conexion, u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre FROM Articulos_Lotes "
                             u"WHERE Cod_Empresa = 1 AND Cod_Articulo = %1 ORDER BY Cod_Lote"_s.arg(ArticuloPrueba));
}

QString StockEnBase(Conexion &conexion, qint32 clave)
{
    const QStringList filas =
        FilasDe(conexion, u"SELECT Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Empresa = 1 AND "
                          u"Cod_Almacen = %1 AND Cod_Lote = %2"_s.arg(AlmacenPrueba)
                              .arg(clave));
    return filas.isEmpty() ? u"sin fila"_s : filas.constFirst();
}

bool LlamoAlProcedimiento(const ConexionGrabadora &grabadora)
{
    const QList<Comando> comandos = grabadora.Comandos();
    return std::ranges::any_of(comandos,
                               [](const Comando &c) { return c.texto() == u"GES_Almacen_Articulo_Lotes_Update"; });
}

int FilaCon(const Rejilla *rejilla, const QList<std::pair<int, QString>> &celdas)
{
    for (int fila = 1; fila < rejilla->Rows(); ++fila) {
        if (std::ranges::all_of(celdas, [&](const auto &c) { return rejilla->TextMatrix(fila, c.first) == c.second; }))
            return fila;
    }
    return -1;
}

} // namespace NVLALotes::Pruebas

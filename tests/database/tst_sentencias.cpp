// The library's own statements, text for text, on each engine with the demo
// data: every T-SQL construct they use must run and give the right rows.
#include "tests/support/BaseDatosPrueba.h"

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Lot queries as the sales, regularization, inventory and stock dialogs build them.
QString consultaLotes(const QString &campos, int almacen, int articulo, bool soloConStock)
{
    return u"SELECT %1 FROM Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE a.Cod_Empresa = 1 AND a.Cod_Almacen = %2 AND b.Cod_Articulo = %3%4 ORDER BY a.Stock_Actual"_s
        .arg(campos)
        .arg(almacen)
        .arg(articulo)
        .arg(soloConStock ? u" AND a.Stock_Actual > 0"_s : QString());
}

// The invoice and delivery-note lines still owed to customers.
QString pendientesEntrega(int almacen, int articulo)
{
    return u"SELECT f.Cliente, c.Nombre, fl.Unidades - dbo.fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, "
           u"fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AS Unidades,"
           u" 'F' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM Facturas_Lineas fl INNER JOIN Facturas f"
           u" ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND "
           u"fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc"
           u" INNER JOIN Clientes c ON c.Cod_Empresa =1 AND f.Cliente = c.Codigo"
           u" WHERE fl.Cod_Empresa =1 AND f.Cod_AlmacenStock =%1 AND f.TipoFactura = 0 AND fl.Unidades > 0"
           u" AND fl.Unidades > dbo.fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, "
           u"fl.Codigo, fl.TipoDoc, fl.Num_Linea)"
           u" AND fl.Cod_Articulo =%2 UNION ALL"
           u" SELECT f.Cliente, c.Nombre, fl.Unidades - dbo.fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, "
           u"fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AS Unidades,"
           u" 'A' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM Albaranes_F_Lineas fl INNER JOIN Albaranes_F f"
           u" ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND "
           u"fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc"
           u" INNER JOIN Clientes c ON c.Cod_Empresa =1 AND f.Cliente = c.Codigo"
           u" WHERE fl.Cod_Empresa =1 AND f.Cod_AlmacenStock =%1 AND fl.Unidades > 0"
           u" AND fl.Unidades > dbo.fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, "
           u"fl.Codigo, fl.TipoDoc, fl.Num_Linea)"
           u" AND fl.Cod_Articulo =%2 ORDER BY f.Fecha, f.Hora, f.Codigo"_s.arg(almacen)
               .arg(articulo);
}

const QString CamposVenta = u"a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s;
const QString CamposTono = u"a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre"_s;
const QString CamposStock = CamposTono + u", b.Bloqueado"_s;

} // namespace

class TstSentencias : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void consultas_data();
    void consultas();
    void registroDelCatalogo_data() { FilasPorMotor(); }
    void registroDelCatalogo();
};

void TstSentencias::consultas_data()
{
    QTest::addColumn<QString>("motor");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("antes"); // a change the stock window or the host made first
    QTest::addColumn<QStringList>("filas");
    for (const QString &m : Motores()) {
        const auto fila = [&](const char *caso, const QString &sql, const QString &antes = {}) -> QTestData & {
            return QTest::addRow("%s: %s", qPrintable(m), caso) << m << sql << antes;
        };
        fila("grupos del usuario", u"SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario=1"_s)
            << QStringList{u"1"_s, u"5"_s};
        fila(
            "acceso al menú",
            u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a WHERE a.Modulo=1 AND a.CodMenu=1200 AND a.CodGrupo IN (5,11) AND TipoAcceso=2"_s)
            << QStringList{u"1"_s};
        fila(
            "acceso por nombre",
            u"SELECT COUNT(*) as NumRegs FROM SGD_Menus,SGD_Menus_Grupos  WHERE SGD_Menus.Codigo=SGD_Menus_Grupos.CodMenu AND SGD_Menus.NombreInterno='mnuArticulos' AND SGD_Menus_Grupos.CodGrupo IN (5,11) AND SGD_Menus_Grupos.TipoAcceso=2 AND SGD_Menus.Modulo=1"_s)
            << QStringList{u"1"_s};
        fila("venta con stock", consultaLotes(CamposVenta, 1, 101, true))
            << QStringList{u"2|3|L-0003|2027-03-31"_s, u"5|4.996|L-4996|2027-06-30"_s, u"3|5|L-0005|2027-05-31"_s,
                           u"4|8|L-0008|2027-08-31"_s};
        fila("venta sin unidades", consultaLotes(CamposVenta, 1, 101, false))
            << QStringList{u"7|-2|L-NEG|2026-12-31"_s,     u"6|0|L-CERO|NULL"_s,       u"2|3|L-0003|2027-03-31"_s,
                           u"5|4.996|L-4996|2027-06-30"_s, u"3|5|L-0005|2027-05-31"_s, u"4|8|L-0008|2027-08-31"_s};
        fila("venta, lote bloqueado", consultaLotes(CamposStock, 1, 200, true),
             u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Empresa =1 AND Cod_Lote =12"_s)
            << QStringList{u"12|25||NULL|A1|11|1"_s, u"11|40||NULL|A1|10|0"_s, u"13|60||NULL|B2|10|1"_s};
        fila("regularización tono y calibre", consultaLotes(CamposTono, 1, 200, false))
            << QStringList{u"15|-5||NULL|C3|10"_s, u"14|0||NULL|B2|12"_s, u"12|25||NULL|A1|11"_s,
                           u"11|40||NULL|A1|10"_s, u"13|60||NULL|B2|10"_s};
        fila("stock de otro almacén", consultaLotes(CamposStock, 3, 201, false))
            << QStringList{u"16|20||2028-01-01|G1|1|0"_s};
        fila(
            "inventario por lote",
            u"SELECT Cod_Lote, Lote, Caducidad FROM Articulos_Lotes WHERE Cod_Empresa = 1 AND Cod_Articulo = 100 UNION SELECT Cod_Lote, Lote, Caducidad FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Articulo = 100 ORDER BY Cod_Lote"_s)
            << QStringList{u"0|Y-NUEVO|2027-02-28"_s, u"8|Y-2401|2026-12-15"_s, u"9|Y-2402|NULL"_s,
                           u"10|Y-2403|2027-01-20"_s};
        fila(
            "inventario por tono",
            u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, -1 AS Cantidad FROM Articulos_Lotes WHERE Cod_Empresa = 1 AND Cod_Articulo = 200 AND Cod_Lote NOT IN (SELECT Cod_Lote FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 200) UNION SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 200 ORDER BY Cod_Lote"_s)
            << QStringList{u"11||NULL|A1|10|38"_s, u"12||NULL|A1|11|-1"_s, u"13||NULL|B2|10|-1"_s,
                           u"14||NULL|B2|12|-1"_s, u"15||NULL|C3|10|-1"_s};
        fila(
            "stock sin lotes más lo debido",
            u"SELECT Stock_Actual + dbo.fn_DevArticuloUnidadesOSPendEntrega(Cod_Empresa, Cod_Almacen, Cod_Articulo) AS Stock FROM Almacen_Articulos WHERE Cod_Empresa = 1 AND Cod_Almacen = 1 AND Cod_Articulo = 202"_s)
            << QStringList{u"37"_s};
        // Owed by invoices and notes, in another warehouse, by notes only, nothing.
        fila(
            "unidades debidas",
            u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 200), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 2, 200), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 201), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 101)"_s)
            << QStringList{u"8|9|10|0"_s};
        fila("pendientes de entrega", pendientesEntrega(1, 200))
            << QStringList{u"430001|Construcciones Pérez, S.L.|6|F|1|2026-11-02|10:15:00"_s,
                           u"430003|María Núñez Ibáñez|2|A|1|2026-11-03|16:45:00"_s};
        fila(
            "permisos de controles",
            u"SELECT gc.Cod_Grupo, f.Nombre AS Formulario, c.Nombre AS Control, c.Indice, gc.Permiso FROM SGD_Controles_Grupos gc INNER JOIN SGD_Formularios f ON gc.Cod_Formulario = f.Cod_Formulario  INNER JOIN SGD_Controles c ON gc.Cod_Formulario = c.Cod_Formulario AND gc.Cod_Control = c.Cod_Control WHERE f.Nombre = 'frmLotesStockAlm2' AND (gc.Cod_Grupo = 0 OR gc.Cod_Grupo IN (SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario = 3)) ORDER BY c.Nombre, gc.Permiso ASC"_s)
            << QStringList{u"11|frmLotesStockAlm2|cmdCrear|  |2"_s, u"0|frmLotesStockAlm2|cmdSalir|  |0"_s};
        fila("nombre del servidor", u"SELECT ISNULL(@@SERVERNAME, '')"_s) << QStringList{u"NVLALOTES"_s};
        fila("servidor sin nombre", u"SELECT ISNULL(@@SERVERNAME, '')"_s, u"DELETE FROM Servidor"_s)
            << QStringList{QString()};
        fila("formulario del catálogo",
             u"SELECT cod_Formulario  FROM SGD_Formularios WHERE Nombre ='frmLotesStockAlm2'"_s)
            << QStringList{u"3"_s};
        fila("último control", u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = 3"_s)
            << QStringList{u"3"_s};
        fila("sin controles", u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = 99"_s)
            << QStringList{u"0"_s};
    }
}

void TstSentencias::consultas()
{
    QFETCH(QString, motor);
    QFETCH(QString, sql);
    QFETCH(QString, antes);
    QFETCH(QStringList, filas);
    NVLA_BASE_DATOS(bd, motor, true);
    QStringList obtenidas;
    if (!antes.isEmpty())
        QVERIFY_SQL(bd->Ejecutar(antes));
    QVERIFY_SQL(obtenidas = FilasDe(*bd, sql));
    if (!sql.contains(u"ORDER BY"_s)) { // no order promised: compare as a set
        obtenidas.sort();
        filas.sort();
    }
    QCOMPARE(obtenidas, filas);
}

// The catalog's changing statements in the order the registration runs them:
// a new form, its controls marked unseen, and the unseen ones removed with
// their permissions first.
void TstSentencias::registroDelCatalogo()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL({
        QCOMPARE(bd->Ejecutar(u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES (4,'frmNuevo')"_s), 1);
        QCOMPARE(bd->Ejecutar(u"UPDATE SGD_Controles SET TabIndex=-1 WHERE Cod_Formulario=3"_s), 3);
        QCOMPARE(bd->Ejecutar(u"UPDATE SGD_Controles SET TabIndex=2 WHERE Cod_Formulario=3 AND Nombre='cmdSalir'"_s),
                 1);
        QCOMPARE(
            bd->Ejecutar(
                u"DELETE cg FROM SGD_Controles_Grupos cg INNER JOIN SGD_Controles c ON cg.Cod_Formulario=c.Cod_Formulario AND cg.Cod_Control=c.Cod_Control WHERE c.TabIndex=-1"_s),
            1);
        QCOMPARE(bd->Ejecutar(u"DELETE FROM SGD_Controles WHERE TabIndex=-1"_s), 2);
        QCOMPARE(FilasDe(*bd, u"SELECT Cod_Grupo, Cod_Control FROM SGD_Controles_Grupos"_s), QStringList{u"0|3"_s});
        QCOMPARE(FilasDe(*bd, u"SELECT Nombre FROM SGD_Controles"_s), QStringList{u"cmdSalir"_s});
        QCOMPARE(FilasDe(*bd, u"SELECT Max(Cod_Formulario) AS codigo FROM SGD_Formularios"_s), QStringList{u"4"_s});
    });
}

QTEST_GUILESS_MAIN(TstSentencias)
#include "tst_sentencias.moc"

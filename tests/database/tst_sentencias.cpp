// The library's own statements, text for text, on each engine with the demo
// data: every T-SQL construct they use must run and give the right rows.
#include "db/GeneradorDatos.h"
#include "tests/support/BaseDatosPrueba.h"

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

struct Caso
{
    const char *nombre;
    QString sql;
    QStringList filas;
    bool enOrden; // false: the statement has no ORDER BY, compare as a set
};

// Lot queries as the sales, regularization, inventory and stock dialogs build them.
QString consultaLotes(const QString &campos, int almacen, int articulo, bool soloConStock)
{
    return u"SELECT "_s + campos + u" FROM Almacen_Articulos_Lotes a"_s + u" INNER JOIN Articulos_Lotes b"_s +
           u" ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote"_s + u" WHERE a.Cod_Empresa = "_s + u"1"_s +
           u" AND a.Cod_Almacen = "_s + QString::number(almacen) + u" AND b.Cod_Articulo = "_s +
           QString::number(articulo) + (soloConStock ? u" AND a.Stock_Actual > 0"_s : QString()) +
           u" ORDER BY a.Stock_Actual"_s;
}

QString pendientesEntrega(int almacen, int articulo)
{
    const QString a = QString::number(almacen);
    const QString art = QString::number(articulo);
    return u"SELECT f.Cliente, c.Nombre, fl.Unidades - dbo.fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AS Unidades,"_s
           u" 'F' AS Tipo, f.Codigo, f.Fecha, f.Hora"
           u" FROM Facturas_Lineas fl"
           u" INNER JOIN Facturas f"
           u" ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND "
           u"fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc"
           u" INNER JOIN Clientes c"
           u" ON c.Cod_Empresa =1 AND f.Cliente = c.Codigo"
           u" WHERE fl.Cod_Empresa =1 AND f.Cod_AlmacenStock ="_s +
           a + u" AND f.TipoFactura = 0"_s + u" AND fl.Unidades > 0"_s +
           u" AND fl.Unidades > dbo.fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea)"_s +
           u" AND fl.Cod_Articulo ="_s + art + u" UNION ALL"_s +
           u" SELECT f.Cliente, c.Nombre, fl.Unidades - dbo.fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AS Unidades,"_s +
           u" 'A' AS Tipo, f.Codigo, f.Fecha, f.Hora"_s + u" FROM Albaranes_F_Lineas fl"_s +
           u" INNER JOIN Albaranes_F f"_s +
           u" ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc"_s +
           u" INNER JOIN Clientes c"_s + u" ON c.Cod_Empresa =1 AND f.Cliente = c.Codigo"_s +
           u" WHERE fl.Cod_Empresa =1 AND f.Cod_AlmacenStock ="_s + a + u" AND fl.Unidades > 0"_s +
           u" AND fl.Unidades > dbo.fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea)"_s +
           u" AND fl.Cod_Articulo ="_s + art + u" ORDER BY f.Fecha, f.Hora, f.Codigo"_s;
}

const QString CamposVenta = u"a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s;
const QString CamposTono = u"a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre"_s;
const QString CamposStock = CamposTono + u", b.Bloqueado"_s;

QList<Caso> casosDeConsulta()
{
    return {
        {"grupos del usuario",
         u"SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario=1"_s,
         {u"1"_s, u"5"_s},
         false},
        {"acceso al menú",
         u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a WHERE a.Modulo=1 AND a.CodMenu=1200 AND a.CodGrupo IN (5,11) AND TipoAcceso=2"_s,
         {u"1"_s},
         true},
        {"sin acceso al menú",
         u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a WHERE a.Modulo=1 AND a.CodMenu=1200 AND a.CodGrupo IN (11) AND TipoAcceso=2"_s,
         {u"0"_s},
         true},
        {"acceso por nombre",
         u"SELECT COUNT(*) as NumRegs FROM SGD_Menus,SGD_Menus_Grupos  WHERE SGD_Menus.Codigo=SGD_Menus_Grupos.CodMenu AND SGD_Menus.NombreInterno='mnuArticulos' AND SGD_Menus_Grupos.CodGrupo IN (5,11) AND SGD_Menus_Grupos.TipoAcceso=2 AND SGD_Menus.Modulo=1"_s,
         {u"1"_s},
         true},
        {"menú de artículos", u"SELECT IDMenu FROM SGD_Formularios WHERE Nombre = 'frmArticulos'"_s, {u"1200"_s}, true},
        {"venta con stock",
         consultaLotes(CamposVenta, 1, 101, true),
         {u"2|3|L-0003|2027-03-31"_s, u"5|4.996|L-4996|2027-06-30"_s, u"3|5|L-0005|2027-05-31"_s,
          u"4|8|L-0008|2027-08-31"_s},
         true},
        {"venta sin unidades",
         consultaLotes(CamposVenta, 1, 101, false),
         {u"7|-2|L-NEG|2026-12-31"_s, u"6|0|L-CERO|NULL"_s, u"2|3|L-0003|2027-03-31"_s, u"5|4.996|L-4996|2027-06-30"_s,
          u"3|5|L-0005|2027-05-31"_s, u"4|8|L-0008|2027-08-31"_s},
         true},
        {"venta tono y calibre",
         consultaLotes(CamposStock, 1, 200, true),
         {u"12|25||NULL|A1|11|0"_s, u"11|40||NULL|A1|10|0"_s, u"13|60||NULL|B2|10|1"_s},
         true},
        {"regularización tono y calibre",
         consultaLotes(CamposTono, 1, 200, false),
         {u"15|-5||NULL|C3|10"_s, u"14|0||NULL|B2|12"_s, u"12|25||NULL|A1|11"_s, u"11|40||NULL|A1|10"_s,
          u"13|60||NULL|B2|10"_s},
         true},
        {"stock de otro almacén", consultaLotes(CamposStock, 3, 201, false), {u"16|20||2028-01-01|G1|1|0"_s}, true},
        {"inventario por lote",
         u"SELECT Cod_Lote, Lote, Caducidad FROM Articulos_Lotes"_s + u" WHERE Cod_Empresa = "_s + u"1"_s +
             u" AND Cod_Articulo = "_s + u"100"_s + u" UNION"_s +
             u" SELECT Cod_Lote, Lote, Caducidad FROM Inventario_Lotes"_s + u" WHERE Cod_Empresa = "_s + u"1"_s +
             u" AND Cod_Articulo = "_s + u"100"_s + u" ORDER BY Cod_Lote"_s,
         {u"0|Y-NUEVO|2027-02-28"_s, u"8|Y-2401|2026-12-15"_s, u"9|Y-2402|NULL"_s, u"10|Y-2403|2027-01-20"_s},
         true},
        {"inventario por tono",
         u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, -1 AS Cantidad FROM Articulos_Lotes WHERE Cod_Empresa = 1 AND Cod_Articulo = 200 AND Cod_Lote NOT IN (SELECT Cod_Lote FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 200) UNION SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad FROM Inventario_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen =1 AND Cod_Articulo = 200 ORDER BY Cod_Lote"_s,
         {u"11||NULL|A1|10|38"_s, u"12||NULL|A1|11|-1"_s, u"13||NULL|B2|10|-1"_s, u"14||NULL|B2|12|-1"_s,
          u"15||NULL|C3|10|-1"_s},
         true},
        {"stock sin lotes más lo debido",
         u"SELECT Stock_Actual + dbo.fn_DevArticuloUnidadesOSPendEntrega(Cod_Empresa, Cod_Almacen, Cod_Articulo) AS Stock"_s +
             u" FROM Almacen_Articulos"_s + u" WHERE Cod_Empresa = "_s + u"1"_s + u" AND Cod_Almacen = "_s + u"1"_s +
             u" AND Cod_Articulo = "_s + u"202"_s,
         {u"37"_s},
         true},
        {"debido de azulejo", u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 200) AS Und"_s, {u"8"_s}, true},
        {"debido en la tienda", u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 2, 200) AS Und"_s, {u"9"_s}, true},
        {"debido de gres", u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 201) AS Und"_s, {u"10"_s}, true},
        {"nada debido", u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 101) AS Und"_s, {u"0"_s}, true},
        {"pendientes de entrega",
         pendientesEntrega(1, 200),
         {u"430001|Construcciones Pérez, S.L.|6|F|1|2026-11-02|10:15:00"_s,
          u"430003|María Núñez Ibáñez|2|A|1|2026-11-03|16:45:00"_s},
         true},
        {"pendientes sin lotes",
         pendientesEntrega(1, 202),
         {u"430001|Construcciones Pérez, S.L.|5|F|1|2026-11-02|10:15:00"_s,
          u"430003|María Núñez Ibáñez|2|A|1|2026-11-03|16:45:00"_s},
         true},
        {"permisos de controles",
         u"SELECT gc.Cod_Grupo, f.Nombre AS Formulario, c.Nombre AS Control, c.Indice, gc.Permiso"_s +
             u" FROM SGD_Controles_Grupos gc"_s + u" INNER JOIN SGD_Formularios f"_s +
             u" ON gc.Cod_Formulario = f.Cod_Formulario "_s + u" INNER JOIN SGD_Controles c"_s +
             u" ON gc.Cod_Formulario = c.Cod_Formulario AND gc.Cod_Control = c.Cod_Control"_s +
             u" WHERE f.Nombre = '"_s + u"frmLotesStockAlm2"_s + u"'"_s +
             u" AND (gc.Cod_Grupo = 0 OR gc.Cod_Grupo IN (SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario = "_s +
             u"3"_s + u"))"_s + u" ORDER BY c.Nombre, gc.Permiso ASC"_s,
         {u"11|frmLotesStockAlm2|cmdCrear|  |2"_s, u"0|frmLotesStockAlm2|cmdSalir|  |0"_s},
         true},
        {"nombre del servidor", u"SELECT ISNULL(@@SERVERNAME, '')"_s, {u"NVLALOTES"_s}, true},
        {"formulario del catálogo",
         u"SELECT cod_Formulario  FROM SGD_Formularios WHERE Nombre ='frmLotesStockAlm2'"_s,
         {u"3"_s},
         true},
        {"último formulario", u"SELECT Max(Cod_Formulario) AS codigo FROM SGD_Formularios"_s, {u"3"_s}, true},
        {"último control",
         u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = 3"_s,
         {u"3"_s},
         true},
        {"sin controles",
         u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = 99"_s,
         {u"0"_s},
         true},
    };
}

} // namespace

class TstSentencias : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void consultas_data();
    void consultas();
    void bloqueo_data() { FilasPorMotor(); }
    void bloqueo();
    void registroDelCatalogo_data() { FilasPorMotor(); }
    void registroDelCatalogo();
    void servidorSinNombre_data() { FilasPorMotor(); }
    void servidorSinNombre();
    void datosGenerados_data() { FilasPorMotor(); }
    void datosGenerados();
};

void TstSentencias::consultas_data()
{
    QTest::addColumn<QString>("motor");
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("filas");
    QTest::addColumn<bool>("enOrden");
    for (const QString &motor : Motores()) {
        for (const Caso &caso : casosDeConsulta())
            QTest::addRow("%s: %s", qPrintable(motor), caso.nombre) << motor << caso.sql << caso.filas << caso.enOrden;
    }
}

void TstSentencias::consultas()
{
    QFETCH(QString, motor);
    QFETCH(QString, sql);
    QFETCH(QStringList, filas);
    QFETCH(bool, enOrden);
    NVLA_BASE_DATOS(bd, motor, true);
    QStringList obtenidas;
    QVERIFY_SQL(obtenidas = FilasDe(*bd, sql));
    if (!enOrden) {
        obtenidas.sort();
        filas.sort();
    }
    QCOMPARE(obtenidas, filas);
}

// Blocking and unblocking a lot, as the stock window writes it; the sales list
// then shows the mark.
void TstSentencias::bloqueo()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL(QCOMPARE(bd->Ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = "_s + u"1"_s +
                                      u" WHERE Cod_Empresa ="_s + u"1"_s + u" AND Cod_Lote ="_s + u"12"_s),
                         1));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, consultaLotes(CamposStock, 1, 200, true)).first(), u"12|25||NULL|A1|11|1"_s));
    QVERIFY_SQL(
        QCOMPARE(bd->Ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = 0 WHERE Cod_Empresa =1 AND Cod_Lote =12"_s), 1));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, consultaLotes(CamposStock, 1, 200, true)).first(), u"12|25||NULL|A1|11|0"_s));
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

void TstSentencias::servidorSinNombre()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, false);
    QVERIFY_SQL(bd->Ejecutar(u"DELETE FROM Servidor"_s));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT ISNULL(@@SERVERNAME, '')"_s), QStringList{QString()}));
}

// A generated data set: its lots come after the company's last key, and the
// units owed that the function reports are the sum of the pending list.
void TstSentencias::datosGenerados()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    BaseDatosHost::TamanoDatos tamano;
    tamano.almacen = 2;
    tamano.articulo = 9000;
    tamano.lotes = 250;
    tamano.lineas = 35;
    BaseDatosHost::DatosGenerados datos;
    QVERIFY_SQL(datos = BaseDatosHost::GenerarDatos(*bd, tamano));
    QCOMPARE(datos.primeraClave, 18);
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*), MIN(Cod_Lote), MAX(Cod_Lote) FROM Articulos_Lotes"
                                      " WHERE Cod_Articulo = 9000"_s),
                         QStringList{u"250|18|267"_s}));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, consultaLotes(CamposVenta, 2, 9000, true)).size(), 250 - 13 - 7));
    QStringList pendientes;
    QVERIFY_SQL(pendientes = FilasDe(*bd, pendientesEntrega(2, 9000)));
    double debido = 0;
    for (const QString &fila : std::as_const(pendientes))
        debido += fila.section(u'|', 2, 2).toDouble();
    QVERIFY(debido > 0);
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 2, 9000) AS Und"_s),
                         QStringList{TextoValor(debido)}));
}

QTEST_GUILESS_MAIN(TstSentencias)
#include "tst_sentencias.moc"

// The host's statements, text for text, on each engine with the demo data:
// every T-SQL construct they use must run and give the right rows. (The lot
// lists' queries run in the tests of their dialogs.)
#include "tests/support/BaseDatosPrueba.h"

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// The lines of invoices or delivery notes still owed to customers, as the host
// builds each half of the query (only invoices filter by their kind).
QString debidas(const QString &lineas, const QString &documentos, const QString &funcion, const QString &tipo,
                const QString &filtro)
{
    return u"SELECT f.Cliente, c.Nombre, fl.Unidades - dbo.%3(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AS Unidades, '%4' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM %1 fl INNER JOIN %2 f ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND fl.Serie = f.Serie AND fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc INNER JOIN Clientes c ON c.Cod_Empresa =1 AND f.Cliente = c.Codigo WHERE fl.Cod_Empresa =1 AND f.Cod_AlmacenStock =%6 AND %5fl.Unidades > 0 AND fl.Unidades > dbo.%3(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, fl.Codigo, fl.TipoDoc, fl.Num_Linea) AND fl.Cod_Articulo =%7"_s
        .arg(lineas, documentos, funcion, tipo, filtro);
}

QString pendientesEntrega(int almacen, int articulo)
{
    return (debidas(u"Facturas_Lineas"_s, u"Facturas"_s, u"fn_FacturasLineasUndSuministradas"_s, u"F"_s,
                    u"f.TipoFactura = 0 AND "_s) +
            u" UNION ALL "_s +
            debidas(u"Albaranes_F_Lineas"_s, u"Albaranes_F"_s, u"fn_AlbaranesFLineasUndSuministradas"_s, u"A"_s, {}) +
            u" ORDER BY f.Fecha, f.Hora, f.Codigo"_s)
        .arg(almacen)
        .arg(articulo);
}

} // namespace

class TstSentencias : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void consultas_data();
    void consultas();
    void registroDelCatalogo();
};

void TstSentencias::consultas_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("antes"); // a change the stock window or the host made first
    QTest::addColumn<QStringList>("filas");
    // The rows expected, separated by ';'.
    const auto fila = [](const char *caso, const QString &filas, const QString &sql, const QString &antes = {}) {
        QTest::newRow(caso) << sql << antes << filas.split(u';');
    };
    fila("grupos del usuario", u"1;5"_s, u"SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario=1"_s);
    fila(
        "acceso al menú", u"1"_s,
        u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a WHERE a.Modulo=1 AND a.CodMenu=1200 AND a.CodGrupo IN (5,11) AND TipoAcceso=2"_s);
    fila(
        "acceso por nombre", u"1"_s,
        u"SELECT COUNT(*) as NumRegs FROM SGD_Menus,SGD_Menus_Grupos  WHERE SGD_Menus.Codigo=SGD_Menus_Grupos.CodMenu AND SGD_Menus.NombreInterno='mnuArticulos' AND SGD_Menus_Grupos.CodGrupo IN (5,11) AND SGD_Menus_Grupos.TipoAcceso=2 AND SGD_Menus.Modulo=1"_s);
    fila(
        "stock sin lotes más lo debido", u"37"_s,
        u"SELECT Stock_Actual + dbo.fn_DevArticuloUnidadesOSPendEntrega(Cod_Empresa, Cod_Almacen, Cod_Articulo) AS Stock FROM Almacen_Articulos WHERE Cod_Empresa = 1 AND Cod_Almacen = 1 AND Cod_Articulo = 202"_s);
    // Owed by invoices and notes, in another warehouse, by notes only, nothing.
    fila(
        "unidades debidas", u"8|9|10|0"_s,
        u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 200), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 2, 200), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 201), dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 101)"_s);
    fila(
        "pendientes de entrega",
        u"430001|Construcciones Pérez, S.L.|6|F|1|2026-11-02|10:15:00;430003|María Núñez Ibáñez|2|A|1|2026-11-03|16:45:00"_s,
        pendientesEntrega(1, 200));
    fila(
        "permisos de controles", u"11|frmLotesStockAlm2|cmdCrear|  |2;0|frmLotesStockAlm2|cmdSalir|  |0"_s,
        u"SELECT gc.Cod_Grupo, f.Nombre AS Formulario, c.Nombre AS Control, c.Indice, gc.Permiso FROM SGD_Controles_Grupos gc INNER JOIN SGD_Formularios f ON gc.Cod_Formulario = f.Cod_Formulario  INNER JOIN SGD_Controles c ON gc.Cod_Formulario = c.Cod_Formulario AND gc.Cod_Control = c.Cod_Control WHERE f.Nombre = 'frmLotesStockAlm2' AND (gc.Cod_Grupo = 0 OR gc.Cod_Grupo IN (SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario = 3)) ORDER BY c.Nombre, gc.Permiso ASC"_s);
    fila("nombre del servidor", u"NVLALOTES"_s, u"SELECT ISNULL(@@SERVERNAME, '')"_s);
    fila("servidor sin nombre", QString(), u"SELECT ISNULL(@@SERVERNAME, '')"_s, u"DELETE FROM Servidor"_s);
    fila("formulario del catálogo", u"3"_s,
         u"SELECT cod_Formulario  FROM SGD_Formularios WHERE Nombre ='frmLotesStockAlm2'"_s);
    fila("último control", u"3"_s, u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = 3"_s);
    fila("sin controles", u"0"_s, u"SELECT ISNULL(Max(Cod_Control),0) FROM SGD_Controles WHERE Cod_Formulario = 99"_s);
    // What the dialect rewrites never touches a quoted text.
    fila("literales intactos", u"ISNULL(@@SERVERNAME, dbo.x)|O'Brien"_s,
         u"SELECT 'ISNULL(@@SERVERNAME, dbo.x)' AS a, ISNULL(NULL, 'O''Brien') AS b"_s);
    fila("literal escrito", u"dbo.fn_X(ISNULL('a')) ñ"_s,
         u"SELECT Lote FROM Articulos_Lotes WHERE Lote = 'dbo.fn_X(ISNULL(''a'')) ñ'"_s,
         u"UPDATE Articulos_Lotes SET Lote = 'dbo.fn_X(ISNULL(''a'')) ñ' WHERE Cod_Lote = 6"_s);
}

void TstSentencias::consultas()
{
    QFETCH_GLOBAL(QString, motor);
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
// their permissions first; then the rows each lot statement changes.
void TstSentencias::registroDelCatalogo()
{
    QFETCH_GLOBAL(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    const QList<std::pair<QString, int>> pasos = {
        {u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES (5,'frmNuevo')"_s, 1},
        {u"UPDATE SGD_Controles SET TabIndex=-1 WHERE Cod_Formulario=3"_s, 3},
        {u"UPDATE SGD_Controles SET TabIndex=2 WHERE Cod_Formulario=3 AND Nombre='cmdSalir'"_s, 1},
        {u"DELETE cg FROM SGD_Controles_Grupos cg INNER JOIN SGD_Controles c ON cg.Cod_Formulario=c.Cod_Formulario AND cg.Cod_Control=c.Cod_Control WHERE c.TabIndex=-1"_s,
         1},
        {u"DELETE FROM SGD_Controles WHERE TabIndex=-1"_s, 2},
        // Rows changed count the rows matched, none when nothing matches.
        {u"UPDATE Articulos_Lotes SET Bloqueado = 0 WHERE Cod_Empresa =1 AND Cod_Lote =13"_s, 1},
        {u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Empresa =1 AND Cod_Lote =999"_s, 0},
        {u"UPDATE Almacen_Articulos_Lotes SET Stock_Actual = 1 WHERE Cod_Empresa = 1 AND Cod_Almacen = 1 AND Stock_Actual <= 0"_s,
         5}};
    QVERIFY_SQL({
        for (const auto &[sql, filas] : pasos)
            QCOMPARE(bd->Ejecutar(sql), filas);
        QCOMPARE(FilasDe(*bd, u"SELECT Cod_Grupo, Cod_Control FROM SGD_Controles_Grupos WHERE Cod_Formulario = 3"_s),
                 QStringList{u"0|3"_s});
        QCOMPARE(FilasDe(*bd, u"SELECT Nombre FROM SGD_Controles WHERE Cod_Formulario = 3"_s),
                 QStringList{u"cmdSalir"_s});
        QCOMPARE(FilasDe(*bd, u"SELECT Max(Cod_Formulario) AS codigo FROM SGD_Formularios"_s), QStringList{u"5"_s});
        QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*) FROM Articulos_Lotes WHERE Bloqueado = 1"_s), QStringList{u"0"_s});
    });
}

QTEST_GUILESS_MAIN(TstSentencias)
#include "tst_sentencias.moc"

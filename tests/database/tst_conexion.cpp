// The connection layer on each engine: fields, changed rows, commands, the
// dialects' translations, transactions, timeouts and failures.
#include "foundation/database/Comando.h"
#include "foundation/database/Dialecto.h"
#include "foundation/database/Registros.h"
#include "foundation/host/EmpresaBaseDatos.h"
#include "tests/support/BaseDatosPrueba.h"

#include <QDate>
#include <QElapsedTimer>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

class TstConexion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void camposPorNombre_data() { FilasPorMotor(); }
    void camposPorNombre();
    void tiposDeCampo_data() { FilasPorMotor(); }
    void tiposDeCampo();
    void filasCambiadas_data() { FilasPorMotor(); }
    void filasCambiadas();
    void comandosPreparados_data() { FilasPorMotor(); }
    void comandosPreparados();
    void literalesIntactos_data() { FilasPorMotor(); }
    void literalesIntactos();
    void transaccionDeshecha_data() { FilasPorMotor(); }
    void transaccionDeshecha();
    void sentenciaFallida_data() { FilasPorMotor(); }
    void sentenciaFallida();
    void tiempoEspera_data() { FilasPorMotor(); }
    void tiempoEspera();
    void conexionRota_data() { FilasPorMotor(); }
    void conexionRota();
    void cadenasNoValidas_data();
    void cadenasNoValidas();
    void empresaDeLaBaseDatos_data() { FilasPorMotor(); }
    void empresaDeLaBaseDatos();
};

void TstConexion::camposPorNombre()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL({
        auto registros = bd->AbrirConsulta(u"SELECT IDMenu FROM SGD_Formularios WHERE Nombre = 'frmArticulos'"_s);
        QVERIFY(registros->Siguiente());
        QCOMPARE(registros->Campo(u"IdMenu").toInt(), 1200);
        QCOMPARE(registros->Campo(u"IDMENU").toInt(), 1200);
        QCOMPARE(registros->Campo(0).toInt(), 1200);
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->Campo(u"NoExiste"));
        QVERIFY(!registros->Siguiente());
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->Campo(u"IdMenu"));
    });
    QVERIFY_SQL({
        auto registros = bd->AbrirConsulta(u"SELECT COUNT(*) as NumRegs FROM SGD_Menus"_s);
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->Campo(0)); // before the first record
        QVERIFY(registros->Siguiente());
        QCOMPARE(registros->Campo(u"numregs").toInt(), 2);
    });
}

void TstConexion::tiposDeCampo()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL({
        auto registros = bd->AbrirConsulta(
            u"SELECT a.Stock_Actual, b.Caducidad, b.Lote, b.Cod_Lote FROM Almacen_Articulos_Lotes a INNER JOIN "
            "Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE b.Cod_Lote IN (5, 6)"
            " ORDER BY b.Cod_Lote"_s);
        QVERIFY(registros->Siguiente());
        QCOMPARE(registros->Campo(u"Stock_Actual").metaType().id(), QMetaType::Double);
        QCOMPARE(registros->Campo(u"Stock_Actual").toDouble(), 4.996);
        QCOMPARE(registros->Campo(u"Caducidad").metaType().id(), QMetaType::QDate);
        QCOMPARE(registros->Campo(u"Caducidad").toDate(), QDate(2027, 6, 30));
        QCOMPARE(registros->Campo(u"Lote").toString(), u"L-4996"_s);
        QCOMPARE(registros->Campo(u"Cod_Lote").toInt(), 5);
        QVERIFY(registros->Siguiente());
        QVERIFY(registros->Campo(u"Caducidad").isNull()); // a lot without expiry
        QCOMPARE(registros->Campo(u"Stock_Actual").toDouble(), 0.0);
    });
}

void TstConexion::filasCambiadas()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL(
        QCOMPARE(bd->Ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Empresa =1 AND Cod_Lote =12"_s), 1));
    QVERIFY_SQL(QCOMPARE(
        bd->Ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Empresa =1 AND Cod_Lote =999"_s), 0));
    QVERIFY_SQL(QCOMPARE(bd->Ejecutar(u"UPDATE Almacen_Articulos_Lotes SET Stock_Actual = 1 WHERE Cod_Empresa = 1"
                                      " AND Cod_Almacen = 1 AND Stock_Actual <= 0"_s),
                         5));
    QVERIFY_SQL(
        QCOMPARE(FilasDe(*bd, u"SELECT Bloqueado FROM Articulos_Lotes WHERE Cod_Lote = 12"_s), QStringList{u"1"_s}));
}

// The catalog statements with `?` markers: prepared once, run with new values,
// each run reporting the rows it changed; fixed texts keep their size.
void TstConexion::comandosPreparados()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    Comando insertar;
    insertar.setTexto(
        u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice,TabIndex) VALUES (?,?,?,?,?)"_s);
    insertar.setPreparado(true);
    insertar.AgregarParametro(u"Cod_Formulario"_s, TipoDato::Entero, DireccionParametro::Entrada);
    insertar.AgregarParametro(u"Cod_Control"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    insertar.AgregarParametro(u"Nombre"_s, TipoDato::TextoVariable, DireccionParametro::Entrada, 50);
    insertar.AgregarParametro(u"Indice"_s, TipoDato::TextoFijo, DireccionParametro::Entrada, 2);
    insertar.AgregarParametro(u"TabIndex"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    Comando actualizar;
    actualizar.setTexto(u"UPDATE SGD_Controles SET TabIndex=? WHERE Cod_Formulario=? AND Nombre=? AND Indice=?"_s);
    actualizar.setPreparado(true);
    actualizar.AgregarParametro(u"TabIndex"_s, TipoDato::EnteroCorto, DireccionParametro::Entrada);
    actualizar.AgregarParametro(u"Cod_Formulario"_s, TipoDato::Entero, DireccionParametro::Entrada);
    actualizar.AgregarParametro(u"Nombre"_s, TipoDato::TextoVariable, DireccionParametro::Entrada, 50);
    actualizar.AgregarParametro(u"Indice"_s, TipoDato::TextoFijo, DireccionParametro::Entrada, 2);

    auto fijar = [](Comando &c, const QVariantList &valores) {
        for (int i = 0; i < valores.size(); ++i)
            c.setValor(i, valores[i]);
    };
    QVERIFY_SQL({
        fijar(actualizar, {9, 3, u"cmdSalir"_s, QString()});
        bd->EjecutarComando(actualizar);
        QCOMPARE(actualizar.FilasAfectadas(), 1);
        fijar(actualizar, {5, 3, u"txtNuevo"_s, u"0"_s});
        bd->EjecutarComando(actualizar);
        QCOMPARE(actualizar.FilasAfectadas(), 0);
        for (int indice = 0; indice < 3; ++indice) {
            fijar(insertar, {3, 4 + indice, u"txtNuevo"_s, QString::number(indice), 10 + indice});
            bd->EjecutarComando(insertar);
            QCOMPARE(insertar.FilasAfectadas(), 1);
        }
        fijar(actualizar, {7, 3, u"txtNuevo"_s, u"1"_s});
        bd->EjecutarComando(actualizar);
        QCOMPARE(actualizar.FilasAfectadas(), 1);
    });
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT Nombre, Indice, TabIndex FROM SGD_Controles WHERE Cod_Formulario = 3"
                                      " ORDER BY Cod_Control"_s),
                         (QStringList{u"cmdCrear|  |7"_s, u"cmdBloquear|  |4"_s, u"cmdSalir|  |9"_s,
                                      u"txtNuevo|0 |10"_s, u"txtNuevo|1 |7"_s, u"txtNuevo|2 |12"_s})));
}

// What the dialect rewrites never touches a quoted text.
void TstConexion::literalesIntactos()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT 'ISNULL(@@SERVERNAME, dbo.x)' AS a, ISNULL(NULL, 'O''Brien') AS b"_s),
                         QStringList{u"ISNULL(@@SERVERNAME, dbo.x)|O'Brien"_s}));
    QVERIFY_SQL(QCOMPARE(
        bd->Ejecutar(u"UPDATE Articulos_Lotes SET Lote = 'dbo.fn_X(ISNULL(''a'')) ñ' WHERE Cod_Lote = 6"_s), 1));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT Lote FROM Articulos_Lotes WHERE Lote = 'dbo.fn_X(ISNULL(''a'')) ñ'"_s),
                         QStringList{u"dbo.fn_X(ISNULL('a')) ñ"_s}));
    QVERIFY(bd->dialecto().Traducir(u"SELECT 1"_s) == u"SELECT 1"_s);
}

void TstConexion::transaccionDeshecha()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    const QString contar = u"SELECT COUNT(*) FROM Clientes"_s;
    QVERIFY_THROWS_EXCEPTION(
        ErrorLotes, EnTransaccion(*bd, [&] {
            bd->Ejecutar(u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 1, 'A')"_s);
            bd->Ejecutar(u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 1, 'B')"_s);
        }));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, contar), QStringList{u"3"_s}));
    QVERIFY_SQL(EnTransaccion(
        *bd, [&] { bd->Ejecutar(u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 1, 'A')"_s); }));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, contar), QStringList{u"4"_s}));
}

void TstConexion::sentenciaFallida()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, false);
    try {
        bd->AbrirConsulta(u"SELECT Cod_Lote FROM Lotes_Que_No_Existen"_s);
        QFAIL("a query on a missing table must fail");
    } catch (const ErrorLotes &error) {
        QCOMPARE(error.Number(), NumeroError::BaseDatos);
        QVERIFY2(error.Description().contains(u"lotes_que_no_existen"_s, Qt::CaseInsensitive),
                 qPrintable(error.Description()));
        QVERIFY(error.Source().contains(bd->dialecto().Nombre()));
    }
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, bd->Ejecutar(u"UPDATE Articulos_Lotes SET NoHay = 1"_s));
    // The connection goes on working after a failure.
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*) FROM Articulos_Lotes"_s), QStringList{u"0"_s}));
}

// A command waits at most its timeout: for a lock held by another connection on
// SQLite, for a slow statement on PostgreSQL.
void TstConexion::tiempoEspera()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    Comando comando;
    comando.setTiempoEspera(1);
    std::shared_ptr<Conexion> otra;
    if (motor == u"sqlite"_s) {
        QVERIFY_SQL(otra = BaseDatosPrueba::OtraConexion(motor));
        QVERIFY_SQL(otra->IniciarTransaccion());
        comando.setTexto(u"UPDATE Articulos SET Descripcion = 'x' WHERE Cod_Articulo = 100"_s);
    } else {
        comando.setTexto(u"SELECT pg_sleep(5)"_s);
    }
    QElapsedTimer reloj;
    reloj.start();
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, bd->EjecutarComando(comando));
    QVERIFY2(reloj.elapsed() < 4000, "the command waited past its timeout");
    if (otra)
        QVERIFY_SQL(otra->DeshacerTransaccion());
    comando.setTexto(u"UPDATE Articulos SET Descripcion = 'x' WHERE Cod_Articulo = 100"_s);
    QVERIFY_SQL(bd->EjecutarComando(comando));
    QCOMPARE(comando.FilasAfectadas(), 1);
}

void TstConexion::conexionRota()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, false);
    if (motor == u"sqlite"_s) {
        try {
            Conexion::Abrir(u"Driver=SQLite;Database=/no/existe/carpeta/lotes.db"_s);
            QFAIL("a database in a missing folder must not open");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Number(), NumeroError::ConexionNoValida);
            QVERIFY(error.Description().contains(u"/no/existe/carpeta/lotes.db"_s));
        }
        return;
    }
    // A server that does not answer, and a session ended by the server.
    try {
        Conexion::Abrir(u"Driver=PostgreSQL;Server=127.0.0.1;Port=1;Database=nvla;Uid=nadie;Pwd=secreto;Timeout=2"_s);
        QFAIL("a closed port must not open");
    } catch (const ErrorLotes &error) {
        QCOMPARE(error.Number(), NumeroError::ConexionNoValida);
        QVERIFY(!error.Description().contains(u"secreto"_s));
    }
    std::shared_ptr<Conexion> otra;
    QVERIFY_SQL(otra = BaseDatosPrueba::OtraConexion(motor));
    QVERIFY_SQL(otra->Ejecutar(u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid <> pg_backend_pid()"
                               " AND datname = current_database()"_s));
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, bd->Ejecutar(u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre)"
                                                      " VALUES (1, 1, 'A')"_s));
    QVERIFY_SQL(QCOMPARE(FilasDe(*otra, u"SELECT COUNT(*) FROM Clientes"_s), QStringList{u"0"_s}));
}

void TstConexion::cadenasNoValidas_data()
{
    QTest::addColumn<QString>("cadena");
    QTest::newRow("vacía") << QString();
    QTest::newRow("sin valor") << u"Driver=SQLite;Database"_s;
    QTest::newRow("controlador desconocido") << u"Driver=Oracle;Database=x"_s;
    QTest::newRow("SQLite sin archivo") << u"Driver=SQLite"_s;
}

void TstConexion::cadenasNoValidas()
{
    QFETCH(QString, cadena);
    try {
        Conexion::Abrir(cadena);
        QFAIL("the connection string must be refused");
    } catch (const ErrorLotes &error) {
        QCOMPARE(error.Number(), NumeroError::ConexionNoValida);
    }
}

// The company object over the parameters table: a company's own value wins over
// the installation's, the current user given by the host wins over the table.
void TstConexion::empresaDeLaBaseDatos()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL(
        bd->Ejecutar(u"INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (2, 'Lotes_ModeloUsar', '2')"_s));
    QVERIFY_SQL(bd->Ejecutar(u"INSERT INTO Empresas (Cod_Empresa, Nombre, Cod_EmpresaClientes) VALUES (2, 'B', 1)"_s));
    EmpresaBaseDatos primera(bd, 1);
    EmpresaBaseDatos segunda(bd, 2, u"7"_s);
    EmpresaBaseDatos sinFicha(bd, 3);
    QVERIFY_SQL({
        QCOMPARE(primera.LeerParametro(u"Lotes_ModeloUsar"_s).toString(), u"3"_s);
        QCOMPARE(segunda.LeerParametro(u"Lotes_ModeloUsar"_s).toString(), u"2"_s);
        QCOMPARE(primera.LeerParametro(u"OficinaCentral"_s).toString(), u"True"_s);
        QCOMPARE(primera.LeerParametro(u"UsuarioActual"_s).toString(), u"1"_s);
        QCOMPARE(segunda.LeerParametro(u"UsuarioActual"_s).toString(), u"7"_s);
        QCOMPARE(primera.LeerParametro(u"No'Existe"_s).toString(), QString());
        QCOMPARE(segunda.CodigoEmpresa(), qint16(2));
        QCOMPARE(segunda.CodigoEmpresaClientes(), qint16(1));
        QCOMPARE(sinFicha.CodigoEmpresaClientes(), qint16(3));
    });
}

QTEST_GUILESS_MAIN(TstConexion)
#include "tst_conexion.moc"

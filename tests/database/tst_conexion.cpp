// The connection layer on each engine: fields, changed rows, commands, the
// dialects' translations, transactions, timeouts and failures.
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/Dialecto.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/values/Currency.h"
#include "tests/support/BaseDatosPrueba.h"

#include <QDate>
#include <QProcess>
#include <QScopeGuard>

#include <optional>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// A catalog statement with `?` markers, prepared once and run with new values.
Comando preparado(const QString &texto, const QList<std::pair<TipoDato, int>> &parametros)
{
    Comando comando;
    comando.setTexto(texto);
    comando.setPreparado(true);
    for (const auto &[tipo, tamano] : parametros)
        comando.AgregarParametro(u"p%1"_s.arg(comando.NumeroParametros()), tipo, DireccionParametro::Entrada, tamano);
    return comando;
}

// Runs the command with these values and answers the rows it changed.
int ejecutar(Conexion &bd, Comando &comando, const QVariantList &valores)
{
    for (int i = 0; i < valores.size(); ++i)
        comando.setValor(i, valores[i]);
    bd.EjecutarComando(comando);
    return comando.FilasAfectadas();
}

// The error the action raised, if any.
template<typename Accion> std::optional<ErrorLotes> errorDe(Accion &&accion)
{
    try {
        accion();
    } catch (const ErrorLotes &error) {
        return error;
    }
    return std::nullopt;
}

} // namespace

class TstConexion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void camposPorNombre();
    void comandosPreparados();
    void transaccionAnidada();
    void sentenciaFallida();
    void conexionRechazada_data();
    void conexionRechazada();
    void sesionCortada();
    void servidorReiniciado();
};

// Fields by name in any case, with the engine's types; no field before the
// first record, after the last or by a name the query lacks.
void TstConexion::camposPorNombre()
{
    QFETCH_GLOBAL(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL({
        auto registros = bd->AbrirConsulta(u"SELECT IDMenu FROM SGD_Formularios WHERE Nombre = 'frmArticulos'"_s);
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->Campo(0));
        QVERIFY(registros->Siguiente());
        QCOMPARE(registros->Campo(u"idmenu").toInt(), 1200);
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->Campo(u"NoExiste"));
        QVERIFY(!registros->Siguiente());
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->Campo(u"IdMenu"));
        auto lotes = bd->AbrirConsulta(
            u"SELECT a.Stock_Actual, b.Caducidad FROM Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE b.Cod_Lote IN (5, 6) ORDER BY b.Cod_Lote"_s);
        QVERIFY(lotes->Siguiente());
        QCOMPARE(Currency::fromVariant(lotes->Campo(u"STOCK_ACTUAL")), Currency::fromRaw(49960));
        QCOMPARE(lotes->Campo(u"Caducidad"), QVariant(QDate(2027, 6, 30)));
        QVERIFY(lotes->Siguiente());
        QVERIFY(lotes->Campo(u"Caducidad").isNull()); // a lot without expiry
    });
}

// Each run of a prepared command takes its new values and reports the rows it
// changed; fixed texts keep their size, blanks included, and bound texts their
// quotes and letters.
void TstConexion::comandosPreparados()
{
    QFETCH_GLOBAL(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    using enum TipoDato;
    Comando insertar = preparado(
        u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice,TabIndex) VALUES (?,?,?,?,?)"_s,
        {{Entero, 0}, {EnteroCorto, 0}, {TextoVariable, 50}, {TextoFijo, 2}, {EnteroCorto, 0}});
    Comando actualizar =
        preparado(u"UPDATE SGD_Controles SET TabIndex=? WHERE Cod_Formulario=? AND Nombre=? AND Indice=?"_s,
                  {{EnteroCorto, 0}, {Entero, 0}, {TextoVariable, 50}, {TextoFijo, 2}});
    QVERIFY_SQL({
        QCOMPARE(ejecutar(*bd, actualizar, {9, 3, u"cmdSalir"_s, QString()}), 1);
        QCOMPARE(ejecutar(*bd, actualizar, {5, 3, u"Ñu O''Brien"_s, u"0"_s}), 0);
        for (int indice = 0; indice < 3; ++indice)
            QCOMPARE(ejecutar(*bd, insertar, {3, 4 + indice, u"Ñu O''Brien"_s, QString::number(indice), 10 + indice}),
                     1);
        QCOMPARE(ejecutar(*bd, actualizar, {7, 3, u"Ñu O''Brien"_s, u"1"_s}), 1);
        QCOMPARE(FilasDe(*bd, u"SELECT Nombre, Indice, TabIndex FROM SGD_Controles WHERE Cod_Formulario = 3"
                              " ORDER BY Cod_Control"_s),
                 (QStringList{u"cmdCrear|  |7"_s, u"cmdBloquear|  |4"_s, u"cmdSalir|  |9"_s, u"Ñu O''Brien|0 |10"_s,
                              u"Ñu O''Brien|1 |7"_s, u"Ñu O''Brien|2 |12"_s}));
    });
}

// A failing statement names what failed and the engine; the connection goes on.
void TstConexion::sentenciaFallida()
{
    QFETCH_GLOBAL(QString, motor);
    NVLA_BASE_DATOS(bd, motor, false);
    const auto error = errorDe([&] { bd->AbrirConsulta(u"SELECT Cod_Lote FROM Lotes_Que_No_Existen"_s); });
    QVERIFY(error && error->Number() == NumeroError::BaseDatos);
    QVERIFY2(error->Description().contains(u"lotes_que_no_existen"_s, Qt::CaseInsensitive),
             qPrintable(TextoError(*error)));
    QVERIFY(error->Source().contains(bd->dialecto().Nombre()));
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, bd->Ejecutar(u"UPDATE Articulos_Lotes SET NoHay = 1"_s));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*) FROM Articulos_Lotes"_s), QStringList{u"0"_s}));
}

void TstConexion::conexionRechazada_data()
{
    QTest::addColumn<QString>("cadena");
    QTest::addColumn<QString>("nombra"); // what the description must name
    QTest::newRow("vacía") << QString() << QString();
    QTest::newRow("controlador desconocido") << u"Driver=Oracle;Database=x"_s << QString();
    QTest::newRow("SQLite sin archivo") << u"Driver=SQLite"_s << QString();
    QTest::newRow("carpeta que no existe")
        << u"Driver=SQLite;Database=/no/existe/carpeta/lotes.db"_s << u"/no/existe/carpeta/lotes.db"_s;
    if (Motores().contains(u"postgresql"_s))
        QTest::newRow("servidor que no responde")
            << u"Driver=PostgreSQL;Server=127.0.0.1;Port=1;Database=nvla;Uid=nadie;Pwd=secreto;Timeout=2"_s
            << u"127.0.0.1"_s;
}

// A refused connection says why, and never shows the password.
void TstConexion::conexionRechazada()
{
    QFETCH(QString, cadena);
    QFETCH(QString, nombra);
    const auto error = errorDe([&] { Conexion::Abrir(cadena); });
    QVERIFY(error && error->Number() == NumeroError::ConexionNoValida);
    QVERIFY2(!error->Description().isEmpty() && error->Description().contains(nombra), qPrintable(TextoError(*error)));
    QVERIFY(!error->Description().contains(u"secreto"_s));
}

namespace {

const QString InsertarCliente = u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, %1, 'A')"_s;

bool diceConexionPerdida(const std::optional<ErrorLotes> &error)
{
    return error && error->Number() == NumeroError::ConexionPerdida &&
           error->Description().startsWith(u"Se ha perdido la conexión con la base de datos"_s);
}

// Ends every other session of the test database, as an administrator would.
void cortarSesiones(const QString &motor)
{
    auto otra = BaseDatosPrueba::OtraConexion(motor);
    otra->Ejecutar(u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid <> pg_backend_pid()"
                   " AND datname = current_database()"_s);
}

} // namespace

// A failed transaction leaves nothing; one inside another is a savepoint of
// it: undoing the inner one keeps what the outer one did before and after.
void TstConexion::transaccionAnidada()
{
    QFETCH_GLOBAL(QString, motor);
    if (motor == u"odbc"_s)
        QSKIP("SQL Server's savepoints (SAVE TRANSACTION) are its own T-SQL, which PostgreSQL cannot read");
    NVLA_BASE_DATOS(bd, motor, false);
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, EnTransaccion(*bd, [&] {
                                 bd->Ejecutar(InsertarCliente.arg(4));
                                 bd->Ejecutar(InsertarCliente.arg(4)); // a repeated key
                             }));
    QVERIFY_SQL(EnTransaccion(*bd, [&] {
        bd->Ejecutar(InsertarCliente.arg(1));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, EnTransaccion(*bd, [&] {
                                     bd->Ejecutar(InsertarCliente.arg(2));
                                     bd->Ejecutar(InsertarCliente.arg(1)); // a repeated key
                                 }));
        bd->Ejecutar(InsertarCliente.arg(3));
    }));
    QVERIFY_SQL(
        QCOMPARE(FilasDe(*bd, u"SELECT Codigo FROM Clientes ORDER BY Codigo"_s), (QStringList{u"1"_s, u"3"_s})));
}

// A session the server ends: the statement that finds it says so in words,
// writes nothing, and the next one runs on a new session.
void TstConexion::sesionCortada()
{
    QFETCH_GLOBAL(QString, motor);
    if (motor == u"sqlite"_s)
        QSKIP("a file database has no session to lose");
    NVLA_BASE_DATOS(bd, motor, false);
    QVERIFY_SQL(bd->AbrirConsulta(u"SELECT 1"_s));
    QVERIFY_SQL(cortarSesiones(motor));
    const auto error = errorDe([&] { bd->Ejecutar(InsertarCliente.arg(1)); });
    QVERIFY2(diceConexionPerdida(error), error ? qPrintable(TextoError(*error)) : "no error");
    QVERIFY_SQL(bd->Ejecutar(InsertarCliente.arg(2)));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT Codigo FROM Clientes"_s), QStringList{u"2"_s}));

    // Lost halfway through a unit of work: the server has undone the first
    // half, the rest of it fails instead of running on a new session, and
    // nothing is replayed afterwards.
    std::optional<ErrorLotes> despues;
    const auto enTransaccion = errorDe([&] {
        EnTransaccion(*bd, [&] {
            bd->Ejecutar(InsertarCliente.arg(11));
            cortarSesiones(motor);
            despues = errorDe([&] { bd->Ejecutar(InsertarCliente.arg(12)); });
            bd->Ejecutar(InsertarCliente.arg(13));
        });
    });
    QVERIFY2(diceConexionPerdida(despues), despues ? qPrintable(TextoError(*despues)) : "no error");
    QVERIFY2(diceConexionPerdida(enTransaccion), enTransaccion ? qPrintable(TextoError(*enTransaccion)) : "no error");
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT Codigo FROM Clientes"_s), QStringList{u"2"_s}));
}

// While the server is down every call says the connection was lost; once it
// is back the next call works, on the same Conexion.
void TstConexion::servidorReiniciado()
{
    QFETCH_GLOBAL(QString, motor);
    if (motor == u"sqlite"_s)
        QSKIP("a file database has no server");
    const QString carpeta = qEnvironmentVariable("NVLA_PG_DIR");
    if (carpeta.isEmpty() && PostgresObligatorio())
        QFAIL("NVLA_PG_DIR no está definida: la prueba necesita reiniciar su propio servidor");
    if (carpeta.isEmpty())
        QSKIP("NVLA_PG_DIR no está definida: la prueba necesita reiniciar su propio servidor");
    NVLA_BASE_DATOS(bd, motor, false);
    const auto servidor = [&](const QStringList &orden) {
        QProcess proceso;
        proceso.start(u"bash"_s, QStringList{QStringLiteral(NVLA_FUENTES "/scripts/postgres-pruebas.sh")} + orden);
        return proceso.waitForFinished(120000) && proceso.exitCode() == 0;
    };
    QVERIFY(servidor({u"stop"_s, carpeta}));
    auto arrancado = qScopeGuard([&] { servidor({carpeta}); });
    for (int llamada = 0; llamada < 3; ++llamada) {
        const auto error = errorDe([&] { FilasDe(*bd, u"SELECT COUNT(*) FROM Clientes"_s); });
        QVERIFY2(diceConexionPerdida(error), error ? qPrintable(TextoError(*error)) : "no error");
    }
    QVERIFY(servidor({carpeta}));
    QVERIFY_SQL(bd->Ejecutar(InsertarCliente.arg(1)));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*) FROM Clientes"_s), QStringList{u"1"_s}));
}

QTEST_GUILESS_MAIN(TstConexion)
#include "tst_conexion.moc"

// The connection layer on each engine: fields, changed rows, commands, the
// dialects' translations, transactions, timeouts and failures. And what SQL
// Server receives on the ODBC path, where no server is at hand in the tests:
// the host's text untouched, the connection text for the ODBC manager, and a
// procedure as ODBC's call escape with its values bound in the order of its
// markers.
#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/ConexionGrabadora.h"
#include "foundation/core/database/Dialecto.h"
#include "foundation/core/database/DialectoSqlServer.h"
#include "foundation/core/database/ProcedimientoStockLotes.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/TraduccionTSql.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/Currency.h"
#include "tests/support/BaseDatosPrueba.h"

#include <QDate>
#include <QProcess>
#include <QScopeGuard>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QString InsertarCliente = u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, %1, 'A')"_s;

// "perdida" when the action failed as a lost connection does, in words; what happened otherwise.
template<typename Accion> QString perdida(Accion &&accion)
{
    const auto error = errorDe(accion);
    if (!error)
        return u"no error"_s;
    const bool dice = error->Description().startsWith(u"Se ha perdido la conexión con la base de datos"_s);
    return error->Number() == NumeroError::ConexionPerdida && dice ? u"perdida"_s : textoError(*error);
}

// Ends every other session of the test database, as an administrator would.
void cortarSesiones(const QString &motor)
{
    Conexion::abrir(BaseDatosPrueba::cadena(motor))
        ->ejecutar(u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid <> pg_backend_pid()"
                   " AND datname = current_database()"_s);
}

} // namespace

class TstConexion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { filasPorMotor(); }

    // Fields by name in any case, with the engine's types; no field before the
    // first record, after the last or by a name the query lacks. Rows changed.
    // Each run of a prepared command takes its new values and reports the rows
    // it changed; fixed texts keep their size, blanks included, and bound texts
    // their quotes and letters.
    void camposYComandos()
    {
        NVLA_BASE_DEL_MOTOR(bd, true);
        QVERIFY_SQL({
            auto registros = bd->abrirConsulta(u"SELECT IDMenu FROM SGD_Formularios WHERE Nombre = 'frmArticulos'"_s);
            QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->campo(0));
            QVERIFY(registros->siguiente());
            QCOMPARE(registros->campo(u"idmenu").toInt(), 1200);
            QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->campo(u"NoExiste"));
            QVERIFY(!registros->siguiente());
            QVERIFY_THROWS_EXCEPTION(ErrorLotes, registros->campo(u"IdMenu"));
            auto lotes = bd->abrirConsulta(
                u"SELECT a.Stock_Actual, b.Caducidad FROM Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE b.Cod_Lote IN (5, 6) ORDER BY b.Cod_Lote"_s);
            QVERIFY(lotes->siguiente());
            QCOMPARE(Currency::fromVariant(lotes->campo(u"STOCK_ACTUAL")), Currency::fromRaw(49960));
            QCOMPARE(lotes->campo(u"Caducidad"), QVariant(QDate(2027, 6, 30)));
            QVERIFY(lotes->siguiente());
            QVERIFY(lotes->campo(u"Caducidad").isNull()); // a lot without expiry
            // A statement answers the rows it matched, none when nothing matches.
            const QString sinStock =
                u"UPDATE Almacen_Articulos_Lotes SET Stock_Actual = 1 WHERE Cod_Empresa = 1 AND Cod_Almacen = 1 AND Stock_Actual <= 0"_s;
            QCOMPARE(bd->ejecutar(sinStock), 5);
            QCOMPARE(bd->ejecutar(sinStock), 0);
        });
        using enum TipoDato;
        const auto preparado = [](const QString &texto, const QList<std::pair<TipoDato, int>> &parametros) {
            Comando comando;
            comando.setTexto(texto);
            comando.setPreparado(true);
            for (const auto &[tipo, tamano] : parametros)
                comando.agregarParametro(u"p%1"_s.arg(comando.numeroParametros()), tipo, DireccionParametro::Entrada,
                                         tamano);
            return comando;
        };
        const auto ejecutar = [&](Comando &comando, const QVariantList &valores) {
            for (int i = 0; i < valores.size(); ++i)
                comando.setValor(i, valores[i]);
            bd->ejecutarComando(comando);
            return comando.filasAfectadas();
        };
        Comando insertar = preparado(
            u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice,TabIndex) VALUES (?,?,?,?,?)"_s,
            {{Entero, 0}, {EnteroCorto, 0}, {TextoVariable, 50}, {TextoFijo, 2}, {EnteroCorto, 0}});
        Comando actualizar =
            preparado(u"UPDATE SGD_Controles SET TabIndex=? WHERE Cod_Formulario=? AND Nombre=? AND Indice=?"_s,
                      {{EnteroCorto, 0}, {Entero, 0}, {TextoVariable, 50}, {TextoFijo, 2}});
        QVERIFY_SQL({
            QCOMPARE(ejecutar(actualizar, {9, 3, u"cmdSalir"_s, QString()}), 1);
            QCOMPARE(ejecutar(actualizar, {5, 3, u"Ñu O''Brien"_s, u"0"_s}), 0);
            for (int indice = 0; indice < 3; ++indice)
                QCOMPARE(ejecutar(insertar, {3, 4 + indice, u"Ñu O''Brien"_s, QString::number(indice), 10 + indice}),
                         1);
            QCOMPARE(ejecutar(actualizar, {7, 3, u"Ñu O''Brien"_s, u"1"_s}), 1);
            QCOMPARE(filasDe(*bd, u"SELECT Nombre, Indice, TabIndex FROM SGD_Controles WHERE Cod_Formulario = 3"
                                  " ORDER BY Cod_Control"_s),
                     (QStringList{u"cmdCrear|  |7"_s, u"cmdBloquear|  |4"_s, u"cmdSalir|  |9"_s, u"Ñu O''Brien|0 |10"_s,
                                  u"Ñu O''Brien|1 |7"_s, u"Ñu O''Brien|2 |12"_s}));
        });
    }

    // A field read as text is what its value writes, on every engine. The
    // embedded engine's results are stepped by the product itself: each kind of
    // stored value comes as Qt's driver gives it, a failure half-way through the
    // rows stops them with the engine's reason, and a result read to its end
    // stays at its end instead of starting over.
    void textosYValores()
    {
        NVLA_BASE_DEL_MOTOR(bd, true);
        QVERIFY_SQL({
            auto lotes = bd->abrirConsulta(
                u"SELECT b.Cod_Lote, b.Lote, b.Caducidad, a.Stock_Actual, b.Bloqueado FROM Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote ORDER BY b.Cod_Lote"_s);
            int filas = 0;
            while (lotes->siguiente()) {
                ++filas;
                QList<QStringView> textos; // each still valid once the others are read
                for (int i = 0; i < lotes->numeroCampos(); ++i)
                    textos.append(lotes->texto(i));
                for (int i = 0; i < lotes->numeroCampos(); ++i)
                    QCOMPARE(textos.at(i), lotes->campo(i).toString());
            }
            QVERIFY(filas > 5);
            QVERIFY(!lotes->siguiente());
        });
        // A second writer waits its BusyTimeout for the row the first one
        // holds, then fails, in the clerk's words where the engine's say
        // nothing to a clerk; the first one's work stands.
        if (motor == u"odbc"_s)
            return;
        auto otra = Conexion::abrir(BaseDatosPrueba::cadena(motor) + u";BusyTimeout=50"_s);
        QVERIFY_SQL(bd->iniciarTransaccion(); bd->ejecutar(InsertarCliente.arg(9009)));
        const auto ocupada = errorDe([&] { otra->ejecutar(InsertarCliente.arg(9009)); });
        const QString dice = motor == u"sqlite"_s ? u"locked"_s : u"Otro puesto tiene ocupados los datos"_s;
        QVERIFY2(ocupada && ocupada->Description().contains(dice),
                 qPrintable(ocupada ? textoError(*ocupada) : u"sin error"_s));
        QVERIFY_SQL(bd->confirmarTransaccion());
        if (motor != u"sqlite"_s)
            return;
        QVERIFY_SQL({
            bd->ejecutar(u"CREATE TEMP TABLE Valores (n INTEGER, r REAL, t TEXT, d DATE, c DECIMAL(18,4), b BLOB)"_s);
            bd->ejecutar(u"INSERT INTO Valores VALUES (7, 2.5, 'Ñandú', '2027-06-30', '12.3400', x'00ff'), "
                         u"(NULL, NULL, '', ' 2028-02-29 ', 3, NULL)"_s);
            auto valores = bd->abrirConsulta(u"SELECT n, r, t, d, c, b FROM Valores ORDER BY n DESC"_s);
            const QList<QVariantList> esperadas{
                {qlonglong(7), 2.5, u"Ñandú"_s, QDate(2027, 6, 30), 12.34, QByteArray("\x00\xff", 2)},
                {QVariant(QMetaType::fromType<QString>()), QVariant(QMetaType::fromType<QString>()), u""_s,
                 QDate(2028, 2, 29), qlonglong(3), QVariant(QMetaType::fromType<QString>())}};
            for (const QVariantList &esperada : esperadas) {
                QVERIFY(valores->siguiente());
                for (int i = 0; i < esperada.size(); ++i) {
                    const QVariant valor = valores->campo(i);
                    QVERIFY2(valor.metaType() == esperada.at(i).metaType() && valor == esperada.at(i) &&
                                 valor.isNull() == esperada.at(i).isNull(),
                             qPrintable(u"%1: %2"_s.arg(i).arg(valor.toString())));
                    QCOMPARE(valores->texto(i), valor.toString());
                }
            }
            QVERIFY(!valores->siguiente());
            QVERIFY(!valores->siguiente());
        });
        auto desborde = bd->abrirConsulta(
            u"SELECT abs(x) FROM (SELECT 1 AS x UNION ALL SELECT 2 UNION ALL SELECT -9223372036854775808)"_s);
        QVERIFY(desborde->siguiente() && desborde->siguiente());
        const auto error = errorDe([&] { desborde->siguiente(); });
        QVERIFY(error && error->Number() == NumeroError::BaseDatos);
        QVERIFY2(error->Description().contains(u"integer overflow"_s), qPrintable(textoError(*error)));
        QVERIFY(!desborde->siguiente()); // a failed step ends the rows, it does not start them over

        // A result keeps its connection open after the host's last reference
        // goes; its text views live until the next read of the same field.
        auto huerfano = otra->abrirConsulta(u"SELECT Nombre || 'ñ', Codigo FROM Clientes WHERE Codigo = 9009"_s);
        otra.reset();
        QVERIFY_SQL(QVERIFY(huerfano->siguiente()));
        const QStringView nombre = huerfano->texto(0);
        QCOMPARE(huerfano->campo(0).toString(), u"Añ"_s);
        QCOMPARE(nombre, u"Añ"_s);
        QVERIFY(!huerfano->siguiente());
    }

    // A failing statement names what failed and the engine; the connection
    // goes on. A refused connection says why, and never shows the password.
    void fallos()
    {
        NVLA_BASE_DEL_MOTOR(bd, false);
        const auto error = errorDe([&] { bd->abrirConsulta(u"SELECT Cod_Lote FROM Lotes_Que_No_Existen"_s); });
        QVERIFY(error && error->Number() == NumeroError::BaseDatos);
        QVERIFY2(error->Description().contains(u"lotes_que_no_existen"_s, Qt::CaseInsensitive) &&
                     error->Source().contains(bd->dialecto().nombre()),
                 qPrintable(textoError(*error)));
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, bd->ejecutar(u"UPDATE Articulos_Lotes SET NoHay = 1"_s));
        QVERIFY_SQL(QCOMPARE(filasDe(*bd, u"SELECT COUNT(*) FROM Articulos_Lotes"_s), QStringList{u"0"_s}));

        QList<std::pair<QString, QString>> rechazadas{
            {{}, {}},
            {u"Driver=Oracle;Database=x"_s, {}},
            {u"Driver=SQLite"_s, {}},
            {u"Driver=SQLite;Database=/no/existe/carpeta/lotes.db"_s, u"/no/existe/carpeta/lotes.db"_s}};
        if (motor == u"postgresql"_s)
            rechazadas.append(
                {u"Driver=PostgreSQL;Server=127.0.0.1;Port=1;Database=nvla;Uid=nadie;Pwd=secreto;Timeout=2"_s,
                 u"127.0.0.1"_s});
        for (const auto &caso : rechazadas) {
            const auto rechazo = errorDe([&caso] { Conexion::abrir(caso.first); });
            QVERIFY2(rechazo && rechazo->Number() == NumeroError::ConexionNoValida, qPrintable(caso.first));
            const QString texto = rechazo->Description();
            QVERIFY2(!texto.isEmpty() && texto.contains(caso.second) && !texto.contains(u"secreto"_s),
                     qPrintable(texto));
        }
    }

    // A failed transaction leaves nothing; one inside another is a savepoint of
    // it: undoing the inner one keeps what the outer one did before and after.
    void transaccionAnidada()
    {
        QFETCH_GLOBAL(QString, motor);
        if (motor == u"odbc"_s)
            QSKIP("SQL Server's savepoints (SAVE TRANSACTION) are its own T-SQL, which PostgreSQL cannot read");
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, enTransaccion(*bd, [&] {
                                     bd->ejecutar(InsertarCliente.arg(4));
                                     bd->ejecutar(InsertarCliente.arg(4)); // a repeated key
                                 }));
        QVERIFY_SQL(enTransaccion(*bd, [&] {
            bd->ejecutar(InsertarCliente.arg(1));
            QVERIFY_THROWS_EXCEPTION(ErrorLotes, enTransaccion(*bd, [&] {
                                         bd->ejecutar(InsertarCliente.arg(2));
                                         bd->ejecutar(InsertarCliente.arg(1)); // a repeated key
                                     }));
            bd->ejecutar(InsertarCliente.arg(3));
        }));
        QVERIFY_SQL(
            QCOMPARE(filasDe(*bd, u"SELECT Codigo FROM Clientes ORDER BY Codigo"_s), (QStringList{u"1"_s, u"3"_s})));
    }

    // A session the server ends: the statement that finds it says so in words,
    // writes nothing, and the next one runs on a new session. Lost halfway
    // through a unit of work: the server has undone the first half, the rest
    // of it fails instead of running on a new session, and nothing is replayed.
    void sesionCortada()
    {
        QFETCH_GLOBAL(QString, motor);
        if (motor == u"sqlite"_s)
            QSKIP("a file database has no session to lose");
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(cortarSesiones(motor));
        QCOMPARE(perdida([&] { bd->ejecutar(InsertarCliente.arg(1)); }), u"perdida"_s);
        QVERIFY_SQL(bd->ejecutar(InsertarCliente.arg(2)));
        QString despues;
        const QString enUnidad = perdida([&] {
            enTransaccion(*bd, [&] {
                bd->ejecutar(InsertarCliente.arg(11));
                cortarSesiones(motor);
                despues = perdida([&] { bd->ejecutar(InsertarCliente.arg(12)); });
                bd->ejecutar(InsertarCliente.arg(13));
            });
        });
        QCOMPARE(despues + u' ' + enUnidad, u"perdida perdida"_s);
        QVERIFY_SQL(QCOMPARE(filasDe(*bd, u"SELECT Codigo FROM Clientes"_s), QStringList{u"2"_s}));
    }

    // While the server is down every call says the connection was lost; once
    // it is back the next call works, on the same Conexion. A unit of work
    // open across the restart is gone with it: its rest fails and nothing of
    // it is written again.
    void servidorReiniciado()
    {
        QFETCH_GLOBAL(QString, motor);
        const QString carpeta = qEnvironmentVariable("NVLA_PG_DIR");
        if (motor == u"sqlite"_s || (carpeta.isEmpty() && !postgresObligatorio()))
            QSKIP("a file database has no server; NVLA_PG_DIR names the one this test may restart");
        QVERIFY2(!carpeta.isEmpty(), "NVLA_PG_DIR no está definida: la prueba necesita reiniciar su propio servidor");
        NVLA_BASE_DATOS(bd, motor, false);
        const auto servidor = [&](const QStringList &orden) {
            QProcess proceso;
            proceso.start(u"bash"_s, QStringList{QStringLiteral(NVLA_FUENTES "/scripts/postgres-pruebas.sh")} + orden);
            return proceso.waitForFinished(120000) && proceso.exitCode() == 0;
        };
        QVERIFY_SQL(bd->iniciarTransaccion(); bd->ejecutar(InsertarCliente.arg(1)));
        QVERIFY(servidor({u"stop"_s, carpeta}));
        auto arrancado = qScopeGuard([&] { servidor({carpeta}); });
        for (int llamada = 0; llamada < 3; ++llamada)
            QCOMPARE(perdida([&] { filasDe(*bd, u"SELECT COUNT(*) FROM Clientes"_s); }), u"perdida"_s);
        QVERIFY(servidor({carpeta}));
        QCOMPARE(perdida([&] { bd->ejecutar(InsertarCliente.arg(2)); }), u"perdida"_s);
        QVERIFY_SQL(bd->deshacerTransaccion(); bd->ejecutar(InsertarCliente.arg(3)));
        QVERIFY_SQL(QCOMPARE(filasDe(*bd, u"SELECT Codigo FROM Clientes"_s), QStringList{u"3"_s}));
    }

    // SQL Server reads the host's T-SQL: it gets it byte for byte, while the
    // rewrites the other engines need leave quoted text alone.
    // The connection text for the ODBC manager: a data source as it is;
    // FreeTDS with its defaults, unless the host gave its own.
    void textosDelHost()
    {
        const QList<std::pair<QString, QString>> textos{
            {u"SELECT ISNULL(dbo.fn_X(1), 0), @@SERVERNAME"_s,
             u"SELECT COALESCE(fn_X(1), 0), (SELECT MAX(Nombre) FROM Servidor)"_s},
            {u"SELECT 'ISNULL(dbo.x) ''@@SERVERNAME''' FROM T"_s, u"SELECT 'ISNULL(dbo.x) ''@@SERVERNAME''' FROM T"_s},
            {u"DELETE cg FROM SGD_Controles_Grupos cg INNER JOIN SGD_Controles c ON c.Cod_Control = cg.Cod_Control"
             " AND c.Nombre <> 'a WHERE b' WHERE cg.Cod_Grupo = 'O''B'"_s,
             u"DELETE FROM SGD_Controles_Grupos AS cg WHERE EXISTS (SELECT 1 FROM SGD_Controles c WHERE"
             " (c.Cod_Control = cg.Cod_Control AND c.Nombre <> 'a WHERE b') AND (cg.Cod_Grupo = 'O''B'))"_s}};
        using namespace TraduccionTSql;
        for (const auto &[sql, reescrito] : textos) {
            QCOMPARE(DialectoSqlServer().traducir(sql), sql);
            QCOMPARE(deleteConJoinComoExists(nombreServidorDeTabla(isNullComoCoalesce(quitarEsquemaDbo(sql)))),
                     reescrito);
        }
        const QList<std::pair<QString, QString>> cadenas{
            {u"Driver=ODBC;DSN=erp;UID=sa;PWD={a;b}"_s, u"DSN=erp;UID=sa;PWD={a;b}"_s},
            {u"Driver=FreeTDS;Server=sqlhost;Database=erp;Uid=sa;Pwd=x;Encrypt=no"_s,
             u"DRIVER={FreeTDS};SERVER=sqlhost;PORT=1433;DATABASE=erp;UID=sa;PWD=x;TDS_Version=7.4;"
             "ClientCharset=UTF-8;Encrypt=no"_s},
            {u"driver=freetds;server=h;port=2433;tds_version=7.3"_s,
             u"DRIVER={FreeTDS};SERVER=h;PORT=2433;DATABASE=;UID=;PWD=;ClientCharset=UTF-8;tds_version=7.3"_s},
            {u"Driver={ODBC Driver 18 for SQL Server};Server=h;Pwd={a;b}"_s,
             u"Driver={ODBC Driver 18 for SQL Server};Server=h;Pwd={a;b}"_s}};
        for (const auto &[cadena, odbc] : cadenas)
            QCOMPARE(DialectoSqlServer::textoOdbc(CadenaConexion(cadena)), odbc);
    }

    // The lot stock procedure as the ODBC driver gets it: the return value is
    // the first marker wherever it was appended, units go as their exact
    // decimal text and texts cut to their size, and an output-only key still
    // says its type.
    void llamadaAlProcedimiento()
    {
        ConexionGrabadora grabadora(nullptr);
        LlamadaStockLote datos{
            1, 3, 101, Currency::fromRaw(123456789012345678), u"L"_s.repeated(55), QDate(2027, 1, 31), u"T"_s, u"C"_s};
        actualizarStockLote(grabadora, datos);
        datos.claveEntradaSalida = false;
        actualizarStockLote(grabadora, datos);
        const Comando comando = grabadora.comandos().first();
        QCOMPARE(DialectoSqlServer::textoLlamada(comando),
                 u"{? = CALL GES_Almacen_Articulo_Lotes_Update(?,?,?,?,?,?,?,?,?)}"_s);
        QCOMPARE(DialectoSqlServer::ordenMarcas(comando), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QVariantList valores;
        for (int posicion : DialectoSqlServer::ordenMarcas(comando))
            valores << DialectoSqlServer::valorEnlazado(comando.parametro(posicion));
        QCOMPARE(valores, (QVariantList{QVariant(QMetaType::fromType<int>()), 1, 3, 101, u"12345678901234.5678"_s,
                                        u"L"_s.repeated(50), QDate(2027, 1, 31), u"T"_s, u"C"_s, 0}));
        const QVariant clave = DialectoSqlServer::valorEnlazado(grabadora.comandos().last().parametro(9));
        QVERIFY(clave.isNull());
        QCOMPARE(clave.metaType(), QMetaType::fromType<int>());

        Comando alFinal;
        alFinal.setTexto(u"dbo.P"_s);
        alFinal.agregarParametro(u"@a"_s, TipoDato::TextoVariable, DireccionParametro::Entrada, 5);
        alFinal.agregarParametro(u"Return"_s, TipoDato::Entero, DireccionParametro::ValorRetorno);
        QCOMPARE(DialectoSqlServer::textoLlamada(alFinal), u"{? = CALL dbo.P(?)}"_s);
        QCOMPARE(DialectoSqlServer::ordenMarcas(alFinal), (QList<int>{1, 0}));
    }
};

QTEST_GUILESS_MAIN(TstConexion)
#include "tst_conexion.moc"

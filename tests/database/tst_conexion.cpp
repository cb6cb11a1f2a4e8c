// The connection layer on each engine: fields, changed rows, commands, the
// dialects' translations, transactions, timeouts and failures.
#include "foundation/database/Comando.h"
#include "foundation/database/Dialecto.h"
#include "foundation/database/Registros.h"
#include "foundation/values/Currency.h"
#include "tests/support/BaseDatosPrueba.h"

#include <QDate>

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
    void transaccionDeshecha();
    void sentenciaFallida();
    void conexionRechazada_data();
    void conexionRechazada();
    void sesionCortada();
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
// changed; fixed texts keep their size, blanks included.
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
        QCOMPARE(ejecutar(*bd, actualizar, {5, 3, u"txtNuevo"_s, u"0"_s}), 0);
        for (int indice = 0; indice < 3; ++indice)
            QCOMPARE(ejecutar(*bd, insertar, {3, 4 + indice, u"txtNuevo"_s, QString::number(indice), 10 + indice}), 1);
        QCOMPARE(ejecutar(*bd, actualizar, {7, 3, u"txtNuevo"_s, u"1"_s}), 1);
        QCOMPARE(FilasDe(*bd, u"SELECT Nombre, Indice, TabIndex FROM SGD_Controles WHERE Cod_Formulario = 3"
                              " ORDER BY Cod_Control"_s),
                 (QStringList{u"cmdCrear|  |7"_s, u"cmdBloquear|  |4"_s, u"cmdSalir|  |9"_s, u"txtNuevo|0 |10"_s,
                              u"txtNuevo|1 |7"_s, u"txtNuevo|2 |12"_s}));
    });
}

void TstConexion::transaccionDeshecha()
{
    QFETCH_GLOBAL(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    const QString insertar = u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 1, 'A')"_s;
    QVERIFY_THROWS_EXCEPTION(ErrorLotes, EnTransaccion(*bd, [&] {
                                 bd->Ejecutar(insertar);
                                 bd->Ejecutar(insertar); // a repeated key
                             }));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*) FROM Clientes"_s), QStringList{u"3"_s}));
    QVERIFY_SQL(EnTransaccion(*bd, [&] { bd->Ejecutar(insertar); }));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*) FROM Clientes"_s), QStringList{u"4"_s}));
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

// A session the server ends fails the next statement, which writes nothing.
void TstConexion::sesionCortada()
{
    QFETCH_GLOBAL(QString, motor);
    if (motor == u"sqlite"_s)
        QSKIP("a file database has no session to lose");
    NVLA_BASE_DATOS(bd, motor, false);
    std::shared_ptr<Conexion> otra;
    QVERIFY_SQL(otra = BaseDatosPrueba::OtraConexion(motor));
    QVERIFY_SQL(otra->Ejecutar(u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE pid <> pg_backend_pid()"
                               " AND datname = current_database()"_s));
    const auto error =
        errorDe([&] { bd->Ejecutar(u"INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 1, 'A')"_s); });
    QVERIFY2(error && !error->Description().isEmpty(), "a statement on a dead session must fail and say why");
    QVERIFY_SQL(QCOMPARE(FilasDe(*otra, u"SELECT COUNT(*) FROM Clientes"_s), QStringList{u"0"_s}));
}

QTEST_GUILESS_MAIN(TstConexion)
#include "tst_conexion.moc"

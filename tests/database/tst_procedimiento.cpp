// The lot stock procedure: the call as the library sends it, and what each
// engine's body does with it.
#include "foundation/database/Comando.h"
#include "foundation/database/ConexionGrabadora.h"
#include "foundation/database/ProcedimientoStockLotes.h"
#include "foundation/values/Conversiones.h"
#include "tests/support/BaseDatosPrueba.h"

#include <QThread>

#include <latch>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

LlamadaStockLote llamada(qint16 almacen, qint32 articulo, const QString &lote, const QDate &caducidad,
                         const QString &tono = {}, const QString &calibre = {})
{
    LlamadaStockLote l;
    l.empresa = 1;
    l.almacen = almacen;
    l.articulo = articulo;
    l.lote = lote;
    l.caducidad = caducidad;
    l.tono = tono;
    l.calibre = calibre;
    return l;
}

QString contar(Conexion &bd, const QString &tabla)
{
    return FilasDe(bd, u"SELECT COUNT(*) FROM "_s + tabla).value(0);
}

} // namespace

class TstProcedimiento : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void llamadaEnviada();
    void loteExistente_data();
    void loteExistente();
    void loteNuevo_data();
    void loteNuevo();
    void unidadesSumadas_data() { FilasPorMotor(); }
    void unidadesSumadas();
    void dosConexionesUnLote_data() { FilasPorMotor(); }
    void dosConexionesUnLote();
    void falloSinMedias_data() { FilasPorMotor(); }
    void falloSinMedias();
    void textoDeConsultaGrabado_data() { FilasPorMotor(); }
    void textoDeConsultaGrabado();
};

// One command per call, exactly as the host's code builds it.
void TstProcedimiento::llamadaEnviada()
{
    ConexionGrabadora grabadora(nullptr);
    LlamadaStockLote datos = llamada(3, 101, u"L-9"_s, QDate(2027, 1, 31), u"T"_s, u"C"_s);
    datos.claveEntradaSalida = false;
    ActualizarStockLote(grabadora, datos);
    datos.claveEntradaSalida = true;
    ActualizarStockLote(grabadora, datos);
    const QList<Comando> comandos = grabadora.Comandos();
    QCOMPARE(grabadora.Textos(), QStringList(2, u"GES_Almacen_Articulo_Lotes_Update"_s));
    QCOMPARE(comandos.size(), 2);
    const Comando &c = comandos.first();
    QCOMPARE(c.tipo(), TipoComando::ProcedimientoAlmacenado);
    QCOMPARE(c.tiempoEspera(), 500);
    struct Esperado
    {
        const char16_t *nombre;
        TipoDato tipo;
        DireccionParametro direccion;
        int tamano;
        QVariant valor;
    };
    using D = DireccionParametro;
    const QList<Esperado> esperados{{u"Return", TipoDato::Entero, D::ValorRetorno, 0, QVariant()},
                                    {u"@Cod_Empresa", TipoDato::EnteroByte, D::Entrada, 0, 1},
                                    {u"@Cod_Almacen", TipoDato::EnteroCorto, D::Entrada, 0, 3},
                                    {u"@Cod_Articulo", TipoDato::Entero, D::Entrada, 0, 101},
                                    {u"@Unidades", TipoDato::Moneda, D::Entrada, 0, 0.0},
                                    {u"@Lote", TipoDato::TextoVariable, D::Entrada, 50, u"L-9"_s},
                                    {u"@Caducidad", TipoDato::FechaHora, D::Entrada, 0, QDate(2027, 1, 31)},
                                    {u"@Tono", TipoDato::TextoVariable, D::Entrada, 20, u"T"_s},
                                    {u"@Calibre", TipoDato::TextoVariable, D::Entrada, 20, u"C"_s},
                                    {u"@Cod_Lote", TipoDato::Entero, D::Salida, 0, 0}};
    QCOMPARE(c.NumeroParametros(), esperados.size());
    for (int i = 0; i < esperados.size(); ++i) {
        const ParametroComando &p = c.Parametro(i);
        QCOMPARE(p.nombre, QString::fromUtf16(esperados[i].nombre));
        QCOMPARE(p.tipo, esperados[i].tipo);
        QCOMPARE(p.direccion, esperados[i].direccion);
        QCOMPARE(p.tamano, esperados[i].tamano);
        QCOMPARE(p.valorParaMotor(), esperados[i].valor);
    }
    QCOMPARE(comandos.last().Parametro(9).direccion, D::EntradaSalida);
}

void TstProcedimiento::loteExistente_data()
{
    QTest::addColumn<QString>("motor");
    QTest::addColumn<qint16>("almacen");
    QTest::addColumn<qint32>("articulo");
    QTest::addColumn<QString>("lote");
    QTest::addColumn<QDate>("caducidad");
    QTest::addColumn<QString>("tono");
    QTest::addColumn<QString>("calibre");
    QTest::addColumn<qint32>("clave");
    for (const QString &m : Motores()) {
        const auto fila = [&](const char *caso) -> QTestData & {
            return QTest::addRow("%s: %s", qPrintable(m), caso) << m;
        };
        fila("lote y caducidad") << qint16(1) << 101 << u"L-0005"_s << QDate(2027, 5, 31) << QString() << QString()
                                 << 3;
        fila("sin caducidad, fecha nula")
            << qint16(1) << 100 << u"Y-2402"_s << FechaNula() << QString() << QString() << 9;
        fila("tono y calibre") << qint16(1) << 200 << QString() << FechaNula() << u"A1"_s << u"11"_s << 12;
        fila("lote bloqueado") << qint16(1) << 200 << QString() << FechaNula() << u"B2"_s << u"10"_s << 13;
        fila("de otro almacén") << qint16(3) << 100 << u"Y-2401"_s << QDate(2026, 12, 15) << QString() << QString()
                                << 8;
    }
}

// A lot that exists answers its key; no lot is added, and the warehouse gets
// its stock row (with no units) if it had none.
void TstProcedimiento::loteExistente()
{
    QFETCH(QString, motor);
    QFETCH(qint16, almacen);
    QFETCH(qint32, articulo);
    QFETCH(QString, lote);
    QFETCH(QDate, caducidad);
    QFETCH(QString, tono);
    QFETCH(QString, calibre);
    QFETCH(qint32, clave);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL(QCOMPARE(ActualizarStockLote(*bd, llamada(almacen, articulo, lote, caducidad, tono, calibre)), clave));
    QVERIFY_SQL(QCOMPARE(contar(*bd, u"Articulos_Lotes"_s), u"16"_s));
    const QString stock = u"SELECT Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen = %1"
                          " AND Cod_Lote = %2"_s.arg(almacen)
                              .arg(clave);
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, stock).size(), 1));
    if (almacen == 3)
        QVERIFY_SQL(QCOMPARE(FilasDe(*bd, stock), QStringList{u"0"_s}));
}

void TstProcedimiento::loteNuevo_data()
{
    QTest::addColumn<QString>("motor");
    QTest::addColumn<QString>("lote");
    QTest::addColumn<QDate>("caducidad");
    QTest::addColumn<QString>("tono");
    QTest::addColumn<QString>("guardada"); // the expiry as stored
    for (const QString &m : Motores()) {
        const auto fila = [&](const char *caso) -> QTestData & {
            return QTest::addRow("%s: %s", qPrintable(m), caso) << m;
        };
        fila("con caducidad") << u"L-NUEVO"_s << QDate(2028, 2, 29) << QString() << u"2028-02-29"_s;
        fila("fecha nula es sin caducidad") << u"L-0005"_s << FechaNula() << QString() << u"NULL"_s;
        fila("comillas") << u"O'Brien ''2''"_s << QDate(2027, 1, 1) << QString() << u"2027-01-01"_s;
        fila("letras no ASCII") << u"Ñandú-ÁÉÍÓÚ-çß-€"_s << FechaNula() << u"Ñ1"_s << u"NULL"_s;
        fila("texto que parece SQL") << u"ISNULL(x); DELETE cg FROM t cg"_s << FechaNula() << QString() << u"NULL"_s;
    }
}

// A new lot gets the next key of the company, exactly the typed texts, and a
// stock row with no units; asking again answers the same key.
void TstProcedimiento::loteNuevo()
{
    QFETCH(QString, motor);
    QFETCH(QString, lote);
    QFETCH(QDate, caducidad);
    QFETCH(QString, tono);
    QFETCH(QString, guardada);
    NVLA_BASE_DATOS(bd, motor, true);
    QVERIFY_SQL({
        QCOMPARE(ActualizarStockLote(*bd, llamada(2, 101, lote, caducidad, tono)), 18);
        QCOMPARE(ActualizarStockLote(*bd, llamada(2, 101, lote, caducidad, tono)), 18);
        QCOMPARE(FilasDe(*bd, u"SELECT Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado FROM Articulos_Lotes"
                              " WHERE Cod_Lote = 18"_s),
                 QStringList{u"101|%1|%2|%3||0"_s.arg(lote, guardada, tono)});
        QCOMPARE(FilasDe(*bd, u"SELECT Cod_Almacen, Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Lote = 18"_s),
                 QStringList{u"2|0"_s});
        QCOMPARE(contar(*bd, u"Articulos_Lotes"_s), u"17"_s);
    });
}

void TstProcedimiento::unidadesSumadas()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    LlamadaStockLote datos = llamada(1, 101, u"L-4996"_s, QDate(2027, 6, 30));
    datos.unidades = Currency::fromRaw(25004); // 2,5004
    datos.claveEntradaSalida = false;
    QVERIFY_SQL(QCOMPARE(ActualizarStockLote(*bd, datos), 5));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Lote = 5"_s),
                         QStringList{u"7.4964"_s}));
}

// Two sessions creating the same lot at the same moment: one lot, one key.
void TstProcedimiento::dosConexionesUnLote()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    constexpr int Lotes = 15;
    const QString cadena = BaseDatosPrueba::Cadena(motor);
    QList<qint32> claves[2];
    QString errores[2];
    std::latch salida(2);
    auto trabajar = [&](int quien) {
        try {
            auto conexion = Conexion::Abrir(cadena);
            salida.arrive_and_wait();
            for (int i = 0; i < Lotes; ++i)
                claves[quien] << ActualizarStockLote(*conexion, llamada(quien + 1, 100, u"C-%1"_s.arg(i), FechaNula()));
        } catch (const ErrorLotes &error) {
            errores[quien] = TextoError(error);
        }
    };
    std::unique_ptr<QThread> hilos[2] = {std::unique_ptr<QThread>(QThread::create(trabajar, 0)),
                                         std::unique_ptr<QThread>(QThread::create(trabajar, 1))};
    for (auto &hilo : hilos)
        hilo->start();
    for (auto &hilo : hilos)
        QVERIFY(hilo->wait(120000));
    QVERIFY2(errores[0].isEmpty(), qPrintable(errores[0]));
    QVERIFY2(errores[1].isEmpty(), qPrintable(errores[1]));
    QCOMPARE(claves[0], claves[1]);
    QVERIFY_SQL(QCOMPARE(
        FilasDe(*bd, u"SELECT COUNT(*), COUNT(DISTINCT Cod_Lote) FROM Articulos_Lotes WHERE Lote LIKE 'C-%'"_s),
        QStringList{u"%1|%1"_s.arg(Lotes)}));
    QVERIFY_SQL(QCOMPARE(FilasDe(*bd, u"SELECT COUNT(*) FROM Almacen_Articulos_Lotes WHERE Cod_Lote > 17"_s),
                         QStringList{QString::number(2 * Lotes)}));
}

// A call that fails halfway (the warehouse does not exist, so its stock row is
// refused after the lot was written) leaves no lot behind.
void TstProcedimiento::falloSinMedias()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    try {
        ActualizarStockLote(*bd, llamada(99, 101, u"L-HUÉRFANO"_s, FechaNula()));
        QFAIL("a lot for a missing warehouse must fail");
    } catch (const ErrorLotes &error) {
        QCOMPARE(error.Number(), NumeroError::BaseDatos);
        QVERIFY(!error.Description().isEmpty());
    }
    QVERIFY_SQL(QCOMPARE(contar(*bd, u"Articulos_Lotes"_s), u"16"_s));
    QVERIFY_SQL(QCOMPARE(ActualizarStockLote(*bd, llamada(1, 101, u"L-HUÉRFANO"_s, FechaNula())), 18));
}

// The recorder holds the host's text as sent; the engine ran its own reading of it.
void TstProcedimiento::textoDeConsultaGrabado()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, true);
    ConexionGrabadora grabadora(bd);
    const QString sql = u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad FROM Almacen_Articulos_Lotes a"
                        " INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote"
                        " WHERE a.Cod_Empresa = 1 AND a.Cod_Almacen = 1 AND b.Cod_Articulo = 101"
                        " AND a.Stock_Actual > 0 ORDER BY a.Stock_Actual"_s;
    QVERIFY_SQL(QCOMPARE(FilasDe(grabadora, sql).size(), 4));
    QVERIFY_SQL(QCOMPARE(ActualizarStockLote(grabadora, llamada(1, 101, u"L-0008"_s, QDate(2027, 8, 31))), 4));
    QCOMPARE(grabadora.Textos(), (QStringList{sql, u"GES_Almacen_Articulo_Lotes_Update"_s}));
    QCOMPARE(grabadora.Envios().first().clase, ConexionGrabadora::Clase::Consulta);
    QCOMPARE(grabadora.Comandos().size(), 1);
}

QTEST_GUILESS_MAIN(TstProcedimiento)
#include "tst_procedimiento.moc"

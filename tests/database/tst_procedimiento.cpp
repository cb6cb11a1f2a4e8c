// The lot stock procedure: the call as the library sends it, and what each
// engine's body does with it.
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/ConexionGrabadora.h"
#include "foundation/core/database/ProcedimientoStockLotes.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/values/Conversiones.h"
#include "tests/support/BaseDatosPrueba.h"

#include <array>
#include <latch>
#include <limits>
#include <thread>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

LlamadaStockLote llamada(qint16 almacen, qint32 articulo, const QString &lote, const QDate &caducidad = fechaNula(),
                         const QString &tono = {}, const QString &calibre = {}, qint64 unidades = 0)
{
    return {1, almacen, articulo, Currency::fromRaw(unidades), lote, caducidad, tono, calibre};
}

// How many lots the company has.
QString contarLotes(Conexion &bd)
{
    return filasDe(bd, u"SELECT COUNT(*) FROM Articulos_Lotes"_s).value(0);
}

} // namespace

class TstProcedimiento : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { filasPorMotor(); }

    // Lots that exist answer their key, untouched; a warehouse without the
    // lot gets a stock row with no units; units are added to the last of their
    // four decimals (2,5004 each time). New lots get the company's next key
    // and exactly the typed texts; texts longer than their parameter are cut to
    // its size on every engine. Asking twice (the second time as the stock
    // windows do, reading the key only) answers the same key and adds at most
    // one lot. Each case: the call, the key, the lot's row and its stock after.
    void claveDelLote()
    {
        QFETCH_GLOBAL(QString, motor);
        const QDate nula = fechaNula();
        const QList<std::tuple<LlamadaStockLote, qint32, QString>> casos{
            {llamada(1, 101, u"L-0005"_s, QDate(2027, 5, 31)), 3, u"L-0005|2027-05-31|||5"_s},
            {llamada(1, 100, u"Y-2402"_s), 9, u"Y-2402|NULL|||7"_s}, // no expiry: the null date
            {llamada(1, 200, {}, nula, u"A1"_s, u"11"_s), 12, u"|NULL|A1|11|25"_s},
            {llamada(3, 100, u"Y-2401"_s, QDate(2026, 12, 15)), 8, u"Y-2401|2026-12-15|||0"_s},
            {llamada(1, 101, u"L-4996"_s, QDate(2027, 6, 30), {}, {}, 25004), 5, u"L-4996|2027-06-30|||9.9968"_s},
            {llamada(2, 101, u"L-NUEVO"_s, QDate(2028, 2, 29)), 18, u"L-NUEVO|2028-02-29|||0"_s},
            {llamada(2, 101, u"L-0005"_s), 18, u"L-0005|NULL|||0"_s}, // a null date is no expiry
            {llamada(2, 101, u"O'Brien ''2''"_s, QDate(2027, 1, 1)), 18, u"O'Brien ''2''|2027-01-01|||0"_s},
            {llamada(2, 101, u"Ñandú-ÁÉÍÓÚ-çß-€"_s, nula, u"Ñ1"_s), 18, u"Ñandú-ÁÉÍÓÚ-çß-€|NULL|Ñ1||0"_s},
            {llamada(2, 101, u"L"_s.repeated(50) + u"XYZ"_s), 18, u"L"_s.repeated(50) + u"|NULL|||0"_s},
            {llamada(2, 200, {}, nula, u"T"_s.repeated(20) + u"12345"_s, u"C"_s), 18,
             u"|NULL|"_s + u"T"_s.repeated(20) + u"|C|0"_s},
            {llamada(2, 101, u"ISNULL(x); DELETE cg FROM t cg"_s), 18, u"ISNULL(x); DELETE cg FROM t cg|NULL|||0"_s}};
        for (auto [datos, clave, guardado] : casos) {
            NVLA_BASE_DATOS(bd, motor, true);
            QVERIFY_SQL({
                QCOMPARE(actualizarStockLote(*bd, datos), clave);
                datos.claveEntradaSalida = false;
                QCOMPARE(actualizarStockLote(*bd, datos), clave);
                QCOMPARE(contarLotes(*bd), clave == 18 ? u"17"_s : u"16"_s);
                QCOMPARE(
                    filasDe(
                        *bd,
                        u"SELECT b.Lote, b.Caducidad, b.Tono, b.Calibre, a.Stock_Actual FROM Articulos_Lotes b INNER JOIN Almacen_Articulos_Lotes a ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote WHERE b.Cod_Lote = %1 AND a.Cod_Almacen = %2"_s
                            .arg(clave)
                            .arg(datos.almacen)),
                    QStringList{guardado});
            });
        }
    }

    // Two sessions creating the same lots at the same moment: one lot, one key each.
    void dosConexionesUnLote()
    {
        NVLA_BASE_DEL_MOTOR(bd, true);
        constexpr int Lotes = 15;
        const QString cadena = BaseDatosPrueba::cadena(motor);
        QList<qint32> claves[2];
        QString errores[2];
        std::latch salida(2);
        auto trabajar = [&](int quien) {
            try {
                auto conexion = Conexion::abrir(cadena);
                salida.arrive_and_wait();
                for (int i = 0; i < Lotes; ++i)
                    claves[quien] << actualizarStockLote(*conexion, llamada(quien + 1, 100, u"C-%1"_s.arg(i)));
            } catch (const ErrorLotes &error) {
                errores[quien] = textoError(error);
            }
        };
        {
            const std::array hilos{std::jthread(trabajar, 0), std::jthread(trabajar, 1)}; // joined as they go
        }
        QCOMPARE(errores[0] + errores[1], QString());
        QCOMPARE(claves[0], claves[1]);
        QVERIFY_SQL(QCOMPARE(
            filasDe(
                *bd,
                u"SELECT COUNT(*), COUNT(DISTINCT Cod_Lote), (SELECT COUNT(*) FROM Almacen_Articulos_Lotes WHERE Cod_Lote > 17) FROM Articulos_Lotes WHERE Lote LIKE 'C-%'"_s),
            QStringList{u"%1|%1|%2"_s.arg(Lotes).arg(2 * Lotes)}));
    }

    // A call that fails halfway (the warehouse does not exist, so its stock row
    // is refused after the lot was written) leaves no lot behind, and the same
    // lot can then be made. A value outside its parameter's declared type is
    // refused before the call: nothing reaches the engine (300 would wrap round
    // to company 44, which exists), and the message names the value and
    // parameter; the range's own ends go through: 127 and -128 are one byte.
    // The recorder holds the host's text as sent and the rows the caller read;
    // the engine ran its own reading of it.
    void fallidaNoEscribe()
    {
        NVLA_BASE_DEL_MOTOR(bd, true);
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, actualizarStockLote(*bd, llamada(99, 101, u"L-HUÉRFANO"_s)));
        QVERIFY_SQL(
            bd->ejecutar(u"INSERT INTO Empresas (Cod_Empresa, Nombre, Cod_EmpresaClientes) VALUES (44, 'B', 44)"_s));
        LlamadaStockLote datos = llamada(1, 101, u"L-AJENO"_s);
        for (const int empresa : {300, 128, -129}) {
            datos.empresa = qint16(empresa);
            const auto error = errorDe([&] { actualizarStockLote(*bd, datos); });
            QVERIFY(error && error->Number() == NumeroError::Desbordamiento);
            QVERIFY2(error->Description().contains(QString::number(empresa)) &&
                         error->Description().contains(u"@Cod_Empresa"_s),
                     qPrintable(textoError(*error)));
        }
        ConexionGrabadora grabadora(bd);
        QVERIFY_SQL(QCOMPARE(contarLotes(grabadora), u"16"_s));
        QVERIFY_SQL(QCOMPARE(actualizarStockLote(grabadora, llamada(1, 101, u"L-HUÉRFANO"_s)), 18));
        QCOMPARE(grabadora.textos(),
                 (QStringList{u"SELECT COUNT(*) FROM Articulos_Lotes"_s, u"GES_Almacen_Articulo_Lotes_Update"_s}));
        QCOMPARE(grabadora.envios().first().clase, ConexionGrabadora::Clase::Consulta);
        QCOMPARE(grabadora.envios().first().filas, 1);
        ConexionGrabadora sinMotor(nullptr);
        for (const int empresa : {127, -128}) {
            datos.empresa = qint16(empresa);
            actualizarStockLote(sinMotor, datos);
            QCOMPARE(sinMotor.comandos().last().parametro(1).valorParaMotor(), QVariant(empresa));
        }
    }

    // Units reach the engine and come back to the last of their four decimals.
    // PostgreSQL holds the whole range of the type; SQLite keeps numbers as
    // doubles and refuses, without writing, what a double cannot hold exactly
    // (a sum of 18 significant digits; a single value holds 16).
    void unidadesExactas()
    {
        NVLA_BASE_DEL_MOTOR(bd, true);
        const bool sqlite = motor == u"sqlite"_s;
        // The raw units of the lot in warehouse 1 after adding `unidades`, or the error.
        const auto sumar = [&](const QString &lote, qint64 unidades) {
            try {
                const qint32 clave = actualizarStockLote(*bd, llamada(1, 101, lote, fechaNula(), {}, {}, unidades));
                auto stock = bd->abrirConsulta(
                    u"SELECT Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Empresa = 1 AND Cod_Almacen = 1 AND Cod_Lote = "_s +
                    QString::number(clave));
                const auto leido = stock->siguiente() ? Currency::fromVariant(stock->campo(0)) : std::nullopt;
                return leido ? QString::number(leido->raw()) : u"no row"_s;
            } catch (const ErrorLotes &error) {
                return u"error: "_s + error.Description();
            }
        };
        const qint64 maximo = sqlite ? 999999999999999 : std::numeric_limits<qint64>::max();
        const qint64 minimo = sqlite ? -maximo : -maximo - 1;
        QCOMPARE(sumar(u"L-EXACTO"_s, 987654321012345), u"987654321012345"_s);
        QCOMPARE(sumar(u"L-EXACTO"_s, 1), u"987654321012346"_s);
        QCOMPARE(sumar(u"L-MAXIMO"_s, maximo), QString::number(maximo));
        QCOMPARE(sumar(u"L-MINIMO"_s, minimo), QString::number(minimo));
        if (sqlite) {
            QVERIFY(sumar(u"L-EXACTO"_s, 123456789012345678).contains(u"99.999.999.999,9999"_s));
            QVERIFY(sumar(u"L-EXACTO"_s, -1000000000000000).startsWith(u"error: "_s));
            QCOMPARE(sumar(u"L-EXACTO"_s, 0), u"987654321012346"_s);
            QCOMPARE(contarLotes(*bd), u"19"_s);
        } else {
            QCOMPARE(sumar(u"L-EXACTO"_s, 123456789012345678), u"124444443333358024"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TstProcedimiento)
#include "tst_procedimiento.moc"

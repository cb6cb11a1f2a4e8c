// What SQL Server receives on the ODBC path, where no server is at hand in
// the tests: the host's text untouched, the connection text for the ODBC
// manager, and a procedure as ODBC's call escape with its values bound in the
// order of its markers.
#include "foundation/core/database/CadenaConexion.h"
#include "foundation/core/database/Comando.h"
#include "foundation/core/database/ConexionGrabadora.h"
#include "foundation/core/database/DialectoSqlServer.h"
#include "foundation/core/database/ProcedimientoStockLotes.h"
#include "foundation/core/database/TraduccionTSql.h"
#include "foundation/core/values/Conversiones.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

class TstSqlServer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

QTEST_GUILESS_MAIN(TstSqlServer)
#include "tst_sqlserver.moc"

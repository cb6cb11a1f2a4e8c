// What every entry class shares: the lot models that need no dialog, the
// shared context, Modal, and registration.
#include "tests/support/Conduccion.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/RegistroComponentes.h>
#include <nvlalotes/frmclsLotesCompras.h>
#include <nvlalotes/frmclsLotesFacturacion.h>
#include <nvlalotes/frmclsLotesInventario.h>
#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesTraspaso.h>

#include <QTest>

#include <typeinfo>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Shows the class under the model, with recognisable outputs and a connection
// whose every query fails, and answers "Result|key|lot|expiry|tone|caliber"
// (the purchase class has no key), or "error N" with every field, Result
// included, as it was.
template<class Clase> QString respuesta(const QString &modelo, bool result)
{
    auto empresa = std::make_shared<EmpresaMemoria>();
    empresa->setParametro(u"Lotes_ModeloUsar"_s, modelo);
    auto grabadora = std::make_shared<ConexionGrabadora>(nullptr);
    Clase clase;
    clase.EmpresaNuvalia(empresa);
    clase.ConexionNuvalia(grabadora);
    clase.Result = result;
    clase.Lote = u"L"_s;
    clase.Caducidad = QDate(2030, 3, 3);
    clase.Tono = u"T"_s;
    clase.Calibre = u"C"_s;
    QString clave;
    if constexpr (requires { clase.Cod_Lote; }) {
        clase.Cod_Lote = 77;
        clave = u"|%1"_s;
    }
    const auto campos = [&] {
        if constexpr (requires { clase.Cod_Lote; })
            clave = clave.arg(clase.Cod_Lote);
        return u"%1%2|%3|%4|%5|%6"_s.arg(clase.Result ? u"Verdadero"_s : u"Falso"_s, clave, clase.Lote,
                                         clase.Caducidad.toString(Qt::ISODate), clase.Tono, clase.Calibre);
    };
    QString respuesta;
    const bool sinDialogo = SinDialogo([&] {
        try {
            clase.Show(1);
            respuesta = campos();
            if (!grabadora->Textos().isEmpty())
                respuesta += u" and a query"_s;
        } catch (const ErrorLotes &error) {
            respuesta = u"error %1"_s.arg(error.Number());
            const QString antes = campos();
            if (!antes.contains(u"|L|2030-03-03|T|C"_s) || antes.startsWith(u"Verdadero"_s) != result)
                respuesta += u" and the fields changed to "_s + antes;
            if (error.Number() == NumeroError::ModeloLotesNoValido &&
                (!error.Description().contains(u"Lotes_ModeloUsar"_s) || !error.Source().endsWith(u".Show"_s)))
                respuesta += u" naming neither the parameter nor the Show: "_s + error.Description();
        }
    });
    return sinDialogo ? respuesta : u"a dialog"_s;
}

} // namespace

class TstProtocolo : public QObject
{
    Q_OBJECT

    static std::shared_ptr<EmpresaMemoria> empresa(const QString &modelo)
    {
        auto e = std::make_shared<EmpresaMemoria>();
        e->setParametro(u"Lotes_ModeloUsar"_s, modelo);
        return e;
    }

private Q_SLOTS:
    // Lot models 1 and 4 answer at once without reading the database; any
    // model but 1 to 4 fails before a field changes.
    void modelosSinDialogo_data()
    {
        QTest::addColumn<QString>("clase");
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("esperado");
        const QString nula = u"|1900-01-01|T|C"_s;
        const QString noValido = u"error %1"_s.arg(NumeroError::ModeloLotesNoValido);
        QTest::newRow("compras 1") << u"compras"_s << u"1"_s << u"Verdadero||1900-01-01|T|C"_s;
        for (const char *modelo : {"", "5", "2.5", "abc"})
            QTest::newRow(qPrintable(u"compras "_s + QLatin1StringView(modelo)))
                << u"compras"_s << QString::fromLatin1(modelo) << noValido;
        QTest::newRow("facturación 4") << u"facturacion"_s << u"4"_s << u"Verdadero|1|L"_s + nula;
        QTest::newRow("facturación 7") << u"facturacion"_s << u"7"_s << noValido;
        for (const QString &clase : {u"regularizar"_s, u"traspaso"_s, u"inventario"_s}) {
            for (const QString &modelo : {u"1"_s, u"4.0"_s})
                QTest::newRow(qPrintable(clase + u' ' + modelo)) << clase << modelo << u"Verdadero|1|L"_s + nula;
            for (const QString &modelo : {u"0"_s, u"Lote"_s})
                QTest::newRow(qPrintable(clase + u' ' + modelo)) << clase << modelo << noValido;
        }
        // A model with a dialog reads the database before showing it: its failure reaches the host.
        for (const QString &clase : {u"traspaso"_s, u"inventario"_s}) {
            for (const QString &modelo : {u"2"_s, u"3"_s})
                QTest::newRow(qPrintable(clase + u' ' + modelo + u" sin base de datos"_s))
                    << clase << modelo << u"error %1"_s.arg(NumeroError::ConexionNoValida);
        }
    }
    void modelosSinDialogo()
    {
        QFETCH(QString, clase);
        QFETCH(QString, modelo);
        QFETCH(QString, esperado);
        // Result True going in shows that a failing Show leaves it alone.
        const bool conError = esperado.startsWith(u"error"_s);
        const QString obtenido = clase == u"compras"       ? respuesta<frmclsLotesCompras>(modelo, conError)
                                 : clase == u"facturacion" ? respuesta<frmclsLotesFacturacion>(modelo, conError)
                                 : clase == u"regularizar" ? respuesta<frmclsLotesRegularizar>(modelo, conError)
                                 : clase == u"traspaso"    ? respuesta<frmclsLotesTraspaso>(modelo, conError)
                                                           : respuesta<frmclsLotesInventario>(modelo, conError);
        QCOMPARE(obtenido, esperado);
    }

    void laUltimaEmpresaGanaParaTodas()
    {
        frmclsLotesCompras primera;
        frmclsLotesCompras segunda;
        primera.EmpresaNuvalia(empresa(u"1"_s));
        segunda.EmpresaNuvalia(empresa(u"7"_s));
        // The first class now runs under the second company's model 7: no dialog exists for it.
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, primera.Show(1));
        segunda.EmpresaNuvalia(empresa(u"1"_s));
        primera.Show(1);
        QVERIFY(primera.Result);
    }

    // A model without a dialog answers whatever Modal says; with a dialog an
    // invalid Modal fails before any field changes.
    void modalFueraDeRango()
    {
        frmclsLotesCompras compras;
        compras.EmpresaNuvalia(empresa(u"1"_s));
        compras.Lote = u"X"_s;
        compras.Show(2);
        QVERIFY(compras.Result);
        QCOMPARE(compras.Lote, QString());
        frmclsLotesFacturacion ventas;
        ventas.EmpresaNuvalia(empresa(u"4"_s));
        ventas.Show(-7);
        QVERIFY(ventas.Result);
        QCOMPARE(ventas.Cod_Lote, 1);

        frmclsLotesCompras conDialogo;
        conDialogo.EmpresaNuvalia(empresa(u"3"_s));
        conDialogo.Lote = u"X"_s;
        try {
            conDialogo.Show(2);
            QFAIL("Show accepted Modal 2 with a dialog");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Number(), NumeroError::LlamadaNoValida);
        }
        QVERIFY(!conDialogo.Result);
        QCOMPARE(conDialogo.Lote, u"X"_s);
    }

    void errorDeLaEmpresaLlegaAlHost()
    {
        struct EmpresaRota : EmpresaMemoria
        {
            QVariant LeerParametro(const QString &) override
            {
                throw ErrorLotes(1234, u"sin servicio"_s, u"NVLAEMP"_s);
            }
        };
        frmclsLotesCompras clase;
        clase.EmpresaNuvalia(std::make_shared<EmpresaRota>());
        clase.Lote = u"X"_s;
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, clase.Show(1));
        QCOMPARE(clase.Lote, u"X"_s);
    }

    // By class identifier (braces and case aside) or by name; an unknown one creates nothing.
    void registro_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::addColumn<QString>("clase");
        QTest::newRow("identificador") << u"467AEFB2-B541-4C0C-A141-D5C6100B49CA"_s << u"frmclsLotesCompras"_s;
        QTest::newRow("nombre") << u"frmclsLotesCompras"_s << u"frmclsLotesCompras"_s;
        QTest::newRow("facturación") << u"C23CE54A-753C-4E21-AD0B-C74F3B2A027B"_s << u"frmclsLotesFacturacion"_s;
        QTest::newRow("regularización, con llaves y minúsculas")
            << u"{e26860ab-5344-4968-8087-82426fb6941d}"_s << u"frmclsLotesRegularizar"_s;
        QTest::newRow("traspaso") << u"0220F91A-BDC4-425B-BCB0-6416F104DACA"_s << u"frmclsLotesTraspaso"_s;
        QTest::newRow("inventario") << u"{12334dd8-5591-4a7b-88b4-6089e806b7e9}"_s << u"frmclsLotesInventario"_s;
        QTest::newRow("desconocido") << u"00000000-0000-0000-0000-000000000000"_s << QString();
    }
    void registro()
    {
        QFETCH(QString, clave);
        QFETCH(QString, clase);
        try {
            auto creada = Registro::CrearClase(clave);
            QVERIFY(!clase.isEmpty());
            const ClaseEntradaLotes &entrada = *creada;
            QVERIFY2(QByteArray(typeid(entrada).name()).contains(clase.toLatin1()), typeid(entrada).name());
        } catch (const ErrorLotes &error) {
            QVERIFY(clase.isEmpty());
            QCOMPARE(error.Number(), NumeroError::ClaseNoDisponible);
        }
    }
};

QTEST_MAIN(TstProtocolo)
#include "tst_protocolo.moc"

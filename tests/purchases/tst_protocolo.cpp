// What every entry class shares: the shared context, Modal, and registration.
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/RegistroComponentes.h>
#include <nvlalotes/frmclsLotesCompras.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

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

    void laEmpresaAnteriorSeLibera()
    {
        auto primera = empresa(u"1"_s);
        std::weak_ptr<EmpresaMemoria> vigilada = primera;
        frmclsLotesCompras clase;
        clase.EmpresaNuvalia(std::move(primera));
        clase.EmpresaNuvalia(empresa(u"1"_s));
        QVERIFY(vigilada.expired());
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

    void registroCreaPorIdentificadorONombre_data()
    {
        QTest::addColumn<QString>("clave");
        QTest::newRow("identificador") << u"467AEFB2-B541-4C0C-A141-D5C6100B49CA"_s;
        QTest::newRow("con llaves y minúsculas") << u"{467aefb2-b541-4c0c-a141-d5c6100b49ca}"_s;
        QTest::newRow("nombre") << u"frmclsLotesCompras"_s;
    }
    void registroCreaPorIdentificadorONombre()
    {
        QFETCH(QString, clave);
        auto clase = Registro::CrearClase(clave);
        QVERIFY(dynamic_cast<frmclsLotesCompras *>(clase.get()));
    }

    void registroRechazaLoDesconocido()
    {
        try {
            Registro::CrearClase(u"00000000-0000-0000-0000-000000000000"_s);
            QFAIL("an unknown identifier created a class");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Number(), NumeroError::ClaseNoDisponible);
        }
    }
};

QTEST_MAIN(TstProtocolo)
#include "tst_protocolo.moc"

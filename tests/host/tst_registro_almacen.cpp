// The warehouse record object: the library's own over table Almacenes, and a
// host's own plugged in instead.
#include "tests/support/BaseDatosPrueba.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/RegistroAlmacen.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// What a host's own object would do: answer from its own records.
struct RegistroDelPrograma final : RegistroAlmacen
{
    static inline int creados = 0;
    static inline qint16 cargado = -1;
    qint16 almacen = 0;

    RegistroDelPrograma() { ++creados; }
    void setEmpresa(std::shared_ptr<NVLAEMP> /*empresa*/) override {}
    void setConexion(std::shared_ptr<Conexion> /*conexion*/) override {}
    void setCodigoAlmacen(qint16 codigo) override { almacen = codigo; }
    void Cargar(QObject * /*objeto*/) override { cargado = almacen; }
    bool ControlCaducidad() const override { return almacen == 2; }
};

bool controlDe(const std::shared_ptr<Conexion> &conexion, qint16 empresa, qint16 almacen)
{
    auto registro = RegistroAlmacen::crear();
    registro->setEmpresa(std::make_shared<EmpresaMemoria>(empresa));
    registro->setConexion(conexion);
    registro->setCodigoAlmacen(almacen);
    registro->Cargar();
    return registro->ControlCaducidad();
}

} // namespace

class TstRegistroAlmacen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void cleanup() { RegistroAlmacen::setFabrica({}); }

    // Demo company 1: warehouse 1 and 3 keep expiry dates, 2 does not. A
    // warehouse without a row, or of another company, keeps none.
    void controlCaducidad_data()
    {
        QTest::addColumn<int>("empresa");
        QTest::addColumn<int>("almacen");
        QTest::addColumn<bool>("control");
        QTest::newRow("con caducidad") << 1 << 1 << true;
        QTest::newRow("sin caducidad") << 1 << 2 << false;
        QTest::newRow("almacén desconocido") << 1 << 99 << false;
        QTest::newRow("almacén de otra empresa") << 2 << 1 << false;
    }
    void controlCaducidad()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(int, empresa);
        QFETCH(int, almacen);
        QFETCH(bool, control);
        NVLA_BASE_DATOS(conexion, motor, true);
        auto grabadora = std::make_shared<ConexionGrabadora>(conexion);
        bool leido = false;
        QVERIFY_SQL(leido = controlDe(grabadora, qint16(empresa), qint16(almacen)));
        QCOMPARE(leido, control);
        QCOMPARE(grabadora->Textos(),
                 QStringList{u"SELECT Control_Caducidad FROM Almacenes WHERE Cod_Empresa = %1 AND Cod_Almacen = %2"_s
                                 .arg(empresa)
                                 .arg(almacen)});
    }

    void errorDeLaBaseLlegaAlLlamador()
    {
        auto sinBase = std::make_shared<ConexionGrabadora>(nullptr);
        QVERIFY_EXCEPTION_THROWN(controlDe(sinBase, 1, 1), ErrorLotes);
        auto registro = RegistroAlmacen::crear();
        registro->setCodigoAlmacen(1);
        QVERIFY_EXCEPTION_THROWN(registro->Cargar(), ErrorLotes);
    }

    void objetoDelProgramaEnLugarDelPropio()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        auto grabadora = std::make_shared<ConexionGrabadora>(conexion);
        RegistroAlmacen::setFabrica([] { return std::make_unique<RegistroDelPrograma>(); });
        RegistroDelPrograma::creados = 0;
        QVERIFY(controlDe(grabadora, 1, 2)); // the table says no expiry for 2
        QVERIFY(!controlDe(grabadora, 1, 1));
        QCOMPARE(RegistroDelPrograma::creados, 2);
        QCOMPARE(RegistroDelPrograma::cargado, qint16(1));
        QVERIFY(grabadora->Textos().isEmpty());

        // Taking it out again goes back to the table.
        RegistroAlmacen::setFabrica({});
        QVERIFY(controlDe(grabadora, 1, 1));
        QCOMPARE(RegistroDelPrograma::creados, 2);
    }

    void fabricaSinObjetoEsUnError()
    {
        RegistroAlmacen::setFabrica([] { return std::unique_ptr<RegistroAlmacen>(); });
        try {
            RegistroAlmacen::crear();
            QFAIL("a factory that gives nothing must not pass for a warehouse");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Number(), NumeroError::ClaseNoDisponible);
        }
    }
};

QTEST_GUILESS_MAIN(TstRegistroAlmacen)
#include "tst_registro_almacen.moc"

// The warehouse record object: the library's own over table Almacenes (demo
// company 1: warehouses 1 and 3 keep expiry dates, 2 does not), and a host's
// own plugged in instead.
#include "tests/support/BaseDatosPrueba.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/RegistroAlmacen.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// A host's own object, answering the opposite of the table for warehouses 1 and 2.
struct RegistroDelPrograma final : RegistroAlmacen
{
    qint16 almacen = 0;
    void setEmpresa(std::shared_ptr<NVLAEMP> /*empresa*/) override {}
    void setConexion(std::shared_ptr<Conexion> /*conexion*/) override {}
    void setCodigoAlmacen(qint16 codigo) override { almacen = codigo; }
    void Cargar(QObject * /*objeto*/) override {}
    bool ControlCaducidad() const override { return almacen == 2; }
};

bool controlDe(const std::shared_ptr<Conexion> &conexion, int empresa, int almacen)
{
    auto registro = RegistroAlmacen::crear();
    registro->setEmpresa(std::make_shared<EmpresaMemoria>(qint16(empresa)));
    registro->setConexion(conexion);
    registro->setCodigoAlmacen(qint16(almacen));
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
        QVERIFY_SQL(QCOMPARE(controlDe(conexion, empresa, almacen), control));
        QVERIFY_EXCEPTION_THROWN(controlDe(std::make_shared<ConexionGrabadora>(nullptr), empresa, almacen), ErrorLotes);
    }

    void objetoDelProgramaEnLugarDelPropio()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        auto grabadora = std::make_shared<ConexionGrabadora>(conexion);
        RegistroAlmacen::setFabrica([] { return std::make_unique<RegistroDelPrograma>(); });
        QVERIFY(controlDe(grabadora, 1, 2));
        QVERIFY(!controlDe(grabadora, 1, 1));
        QVERIFY(grabadora->Textos().isEmpty());

        RegistroAlmacen::setFabrica({}); // back to the table
        QVERIFY_SQL(QVERIFY(controlDe(grabadora, 1, 1)));

        RegistroAlmacen::setFabrica([] { return std::unique_ptr<RegistroAlmacen>(); });
        QVERIFY_EXCEPTION_THROWN(RegistroAlmacen::crear(), ErrorLotes);
    }
};

QTEST_GUILESS_MAIN(TstRegistroAlmacen)
#include "tst_registro_almacen.moc"

// The host's own functions the library provides. Menu access by user groups
// (demo users: 1 in groups 1 and 5, 2 in group 5 with access type 2 to menu
// 1200 and to "mnuLotes", 3 in group 11 with type 1 only, 4 in none); the
// shortcuts answer without the access query, whose texts are checked with the
// other statements. The warehouse record object: the library's own over table
// Almacenes (company 1: warehouses 1 and 3 keep expiry dates, 2 does not), and
// a host's own plugged in instead.
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/modComun.h"
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

class TstFuncionesHost : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { filasPorMotor(); }
    void cleanup()
    {
        ContextoCompartido::setConexion(nullptr);
        ContextoCompartido::setEmpresa(nullptr);
        RegistroAlmacen::setFabrica({});
    }

    // Whether a user may not open a menu, and how many queries it took to
    // know (0: not even the groups are read; 1: the groups decide). Menu 999
    // is nobody's: its name would grant access, but the code wins.
    // The list the host's other modules read: every code between commas, or
    // nothing. A user code that is no integer is refused before any
    // statement, as a failure of Grupos with the type-mismatch number.
    void menuYGrupos()
    {
        NVLA_BASE_DEL_MOTOR(conexion, true);
        auto empresa = std::make_shared<EmpresaMemoria>();
        std::shared_ptr<ConexionGrabadora> grabadora;
        const auto preparar = [&](const QString &usuario) {
            ContextoCompartido::setConexion(grabadora = std::make_shared<ConexionGrabadora>(conexion));
            empresa->setParametro(u"UsuarioActual"_s, usuario);
            ContextoCompartido::setEmpresa(empresa);
        };
        const QList<std::tuple<int, int, QString, bool, int>> casos{
            {1, 1200, {}, false, 1},         {4, 1200, {}, true, 1},        {3, 0, {}, false, 0},
            {3, 1200, {}, true, 2},          {2, 1200, {}, false, 2},       {2, 999, u"mnuLotes"_s, true, 2},
            {2, 0, u"mnuLotes"_s, false, 2}, {3, 0, u"mnuLotes"_s, true, 2}};
        for (const auto &[usuario, menu, nombre, restringido, consultas] : casos) {
            preparar(QString::number(usuario));
            QVERIFY_SQL(QCOMPARE(modComun::MenuRestringido(menu, nombre, 1), restringido));
            QCOMPARE(grabadora->textos().size(), consultas);
        }
        preparar(u"1"_s);
        QVERIFY_SQL(QCOMPARE(modComun::Grupos(), u",1,5,"_s));
        preparar(u"4"_s);
        QVERIFY_SQL(QCOMPARE(modComun::Grupos(), QString()));
        preparar(u"2 OR 1=1"_s);
        const auto error = errorDe([] { modComun::MenuRestringido(1200, {}, 1); });
        QVERIFY(error && error->Description().contains(u"UsuarioActual"_s));
        QCOMPARE(u"%1 %2"_s.arg(error->Number()).arg(error->Source()), u"13 modComun::Grupos"_s);
        QCOMPARE(grabadora->textos(), QStringList());
    }

    // A warehouse that is unknown or of another company keeps no dates; a
    // failed read is the caller's to see.
    void controlCaducidad()
    {
        NVLA_BASE_DEL_MOTOR(conexion, true);
        for (const auto &[empresa, almacen, control] :
             QList<std::tuple<int, int, bool>>{{1, 1, true}, {1, 2, false}, {1, 99, false}, {2, 1, false}}) {
            QVERIFY_SQL(QCOMPARE(controlDe(conexion, empresa, almacen), control));
            QVERIFY_EXCEPTION_THROWN(controlDe(std::make_shared<ConexionGrabadora>(nullptr), empresa, almacen),
                                     ErrorLotes);
        }
        auto grabadora = std::make_shared<ConexionGrabadora>(conexion);
        RegistroAlmacen::setFabrica([] { return std::make_unique<RegistroDelPrograma>(); });
        QVERIFY(controlDe(grabadora, 1, 2) && !controlDe(grabadora, 1, 1));
        QVERIFY(grabadora->textos().isEmpty());
        RegistroAlmacen::setFabrica({}); // back to the table
        QVERIFY_SQL(QVERIFY(controlDe(grabadora, 1, 1)));
        RegistroAlmacen::setFabrica([] { return std::unique_ptr<RegistroAlmacen>(); });
        QVERIFY_EXCEPTION_THROWN(RegistroAlmacen::crear(), ErrorLotes);
    }
};

QTEST_GUILESS_MAIN(TstFuncionesHost)
#include "tst_funciones_host.moc"

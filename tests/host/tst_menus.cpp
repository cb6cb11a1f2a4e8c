// Menu access by user groups: the shortcuts answer without the access query
// (the texts of the queries are checked with the other statements). Demo users: 1 in groups 1 and 5, 2 in group 5
// (access type 2 to menu 1200 and to "mnuLotes"), 3 in group 11 (type 1 only), 4 in none.
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/modComun.h"
#include "tests/support/BaseDatosPrueba.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

class TstMenus : public QObject
{
    Q_OBJECT

    std::shared_ptr<ConexionGrabadora> m_grabadora;
    std::shared_ptr<EmpresaMemoria> m_empresa = std::make_shared<EmpresaMemoria>();

    void preparar(std::shared_ptr<Conexion> conexion, int usuario)
    {
        m_grabadora = std::make_shared<ConexionGrabadora>(std::move(conexion));
        m_empresa->setParametro(u"UsuarioActual"_s, QString::number(usuario));
        ContextoCompartido::setConexion(m_grabadora);
        ContextoCompartido::setEmpresa(m_empresa);
    }

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void cleanupTestCase()
    {
        ContextoCompartido::setConexion(nullptr);
        ContextoCompartido::setEmpresa(nullptr);
    }

    void menuRestringido_data()
    {
        QTest::addColumn<int>("usuario");
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("restringido");
        QTest::addColumn<int>("consultas"); // 0: not even the groups are read; 1: the groups decide
        QTest::newRow("grupo 1 entre otros") << 1 << 1200 << QString() << false << 1;
        QTest::newRow("sin grupo") << 4 << 1200 << QString() << true << 1;
        QTest::newRow("menú 0: ni se leen los grupos") << 3 << 0 << QString() << false << 0;
        QTest::newRow("grupo 11 no es el 1") << 3 << 1200 << QString() << true << 2;
        QTest::newRow("grupo con acceso") << 2 << 1200 << QString() << false << 2;
        // Menu 999 is nobody's; the name would grant access.
        QTest::newRow("el código gana al nombre") << 2 << 999 << u"mnuLotes"_s << true << 2;
        QTest::newRow("por nombre con acceso") << 2 << 0 << u"mnuLotes"_s << false << 2;
        QTest::newRow("por nombre sin acceso") << 3 << 0 << u"mnuLotes"_s << true << 2;
    }
    void menuRestringido()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(int, usuario);
        QFETCH(int, menu);
        QFETCH(QString, nombre);
        QFETCH(bool, restringido);
        QFETCH(int, consultas);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, usuario);
        bool respuesta = false;
        QVERIFY_SQL(respuesta = modComun::MenuRestringido(menu, nombre, 1));
        QCOMPARE(respuesta, restringido);
        QCOMPARE(m_grabadora->Textos().size(), consultas);
    }

    // The list the host's other modules read: every code between commas, or nothing.
    void gruposEntreComas()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, 1);
        QVERIFY_SQL(QCOMPARE(modComun::Grupos(), u",1,5,"_s));
        preparar(conexion, 4);
        QVERIFY_SQL(QCOMPARE(modComun::Grupos(), QString()));
    }

    // A user code that is no integer is refused before any statement, as a
    // failure of Grupos with the type-mismatch number.
    void usuarioQueNoEsNumero()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, 2);
        m_empresa->setParametro(u"UsuarioActual"_s, u"2 OR 1=1"_s);
        try {
            modComun::MenuRestringido(1200, {}, 1);
            QFAIL("a user code that is no number must be refused");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Source(), u"modComun::Grupos"_s);
            QCOMPARE(error.Number(), NumeroError::ConversionTipo);
            QVERIFY2(error.Description().contains(u"UsuarioActual"_s), qPrintable(error.Description()));
        }
        QCOMPARE(m_grabadora->Textos(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TstMenus)
#include "tst_menus.moc"

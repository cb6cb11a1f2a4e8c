// Menu access by user groups, checked by what reaches the database: the
// shortcuts must answer without the access query, and the queries must be the
// host's texts to the byte.
#include "foundation/host/ContextoCompartido.h"
#include "foundation/host/modComun.h"
#include "tests/support/BaseDatosPrueba.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

QString consultaGrupos(int usuario)
{
    return u"SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario="_s + QString::number(usuario);
}

QString consultaPorCodigo(int menu, const QString &grupos)
{
    return u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a WHERE a.Modulo=1 AND a.CodMenu=%1 AND a.CodGrupo IN (%2) AND TipoAcceso=2"_s
        .arg(menu)
        .arg(grupos);
}

QString consultaPorNombre(const QString &nombre, const QString &grupos)
{
    return u"SELECT COUNT(*) as NumRegs FROM SGD_Menus,SGD_Menus_Grupos  WHERE SGD_Menus.Codigo=SGD_Menus_Grupos.CodMenu AND SGD_Menus.NombreInterno='%1' AND SGD_Menus_Grupos.CodGrupo IN (%2) AND SGD_Menus_Grupos.TipoAcceso=2 AND SGD_Menus.Modulo=1"_s
        .arg(nombre, grupos);
}

} // namespace

class TstMenus : public QObject
{
    Q_OBJECT

    std::shared_ptr<ConexionGrabadora> m_grabadora;
    std::shared_ptr<EmpresaMemoria> m_empresa;

    // The demo users: 1 in groups 1 and 5, 2 in group 5 (access type 2 to menu
    // 1200), 3 in group 11 (access type 1 only), 4 in no group.
    void preparar(const std::shared_ptr<Conexion> &conexion, int usuario)
    {
        m_grabadora = std::make_shared<ConexionGrabadora>(conexion);
        m_empresa = std::make_shared<EmpresaMemoria>();
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

    void grupos_data()
    {
        QTest::addColumn<int>("usuario");
        QTest::addColumn<QString>("lista");
        QTest::newRow("dos grupos") << 1 << u",1,5,"_s;
        QTest::newRow("grupo de dos cifras") << 3 << u",11,"_s;
        QTest::newRow("sin grupo") << 4 << QString();
    }
    void grupos()
    {
        QFETCH(int, usuario);
        QFETCH(QString, lista);
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, usuario);
        QString leida;
        QVERIFY_SQL(leida = modComun::Grupos());
        QCOMPARE(leida, lista);
        QCOMPARE(m_grabadora->Textos(), QStringList{consultaGrupos(usuario)});
    }

    void menuRestringido_data()
    {
        QTest::addColumn<int>("usuario");
        QTest::addColumn<int>("menu");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("restringido");
        QTest::addColumn<QStringList>("enviados");
        const auto grupos = consultaGrupos; // the texts of each user, in order
        QTest::newRow("grupo 1 entre otros: sin consulta de acceso")
            << 1 << 1200 << QString() << false << QStringList{grupos(1)};
        QTest::newRow("sin grupo: sin consulta de acceso") << 4 << 1200 << QString() << true << QStringList{grupos(4)};
        QTest::newRow("menú 0: ni se leen los grupos") << 3 << 0 << QString() << false << QStringList{};
        QTest::newRow("grupo 11 no es el 1: con acceso de otro tipo")
            << 3 << 1200 << QString() << true << QStringList{grupos(3), consultaPorCodigo(1200, u"11"_s)};
        QTest::newRow("grupo con acceso")
            << 2 << 1200 << QString() << false << QStringList{grupos(2), consultaPorCodigo(1200, u"5"_s)};
        // Code before name: a known code never looks the menu up by name.
        QTest::newRow("código y nombre: cuenta el código")
            << 3 << 1200 << u"mnuLotes"_s << true << QStringList{grupos(3), consultaPorCodigo(1200, u"11"_s)};
        QTest::newRow("por nombre con acceso")
            << 2 << 0 << u"mnuLotes"_s << false << QStringList{grupos(2), consultaPorNombre(u"mnuLotes"_s, u"5"_s)};
        QTest::newRow("por nombre sin acceso")
            << 3 << 0 << u"mnuLotes"_s << true << QStringList{grupos(3), consultaPorNombre(u"mnuLotes"_s, u"11"_s)};
    }
    void menuRestringido()
    {
        QFETCH(int, usuario);
        QFETCH(int, menu);
        QFETCH(QString, nombre);
        QFETCH(bool, restringido);
        QFETCH(QStringList, enviados);
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, usuario);
        bool respuesta = false;
        QVERIFY_SQL(respuesta = modComun::MenuRestringido(menu, nombre, 1));
        QCOMPARE(respuesta, restringido);
        QCOMPARE(m_grabadora->Textos(), enviados);
    }

    void nombreConComillaNoRompeLaConsulta()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, 2);
        bool respuesta = false;
        QVERIFY_SQL(respuesta = modComun::MenuRestringido(0, u"mnu'Lotes"_s, 1));
        QVERIFY(respuesta);
    }

    // Grupos hands any failure on as its own; the access query's failure
    // reaches the caller as the database raised it.
    void erroresDeLosGrupos()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, 2);
        m_empresa->setParametro(u"UsuarioActual"_s, u"NO_ES_UN_NUMERO"_s);
        try {
            modComun::MenuRestringido(1200, {}, 1);
            QFAIL("a query that cannot run must fail");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Source(), u"modComun::Grupos"_s);
            QCOMPARE(error.Number(), NumeroError::BaseDatos);
            QVERIFY(!error.Description().isEmpty());
        }
        ContextoCompartido::setEmpresa(nullptr);
        try {
            modComun::Grupos();
            QFAIL("without a company object there is no user");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Source(), u"modComun::Grupos"_s);
            QCOMPARE(error.Number(), NumeroError::ConexionNoValida);
        }
    }
};

QTEST_GUILESS_MAIN(TstMenus)
#include "tst_menus.moc"

// Menu access by user groups, judged by what reaches the database: the
// shortcuts answer without the access query, and the queries are the host's
// texts to the byte. Demo users: 1 in groups 1 and 5, 2 in group 5 (access
// type 2 to menu 1200 and to "mnuLotes"), 3 in group 11 (type 1 only), 4 in none.
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/modComun.h"
#include "tests/support/BaseDatosPrueba.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

QString grupos(int usuario)
{
    return u"SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario="_s + QString::number(usuario);
}

QString porCodigo(const QString &lista)
{
    return u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a WHERE a.Modulo=1 AND a.CodMenu=1200 AND a.CodGrupo IN (%1) AND TipoAcceso=2"_s
        .arg(lista);
}

QString porNombre(const QString &lista)
{
    return u"SELECT COUNT(*) as NumRegs FROM SGD_Menus,SGD_Menus_Grupos  WHERE SGD_Menus.Codigo=SGD_Menus_Grupos.CodMenu AND SGD_Menus.NombreInterno='mnuLotes' AND SGD_Menus_Grupos.CodGrupo IN (%1) AND SGD_Menus_Grupos.TipoAcceso=2 AND SGD_Menus.Modulo=1"_s
        .arg(lista);
}

} // namespace

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
        QTest::addColumn<QStringList>("enviados");
        const auto fila = [](const char *caso, int usuario, int menu, const QString &nombre, bool restringido,
                             const QStringList &enviados) {
            QTest::newRow(caso) << usuario << menu << nombre << restringido << enviados;
        };
        fila("grupo 1 entre otros", 1, 1200, {}, false, {grupos(1)});
        fila("sin grupo", 4, 1200, {}, true, {grupos(4)});
        fila("menú 0: ni se leen los grupos", 3, 0, {}, false, {});
        fila("grupo 11 no es el 1", 3, 1200, {}, true, {grupos(3), porCodigo(u"11"_s)});
        fila("grupo con acceso", 2, 1200, {}, false, {grupos(2), porCodigo(u"5"_s)});
        fila("el código gana al nombre", 3, 1200, u"mnuLotes"_s, true, {grupos(3), porCodigo(u"11"_s)});
        fila("por nombre con acceso", 2, 0, u"mnuLotes"_s, false, {grupos(2), porNombre(u"5"_s)});
        fila("por nombre sin acceso", 3, 0, u"mnuLotes"_s, true, {grupos(3), porNombre(u"11"_s)});
    }
    void menuRestringido()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(int, usuario);
        QFETCH(int, menu);
        QFETCH(QString, nombre);
        QFETCH(bool, restringido);
        QFETCH(QStringList, enviados);
        NVLA_BASE_DATOS(conexion, motor, true);
        preparar(conexion, usuario);
        bool respuesta = false;
        QVERIFY_SQL(respuesta = modComun::MenuRestringido(menu, nombre, 1));
        QCOMPARE(respuesta, restringido);
        QCOMPARE(m_grabadora->Textos(), enviados);
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

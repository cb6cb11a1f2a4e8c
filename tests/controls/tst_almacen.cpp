// The warehouse picker driven by the clerk's keys, over the demo warehouses of
// company 1: 1 "Almacén central", 2 "Tienda norte", 3 "Tienda sur".
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// A window with the picker, showing `almacen`, and a box after it to tab to.
struct Ventana
{
    Ventana(std::shared_ptr<Conexion> conexion, qint16 almacen)
    {
        auto *capa = new QVBoxLayout(&ventana);
        capa->addWidget(selector);
        capa->addWidget(new QLineEdit(&ventana));
        selector->setConexion(std::move(conexion));
        selector->setEmpresa(std::make_shared<EmpresaMemoria>());
        selector->setAlmacen(almacen);
        ventana.show();
        QApplication::setActiveWindow(&ventana);
        caja()->setFocus();
    }

    QLineEdit *caja() const { return selector->findChild<QLineEdit *>(u"txtCodigo"_s); }
    QString nombre() const { return selector->findChild<QLabel *>(u"lblNombre"_s)->text(); }
    Rejilla *lista() const { return selector->findChild<Rejilla *>(u"vsAlmacenes"_s); }
    QList<int> avisos() const
    {
        QList<int> almacenes;
        for (const QList<QVariant> &senal : cambios)
            almacenes << senal.first().toInt();
        return almacenes;
    }

    // Types over what the box holds and presses `tecla`; the messages that came up.
    QStringList teclear(const QString &texto, Qt::Key tecla) const
    {
        QStringList textos;
        for (const MensajeVisto &mensaje : CapturarMensajes([&] {
                 escribir(selector, u"txtCodigo"_s, texto);
                 QTest::keyClick(caja(), tecla);
             }))
            textos << mensaje.texto;
        return textos;
    }

    QWidget ventana;
    kxAlmacen *selector = new kxAlmacen(&ventana);
    QSignalSpy cambios{selector, &kxAlmacen::AlmacenCambiado};
};

} // namespace

class TstAlmacen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void teclear_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<Qt::Key>("tecla");
        QTest::addColumn<int>("almacen");
        QTest::addColumn<QList<int>>("avisos");
        QTest::addColumn<QStringList>("mensajes");
        const auto fila = [](const char *caso, const QString &texto, Qt::Key tecla, int almacen,
                             const QList<int> &avisos, const QStringList &mensajes = {}) {
            QTest::newRow(caso) << texto << tecla << almacen << avisos << mensajes;
        };
        fila("código con Intro", u"3"_s, Qt::Key_Return, 3, {3});
        fila("código con Tab", u"2"_s, Qt::Key_Tab, 2, {2});
        fila("el mismo almacén no avisa", u"01"_s, Qt::Key_Return, 1, {});
        fila("desconocido", u"99"_s, Qt::Key_Return, 1, {}, {u"El almacén 99 no existe."_s});
        fila("desconocido con Tab", u"99"_s, Qt::Key_Tab, 1, {}, {u"El almacén 99 no existe."_s});
        fila("fuera del tipo", u"70000"_s, Qt::Key_Return, 1, {}, {u"El almacén 70000 no existe."_s});
        fila("vacío es ningún almacén", {}, Qt::Key_Return, 0, {0});
        fila("un solo nombre lo contiene", u"NORTE"_s, Qt::Key_Return, 2, {2});
        fila("nombre del mismo almacén", u"central"_s, Qt::Key_Return, 1, {});
        fila("ningún nombre lo contiene", u"oeste"_s, Qt::Key_Return, 1, {},
             {u"Ningún almacén tiene «oeste» en su nombre."_s});
    }
    void teclear()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, texto);
        QFETCH(Qt::Key, tecla);
        QFETCH(int, almacen);
        QFETCH(QList<int>, avisos);
        QFETCH(QStringList, mensajes);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion, 1);
        QCOMPARE(v.teclear(texto, tecla), mensajes);
        QCOMPARE(v.selector->Almacen(), qint16(almacen));
        QCOMPARE(v.caja()->text(), almacen == 0 ? QString() : QString::number(almacen));
        QCOMPARE(v.nombre(), QStringList({{}, u"Almacén central"_s, u"Tienda norte"_s, u"Tienda sur"_s})[almacen]);
        QCOMPARE(v.avisos(), avisos);

        v.selector->setAlmacen(3); // from code: shown, not announced
        QCOMPARE(v.nombre(), u"Tienda sur"_s);
        QCOMPARE(v.avisos(), avisos);
    }

    // F4 lists every warehouse from the one shown; a name several warehouses
    // hold lists just those. Escape leaves everything as it was.
    void elegirDeLaLista_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QStringList>("nombres");
        QTest::addColumn<Qt::Key>("tecla");
        QTest::addColumn<int>("almacen");
        const QStringList todos{u"Almacén central"_s, u"Tienda norte"_s, u"Tienda sur"_s};
        QTest::newRow("F4 desde el 2") << QString() << todos << Qt::Key_Return << 3;
        QTest::newRow("Escape") << QString() << todos << Qt::Key_Escape << 2;
        QTest::newRow("por nombre") << u"tienda"_s << todos.mid(1) << Qt::Key_Return << 3;
    }
    void elegirDeLaLista()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, texto);
        QFETCH(QStringList, nombres);
        QFETCH(Qt::Key, tecla);
        QFETCH(int, almacen);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion, 2);
        if (texto.isEmpty())
            QTest::keyClick(v.caja(), Qt::Key_F4);
        else
            QVERIFY(v.teclear(texto, Qt::Key_Return).isEmpty());
        QPointer<Rejilla> lista = v.lista();
        QVERIFY(lista && lista->isVisible());
        QStringList vistos;
        for (int fila = 1; fila < lista->Rows(); ++fila)
            vistos << lista->TextMatrix(fila, 1);
        QCOMPARE(vistos, nombres);

        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, tecla);
        QVERIFY(!lista || !lista->isVisible());
        QCOMPARE(v.selector->Almacen(), qint16(almacen));
        QCOMPARE(v.avisos(), almacen == 2 ? QList<int>{} : QList<int>{almacen});
        QVERIFY(v.caja()->hasFocus());
    }

    void errorDeLaBaseSeMuestra()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion, 1);
        v.selector->setConexion(std::make_shared<ConexionGrabadora>(nullptr));
        const auto vistos = CapturarMensajes([&] { QTest::keyClick(v.caja(), Qt::Key_F4); });
        QCOMPARE(vistos.size(), 1);
        QCOMPARE(vistos.first().icono, QMessageBox::Critical);
        QVERIFY(!v.lista());
    }

    void usarDatosAlmacen_data()
    {
        QTest::addColumn<QVariant>("parametro");
        QTest::addColumn<bool>("usar");
        QTest::newRow("sin parámetro") << QVariant() << true;
        QTest::newRow("vacío") << QVariant(QString()) << true;
        QTest::newRow("falso") << QVariant(u"False"_s) << false;
    }
    void usarDatosAlmacen()
    {
        QFETCH(QVariant, parametro);
        QFETCH(bool, usar);
        auto empresa = std::make_shared<EmpresaMemoria>();
        if (parametro.isValid())
            empresa->setParametro(u"UsarDatosAlmacen"_s, parametro);
        kxAlmacen selector;
        selector.setEmpresa(empresa);
        QCOMPARE(selector.UsarDatosAlmacen(), usar);
        selector.setUsarDatosAlmacen(!usar); // set by code, it wins, even over a later read
        selector.setEmpresa(empresa);
        QCOMPARE(selector.UsarDatosAlmacen(), !usar);

        empresa->setParametro(u"UsarDatosAlmacen"_s, u"quizá"_s);
        QVERIFY_EXCEPTION_THROWN(selector.setEmpresa(empresa), ErrorLotes);
    }
};

QTEST_MAIN(TstAlmacen)
#include "tst_almacen.moc"

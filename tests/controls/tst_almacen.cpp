// The warehouse picker driven by the keys a clerk presses, over the demo
// warehouses of company 1: 1 "Almacén central", 2 "Tienda norte", 3 "Tienda sur".
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

// A window with the picker (showing warehouse 1) and a box after it to tab to.
struct Ventana
{
    explicit Ventana(std::shared_ptr<Conexion> conexion)
        : empresa(std::make_shared<EmpresaMemoria>())
    {
        auto *capa = new QVBoxLayout(&ventana);
        selector = new kxAlmacen(&ventana);
        selector->setObjectName(u"txtAlmacen"_s);
        capa->addWidget(selector);
        capa->addWidget(new QLineEdit(&ventana));
        selector->setConexion(std::move(conexion));
        selector->setEmpresa(empresa);
        selector->setAlmacen(1);
        ventana.show();
        QApplication::setActiveWindow(&ventana);
        caja()->setFocus();
        cambios = std::make_unique<QSignalSpy>(selector, &kxAlmacen::AlmacenCambiado);
    }

    QLineEdit *caja() const { return selector->findChild<QLineEdit *>(u"txtCodigo"_s); }
    QString nombre() const { return selector->findChild<QLabel *>(u"lblNombre"_s)->text(); }
    Rejilla *lista() const { return selector->findChild<Rejilla *>(u"vsAlmacenes"_s); }

    // Types over what the box holds and presses `tecla`; the messages that came up.
    QStringList teclear(const QString &texto, Qt::Key tecla)
    {
        QStringList textos;
        for (const MensajeVisto &mensaje : CapturarMensajes([&] {
                 escribir(selector, u"txtCodigo"_s, texto);
                 QTest::keyClick(caja(), tecla);
             }))
            textos << mensaje.texto;
        return textos;
    }

    QList<int> emitidos() const
    {
        QList<int> almacenes;
        for (const QList<QVariant> &senal : *cambios)
            almacenes << senal.first().toInt();
        return almacenes;
    }

    std::shared_ptr<EmpresaMemoria> empresa;
    QWidget ventana;
    kxAlmacen *selector;
    std::unique_ptr<QSignalSpy> cambios;
};

} // namespace

class TstAlmacen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void desdeElCodigoNoAvisa()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion);
        QCOMPARE(v.caja()->text(), u"1"_s);
        QCOMPARE(v.nombre(), u"Almacén central"_s);
        v.selector->setAlmacen(3);
        QCOMPARE(v.selector->Almacen(), qint16(3));
        QCOMPARE(v.nombre(), u"Tienda sur"_s);
        v.selector->setAlmacen(99); // the host's code is kept, though unknown
        QCOMPARE(v.caja()->text(), u"99"_s);
        QCOMPARE(v.nombre(), QString());
        v.selector->setAlmacen(0);
        QCOMPARE(v.caja()->text(), QString());
        QVERIFY(v.cambios->isEmpty());
    }

    void teclear_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<Qt::Key>("tecla");
        QTest::addColumn<int>("almacen");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QList<int>>("avisos");
        QTest::addColumn<QStringList>("mensajes");
        QTest::newRow("código con Intro")
            << u"3"_s << Qt::Key_Return << 3 << u"Tienda sur"_s << QList<int>{3} << QStringList{};
        QTest::newRow("código con Tab") << u"2"_s << Qt::Key_Tab << 2 << u"Tienda norte"_s << QList<int>{2}
                                        << QStringList{};
        QTest::newRow("el mismo almacén no avisa")
            << u"01"_s << Qt::Key_Return << 1 << u"Almacén central"_s << QList<int>{} << QStringList{};
        QTest::newRow("código desconocido") << u"99"_s << Qt::Key_Return << 1 << u"Almacén central"_s << QList<int>{}
                                            << QStringList{u"El almacén 99 no existe."_s};
        QTest::newRow("desconocido al salir con Tab") << u"99"_s << Qt::Key_Tab << 1 << u"Almacén central"_s
                                                      << QList<int>{} << QStringList{u"El almacén 99 no existe."_s};
        QTest::newRow("fuera del tipo") << u"70000"_s << Qt::Key_Return << 1 << u"Almacén central"_s << QList<int>{}
                                        << QStringList{u"El almacén 70000 no existe."_s};
        QTest::newRow("vacío es ningún almacén")
            << QString() << Qt::Key_Return << 0 << QString() << QList<int>{0} << QStringList{};
        QTest::newRow("un solo nombre que lo contiene")
            << u"NORTE"_s << Qt::Key_Return << 2 << u"Tienda norte"_s << QList<int>{2} << QStringList{};
        QTest::newRow("un nombre del mismo almacén no avisa")
            << u"central"_s << Qt::Key_Return << 1 << u"Almacén central"_s << QList<int>{} << QStringList{};
        QTest::newRow("ningún nombre lo contiene")
            << u"oeste"_s << Qt::Key_Return << 1 << u"Almacén central"_s << QList<int>{}
            << QStringList{u"Ningún almacén tiene «oeste» en su nombre."_s};
    }
    void teclear()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, texto);
        QFETCH(Qt::Key, tecla);
        QFETCH(int, almacen);
        QFETCH(QString, nombre);
        QFETCH(QList<int>, avisos);
        QFETCH(QStringList, mensajes);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion);
        QCOMPARE(v.teclear(texto, tecla), mensajes);
        QCOMPARE(v.selector->Almacen(), qint16(almacen));
        QCOMPARE(v.caja()->text(), almacen == 0 ? QString() : QString::number(almacen));
        QCOMPARE(v.nombre(), nombre);
        QCOMPARE(v.emitidos(), avisos);
        QVERIFY(!v.lista());
    }

    // F4 lists every warehouse from the one shown; several names holding the
    // typed text list just those, from the first.
    void elegirDeLaLista_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<Qt::Key>("tecla");
        QTest::addColumn<int>("desde");
        QTest::addColumn<QStringList>("nombres");
        QTest::addColumn<int>("elegido");
        QTest::newRow("F4") << QString() << Qt::Key_F4 << 2
                            << QStringList{u"Almacén central"_s, u"Tienda norte"_s, u"Tienda sur"_s} << 3;
        QTest::newRow("por nombre") << u"tienda"_s << Qt::Key_Return << 1
                                    << QStringList{u"Tienda norte"_s, u"Tienda sur"_s} << 3;
    }
    void elegirDeLaLista()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, texto);
        QFETCH(Qt::Key, tecla);
        QFETCH(int, desde);
        QFETCH(QStringList, nombres);
        QFETCH(int, elegido);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion);
        v.selector->setAlmacen(qint16(desde));
        if (texto.isEmpty())
            QTest::keyClick(v.caja(), tecla);
        else
            QVERIFY(v.teclear(texto, tecla).isEmpty());
        QPointer<Rejilla> lista = v.lista();
        QVERIFY(lista && lista->isVisible());
        QStringList vistos;
        for (int fila = 1; fila < lista->Rows(); ++fila)
            vistos << lista->TextMatrix(fila, 1);
        QCOMPARE(vistos, nombres);
        QVERIFY(v.cambios->isEmpty());

        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, Qt::Key_Return);
        QVERIFY(!lista || !lista->isVisible());
        QCOMPARE(v.selector->Almacen(), qint16(elegido));
        QCOMPARE(v.emitidos(), QList<int>{elegido});
        QVERIFY(v.caja()->hasFocus());
    }

    void escapeCierraLaListaSinCambiar()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion);
        QTest::keyClick(v.caja(), Qt::Key_F4);
        QPointer<Rejilla> lista = v.lista();
        QVERIFY(lista);
        QTest::keyClick(lista, Qt::Key_Down);
        QTest::keyClick(lista, Qt::Key_Escape);
        QVERIFY(!lista || !lista->isVisible());
        QCOMPARE(v.selector->Almacen(), qint16(1));
        QVERIFY(v.cambios->isEmpty());
        QVERIFY(v.caja()->hasFocus());
    }

    // A failing lookup is shown; the picker keeps its warehouse.
    void errorDeLaBaseSeMuestra()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(conexion, motor, true);
        Ventana v(conexion);
        v.selector->setConexion(std::make_shared<ConexionGrabadora>(nullptr));
        const QList<MensajeVisto> vistos = CapturarMensajes([&] {
            escribir(v.selector, u"txtCodigo"_s, u"2"_s);
            QTest::keyClick(v.caja(), Qt::Key_Return);
        });
        QCOMPARE(vistos.size(), 1);
        QCOMPARE(vistos.first().icono, QMessageBox::Critical);
        QCOMPARE(v.selector->Almacen(), qint16(1));
        QVERIFY(v.cambios->isEmpty());
    }

    void usarDatosAlmacen_data()
    {
        QTest::addColumn<QVariant>("parametro");
        QTest::addColumn<bool>("usar");
        QTest::newRow("sin parámetro") << QVariant() << true;
        QTest::newRow("vacío") << QVariant(QString()) << true;
        QTest::newRow("falso") << QVariant(u"False"_s) << false;
        QTest::newRow("cero") << QVariant(u"0"_s) << false;
        QTest::newRow("verdadero") << QVariant(u"Verdadero"_s) << true;
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
        // Set by code, it wins over the parameter, even one read later.
        selector.setUsarDatosAlmacen(!usar);
        selector.setEmpresa(empresa);
        QCOMPARE(selector.UsarDatosAlmacen(), !usar);
    }

    void usarDatosAlmacenNoBooleano()
    {
        auto empresa = std::make_shared<EmpresaMemoria>();
        empresa->setParametro(u"UsarDatosAlmacen"_s, u"quizá"_s);
        kxAlmacen selector;
        QVERIFY_EXCEPTION_THROWN(selector.setEmpresa(empresa), ErrorLotes);
    }
};

QTEST_MAIN(TstAlmacen)
#include "tst_almacen.moc"

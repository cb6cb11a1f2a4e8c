// The warehouse picker driven by the clerk's keys, over the demo warehouses of
// company 1: 1 "Almacén central", 2 "Tienda norte", 3 "Tienda sur".
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxAlmacen.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"
#include "tests/support/Entrada.h"

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

const QStringList Nombres{{}, u"Almacén central"_s, u"Tienda norte"_s, u"Tienda sur"_s};

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
    // The warehouse shown, its code and name on screen, and the warehouses announced.
    QString estado() const
    {
        QStringList avisos;
        for (const QList<QVariant> &senal : cambios)
            avisos << senal.first().toString();
        return u"%1 %2 %3 [%4]"_s.arg(selector->Almacen())
            .arg(caja()->text(), selector->findChild<QLabel *>(u"lblNombre"_s)->text(), avisos.join(u','));
    }

    QWidget ventana;
    kxAlmacen *selector = new kxAlmacen(&ventana);
    QSignalSpy cambios{selector, &kxAlmacen::almacenCambiado};
};

QString estado(int almacen, const QString &avisos)
{
    return u"%1 %2 %3 [%4]"_s.arg(almacen).arg(almacen ? QString::number(almacen) : QString(), Nombres[almacen],
                                               avisos);
}

} // namespace

class TstAlmacen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { filasPorMotor(); }
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }

    // A code or part of a name, typed and ended with Intro or Tab: the
    // warehouse shown and announced, or the message; set from code afterwards,
    // a warehouse is shown and not announced.
    void teclear()
    {
        NVLA_BASE_DEL_MOTOR(conexion, true);
        const QString noExiste = u"El almacén %1 no existe."_s;
        const QList<std::tuple<QString, Qt::Key, int, QString, QString>> casos{
            {u"3"_s, Qt::Key_Return, 3, u"3"_s, {}},
            {u"2"_s, Qt::Key_Tab, 2, u"2"_s, {}},
            {u"01"_s, Qt::Key_Return, 1, {}, {}}, // the same warehouse is not announced
            {u"99"_s, Qt::Key_Return, 1, {}, noExiste.arg(99)},
            {u"99"_s, Qt::Key_Tab, 1, {}, noExiste.arg(99)},
            {u"70000"_s, Qt::Key_Return, 1, {}, noExiste.arg(70000)}, // outside the code's type
            {{}, Qt::Key_Return, 0, u"0"_s, {}},                      // empty is no warehouse
            {u"NORTE"_s, Qt::Key_Return, 2, u"2"_s, {}},              // one name holds it
            {u"central"_s, Qt::Key_Return, 1, {}, {}},
            {u"oeste"_s, Qt::Key_Return, 1, {}, u"Ningún almacén tiene «oeste» en su nombre."_s}};
        for (const auto &[texto, tecla, almacen, avisos, mensaje] : casos) {
            Ventana v(conexion, 1);
            const auto vistos = capturarMensajes([&, &texto = texto, tecla = tecla] {
                escribir(v.selector, u"txtCodigo"_s, texto);
                QTest::keyClick(v.caja(), tecla);
            });
            QCOMPARE(u"%1 %2"_s.arg(vistos.size()).arg(vistos.value(0).texto),
                     u"%1 %2"_s.arg(mensaje.isEmpty() ? 0 : 1).arg(mensaje)); // how many messages, and the first
            QCOMPARE(v.estado(), estado(almacen, avisos));
            v.selector->setAlmacen(3);
            QCOMPARE(v.estado(), estado(3, avisos));
        }
    }

    // F4 lists every warehouse from the one shown; a name several warehouses
    // hold lists just those. Escape leaves everything as it was. A database
    // error shows as a message, with no list.
    void elegirDeLaLista()
    {
        NVLA_BASE_DEL_MOTOR(conexion, true);
        const QStringList todos{u"1|Almacén central"_s, u"2|Tienda norte"_s, u"3|Tienda sur"_s};
        const QList<std::tuple<QString, QStringList, Qt::Key, int>> casos{
            {{}, todos, Qt::Key_Return, 3},
            {{}, todos, Qt::Key_Escape, 2},
            {u"tienda"_s, todos.mid(1), Qt::Key_Return, 3},
            {{}, {}, Qt::Key_Escape, 2}};
        for (const auto &[texto, nombres, tecla, almacen] : casos) {
            Ventana v(conexion, 2);
            if (nombres.isEmpty()) // a database error
                v.selector->setConexion(std::make_shared<ConexionGrabadora>(nullptr));
            const auto vistos = capturarMensajes([&, &texto = texto] {
                if (!texto.isEmpty())
                    escribir(v.selector, u"txtCodigo"_s, texto);
                QTest::keyClick(v.caja(), texto.isEmpty() ? Qt::Key_F4 : Qt::Key_Return);
            });
            QPointer<Rejilla> lista = v.selector->findChild<Rejilla *>(u"vsAlmacenes"_s);
            if (nombres.isEmpty()) {
                QCOMPARE(vistos.size(), 1);
                QCOMPARE(vistos.first().icono, QMessageBox::Critical);
                QVERIFY(!lista);
                continue;
            }
            QVERIFY(vistos.isEmpty() && lista && lista->isVisible());
            QCOMPARE(lineasRejilla(v.selector, u"vsAlmacenes"_s), nombres);
            QTest::keyClick(lista, Qt::Key_Down);
            QTest::keyClick(lista, tecla);
            QVERIFY(!lista || !lista->isVisible());
            QCOMPARE(v.estado(), estado(almacen, almacen == 2 ? QString() : QString::number(almacen)));
            QVERIFY(v.caja()->hasFocus());
        }
    }
};

QTEST_MAIN(TstAlmacen)
#include "tst_almacen.moc"

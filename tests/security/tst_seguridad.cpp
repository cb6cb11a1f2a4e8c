// Control permissions and the form and control catalog, on real forms, on
// every engine.
#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/database/ConexionGrabadora.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "security/ColeccionControles.h"
#include "security/clsControlSeg.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/BucleFallos.h"
#include "tests/support/Conduccion.h"
#include "tests/support/ConexionConFallo.h"

#include <nvlalotes/EmpresaMemoria.h>

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// A control that shows a permission its own way.
class CajaConNivel final : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int AccessLevel MEMBER AccessLevel)

public:
    using QLineEdit::QLineEdit;
    int AccessLevel = -1;
};

// The sample form: a label, a text and a date box, a frame holding a control
// array of two buttons, a box of its own level, a grid and a warehouse picker. `duplicar` puts a
// second txtNombre right after the label.
std::unique_ptr<QWidget> formulario(bool duplicar = false)
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName(u"frmPrueba"_s);
    QWidget *f = form.get();
    Formulario::etiqueta(f, u"lblNombre"_s, u"Nombre"_s, {100, 100, 900, 300});
    if (duplicar)
        Formulario::etiqueta(f, u"txtNombre"_s, u"Otra"_s, {100, 500, 900, 300});
    auto *txt = Formulario::cajaTexto(f, u"txtNombre"_s, 20, {1100, 100, 2000, 300});
    auto *fecha = Formulario::cajaFecha(f, {1100, 500, 1300, 300});
    auto *marco = Formulario::marco(f, u"fraOpciones"_s, u"Opciones"_s, {100, 900, 3000, 900});
    auto *b0 = Formulario::boton(marco, u"cmdOpcion"_s, u"Uno"_s, {100, 300, 1000, 360});
    auto *b1 = Formulario::boton(marco, u"cmdOpcion"_s, u"Dos"_s, {1200, 300, 1000, 360});
    b0->setProperty(ColeccionControles::PropiedadIndice, 0);
    b1->setProperty(ColeccionControles::PropiedadIndice, 1);
    auto *propia = new CajaConNivel(f);
    propia->setObjectName(u"txtPropia"_s);
    auto *rejilla = Formulario::rejilla(f, u"vsLotes"_s, {100, 1900, 3000, 1500});
    // Its inner box, name and button are no controls of the form.
    Formulario::selectorAlmacen(f, u"txtAlmacen"_s, {100, 3500, 4245, 315});
    Formulario::ordenTabulacion({txt, fecha, b0, b1, rejilla});
    return form;
}

QWidget *porClave(QWidget *form, const QString &clave)
{
    for (QWidget *c : ColeccionControles::De(form)) {
        if (ColeccionControles::Clave(c) == clave)
            return c;
    }
    return nullptr;
}

// Each control as "name!index:flags": hidden, disabled, read-only.
QStringList estados(QWidget *form)
{
    QStringList lista;
    for (QWidget *c : ColeccionControles::De(form)) {
        QString marcas;
        marcas += c->isHidden() ? u'H' : u'-';
        marcas += c->isEnabled() ? u'-' : u'D';
        marcas += c->property("readOnly").toBool() ? u'R' : u'-';
        lista << ColeccionControles::Clave(c) + u':' + marcas;
    }
    return lista;
}

QStringList catalogo(Conexion &bd)
{
    return FilasDe(bd, u"SELECT Cod_Formulario, Nombre FROM SGD_Formularios ORDER BY Cod_Formulario"_s) +
           FilasDe(bd, u"SELECT Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex FROM SGD_Controles "
                       u"ORDER BY Cod_Formulario, Cod_Control"_s) +
           FilasDe(bd, u"SELECT Cod_Grupo, Cod_Formulario, Cod_Control, Permiso FROM SGD_Controles_Grupos "
                       u"ORDER BY Cod_Grupo, Cod_Formulario, Cod_Control"_s);
}

// Permissions of groups on controls of the catalog, each "group:name:index:permission".
void permitir(Conexion &bd, const QString &permisos)
{
    for (const QString &p : permisos.split(u' ')) {
        const QStringList c = p.split(u':');
        bd.Ejecutar(u"INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) SELECT %1, "
                    u"Cod_Formulario, Cod_Control, %2 FROM SGD_Controles WHERE Nombre = '%3' AND Indice = '%4'"_s.arg(
                        c[0], c[3], c[1], c[2].leftJustified(2)));
    }
}

// The catalog of an earlier version of the form: txtViejo is gone since.
void sembrarCatalogoViejo(Conexion &bd)
{
    bd.Ejecutar(u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES (1, 'frmPrueba')"_s);
    bd.Ejecutar(u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) "
                u"VALUES (1, 1, 'txtViejo', '  ', 3)"_s);
    bd.Ejecutar(u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) "
                u"VALUES (1, 2, 'txtNombre', '  ', 0)"_s);
    permitir(bd, u"0:txtViejo::2 0:txtNombre::2"_s);
}

// An object set up as the library sets it up: registration on the shared
// connection, the permission query on `conexion`.
struct Seguridad
{
    clsControlSeg seg;
    QSignalSpy todos{&seg, &clsControlSeg::AfterSetStateAllControls};
    QSignalSpy uno{&seg, &clsControlSeg::AfterSetStateControl};

    Seguridad(QWidget *form, std::shared_ptr<Conexion> compartida, std::shared_ptr<Conexion> conexion,
              bool noProcesar = false, qint32 usuario = 2)
    {
        auto empresa = std::make_shared<EmpresaMemoria>();
        empresa->setParametro(u"NoProcesarPermisosControles"_s, noProcesar);
        ContextoCompartido::setConexion(std::move(compartida));
        seg.cEmpresa(empresa);
        seg.Conexion(std::move(conexion));
        seg.ContentForm(form);
        seg.Usuario = usuario;
    }
    QList<MensajeVisto> aplicar()
    {
        return CapturarMensajes([this] { seg.SetStateAllControl(); });
    }
    QStringList senalados() const
    {
        QStringList nombres;
        for (const QList<QVariant> &senal : uno)
            nombres << ColeccionControles::Clave(senal.at(0).value<QWidget *>());
        return nombres;
    }
};

} // namespace

class TstSeguridad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void cleanup()
    {
        ContextoCompartido::setConexion(nullptr);
        QVERIFY(NingunaVentanaAbierta());
    }

    void primerRegistroYPermisos()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        const auto form = formulario();
        // A quote in the form's name stays inside the literals of the statements.
        form->setObjectName(u"frmO'Brien"_s);
        {
            Seguridad primera(form.get(), bd, bd);
            QVERIFY(primera.aplicar().isEmpty());
        }
        // Numbered from 1 in collection order; a control that takes no focus has
        // the number of controls as its position, one outside the form's tab
        // order its place in the focus chain.
        QCOMPARE(catalogo(*bd).join(u' '), u"1|frmO'Brien 1|1|lblNombre|  |9 1|2|txtNombre|  |0 1|3|txtCaducidad|  |1 "
                                           u"1|4|fraOpciones|  |9 1|5|cmdOpcion|0 |2 1|6|cmdOpcion|1 |3 "
                                           u"1|7|txtPropia|  |5 1|8|vsLotes|  |4 1|9|txtAlmacen|  |6"_s);

        QVERIFY_SQL(bd->Ejecutar(u"INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (2, 5), (2, 6)"_s));
        // Group 5 is the user's: more restrictive on txtNombre than all (0); 11 is
        // not the user's; a label cannot be read-only. Two of the user's groups on
        // txtPropia: the most restrictive permission is applied last.
        QVERIFY_SQL(permitir(*bd, u"0:txtNombre::0 5:txtNombre::2 11:txtCaducidad::2 5:txtCaducidad::1 0:lblNombre::1 "
                                  u"0:fraOpciones::0 5:cmdOpcion:1:2 6:txtPropia::2 5:txtPropia::1 0:vsLotes::1"_s));
        porClave(form.get(), u"fraOpciones!"_s)->hide();

        Seguridad segunda(form.get(), bd, bd);
        QVERIFY(segunda.aplicar().isEmpty());
        QCOMPARE(estados(form.get()).join(u' '), u"lblNombre!:-D- txtNombre!:-D- txtCaducidad!:--R fraOpciones!:--- "
                                                 u"cmdOpcion!0:--- cmdOpcion!1:-D- txtPropia!:--- vsLotes!:-D- "
                                                 u"txtAlmacen!:---"_s);
        QCOMPARE(static_cast<CajaConNivel *>(porClave(form.get(), u"txtPropia!"_s))->AccessLevel, 2);
        const QColor gris = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
        QCOMPARE(porClave(form.get(), u"lblNombre!"_s)->palette().color(QPalette::WindowText), gris);
        QVERIFY(static_cast<PushButton *>(porClave(form.get(), u"cmdOpcion!1"_s))->isFlat());
        // By name, and for one control from the least to the most restrictive.
        QCOMPARE(segunda.senalados(),
                 QStringList({u"cmdOpcion!1"_s, u"fraOpciones!"_s, u"lblNombre!"_s, u"txtCaducidad!"_s, u"txtNombre!"_s,
                              u"txtNombre!"_s, u"vsLotes!"_s}));
        QCOMPARE(segunda.todos.count(), 1);
    }

    void servidorDelCatalogo_data()
    {
        QTest::addColumn<QString>("servidor");
        QTest::addColumn<QString>("configurado");
        QTest::addColumn<bool>("noProcesar");
        QTest::addColumn<bool>("registra");
        QTest::newRow("catalogo") << u"NVLALOTES"_s << QString() << false << true;
        QTest::newRow("nombre en minusculas") << u"nvlalotes"_s << QString() << false << true;
        QTest::newRow("otro servidor") << u"OTRO"_s << QString() << false << false;
        QTest::newRow("servidor configurado") << u"OTRO"_s << u"otro"_s << false << true;
        QTest::newRow("permisos sin procesar") << u"NVLALOTES"_s << QString() << true << true;
    }

    void servidorDelCatalogo()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, servidor);
        QFETCH(QString, configurado);
        QFETCH(bool, noProcesar);
        QFETCH(bool, registra);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(bd->Ejecutar(u"UPDATE Servidor SET Nombre = '%1'"_s.arg(servidor)));
        QVERIFY_SQL(sembrarCatalogoViejo(*bd));
        const QStringList antes = catalogo(*bd);
        if (!configurado.isEmpty())
            qputenv("NVLA_SERVIDOR_CATALOGO", configurado.toUtf8());
        const auto restaurar = qScopeGuard([] { qunsetenv("NVLA_SERVIDOR_CATALOGO"); });
        const auto grabadora = std::make_shared<ConexionGrabadora>(bd);
        const auto form = formulario();
        Seguridad seguridad(form.get(), grabadora, bd, noProcesar);

        QVERIFY(seguridad.aplicar().isEmpty()); // the row of txtViejo, gone from the form, is skipped
        // txtViejo, gone from the form, loses its row and its permission; the others keep theirs.
        QCOMPARE(catalogo(*bd).contains(u"1|1|txtViejo|  |3"_s), !registra);
        const QStringList permisos = registra ? QStringList{u"2"_s} : QStringList{u"1"_s, u"2"_s};
        QCOMPARE(FilasDe(*bd, u"SELECT Cod_Control FROM SGD_Controles_Grupos ORDER BY Cod_Control"_s), permisos);
        QCOMPARE(catalogo(*bd).contains(u"1|3|lblNombre|  |9"_s), registra);
        if (!registra)
            QCOMPARE(catalogo(*bd), antes);
        QCOMPARE(grabadora->Textos().size() > 1, registra);
        QCOMPARE(porClave(form.get(), u"txtNombre!"_s)->isEnabled(), noProcesar);
        QCOMPARE(seguridad.todos.count(), noProcesar ? 0 : 1);
        // Once per object, wherever the catalog was.
        grabadora->Olvidar();
        QVERIFY(seguridad.aplicar().isEmpty());
        QCOMPARE(grabadora->Textos(), QStringList());
    }

    void claveRepetida()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        const auto form = formulario(true);
        {
            Seguridad registro(form.get(), bd, bd);
            QCOMPARE(registro.aplicar().size(), 1);
        }
        QVERIFY_SQL(permitir(*bd, u"0:lblNombre::2 0:vsLotes::2"_s));
        Seguridad seguridad(form.get(), bd, bd);
        const QList<MensajeVisto> mensajes = seguridad.aplicar();
        QCOMPARE(mensajes.size(), 1);
        QCOMPARE(mensajes.at(0).icono, QMessageBox::Critical);
        QVERIFY2(mensajes.at(0).texto.endsWith(u"\ntxtNombre"_s), qPrintable(mensajes.at(0).texto));
        // It goes on with the controls mapped before the repeated one.
        QVERIFY(!porClave(form.get(), u"lblNombre!"_s)->isEnabled());
        QVERIFY(porClave(form.get(), u"vsLotes!"_s)->isEnabled());
        QCOMPARE(seguridad.todos.count(), 1);
    }

    // Registration that failed (no shared connection yet) is tried again by the
    // next call on the same object.
    void registroFallidoSeRepite()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        const auto form = formulario();
        Seguridad seguridad(form.get(), nullptr, bd);
        QCOMPARE(seguridad.aplicar().size(), 1);
        QCOMPARE(catalogo(*bd), QStringList());
        ContextoCompartido::setConexion(bd);
        QVERIFY(seguridad.aplicar().isEmpty());
        QCOMPARE(catalogo(*bd).size(), 10);
    }

    void cadaPasoPuedeFallar()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(disponible, motor, false);
        disponible.reset();
        QStringList catalogoLimpio, estadosLimpios;
        const auto correr = [&](const std::shared_ptr<Conexion> &conFallo, Conexion &real, int paso) {
            const auto form = formulario();
            Seguridad seguridad(form.get(), conFallo, conFallo);
            // The failed call tells the user; the next one, on the same object, finishes the work.
            QList<MensajeVisto> mensajes = seguridad.aplicar();
            mensajes += seguridad.aplicar();
            if (paso == 0) {
                QVERIFY(mensajes.isEmpty());
                catalogoLimpio = catalogo(real);
                estadosLimpios = estados(form.get());
                return;
            }
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes.at(0).titulo, u"clsControlSeg:SetStateAllControl"_s);
            QCOMPARE(mensajes.at(0).icono, QMessageBox::Critical);
            QVERIFY2(mensajes.at(0).texto.contains(ConexionConFallo::TextoFallo()), qPrintable(mensajes.at(0).texto));
            QCOMPARE(catalogo(real), catalogoLimpio);
            QCOMPARE(estados(form.get()), estadosLimpios);
        };
        const int pasos = RecorrerPasos(motor, sembrarCatalogoViejo, correr);
        QVERIFY(pasos > 0);
        qInfo("%d steps failed in turn", pasos);
    }
};

QTEST_MAIN(TstSeguridad)
#include "tst_seguridad.moc"

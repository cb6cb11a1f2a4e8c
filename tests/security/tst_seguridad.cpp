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
#include "tests/support/Entrada.h"

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
// array of two buttons, a box of its own level and a grid. `duplicar` puts a
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

// A permission of a group on a control of the catalog, by the control's name and index.
void permitir(Conexion &bd, int grupo, const QString &nombre, const QString &indice, int permiso)
{
    bd.Ejecutar(u"INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) "
                u"SELECT %1, Cod_Formulario, Cod_Control, %2 FROM SGD_Controles WHERE Nombre = '%3' AND Indice = '%4'"_s
                    .arg(grupo)
                    .arg(permiso)
                    .arg(nombre, indice.leftJustified(2)));
}

// The catalog of an earlier version of the form: txtViejo is gone since.
void sembrarCatalogoViejo(Conexion &bd)
{
    bd.Ejecutar(u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES (1, 'frmPrueba')"_s);
    bd.Ejecutar(u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) "
                u"VALUES (1, 1, 'txtViejo', '  ', 3)"_s);
    bd.Ejecutar(u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) "
                u"VALUES (1, 2, 'txtNombre', '  ', 0)"_s);
    permitir(bd, 0, u"txtViejo"_s, {}, 2);
    permitir(bd, 0, u"txtNombre"_s, {}, 2);
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
    void cleanup()
    {
        ContextoCompartido::setConexion(nullptr);
        QVERIFY(NingunaVentanaAbierta());
    }

    void primerRegistroYPermisos_data() { FilasPorMotor(); }
    void primerRegistroYPermisos();
    void servidorDelCatalogo_data();
    void servidorDelCatalogo();
    void claveRepetida_data() { FilasPorMotor(); }
    void claveRepetida();
    void registroFallidoSeRepite_data() { FilasPorMotor(); }
    void registroFallidoSeRepite();
    void cadaPasoPuedeFallar_data() { FilasPorMotor(); }
    void cadaPasoPuedeFallar();
    void selectorEsUnControl();
    void posicionesDeDiseno();
};

// The warehouse picker's inner box, name and button are no controls of the form.
void TstSeguridad::selectorEsUnControl()
{
    QWidget form;
    form.setObjectName(u"frmPrueba"_s);
    Formulario::selectorAlmacen(&form, u"txtAlmacen"_s, {825, 135, 4245, 315});
    Formulario::etiqueta(&form, u"Label1"_s, u"Almacén:"_s, {105, 195, 660, 195});
    QStringList nombres;
    for (const QWidget *control : ColeccionControles::De(&form))
        nombres << control->objectName();
    QCOMPARE(nombres, QStringList({u"txtAlmacen"_s, u"Label1"_s}));
}

// The catalog records each control's designed tab position, gaps, frames and
// labels included; a control whose design gives none counts the form's controls.
void TstSeguridad::posicionesDeDiseno()
{
    NVLA_BASE_DATOS(bd, Motores().constFirst(), true);
    auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
    empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, true);
    empresa->setParametro(u"UsuarioActual"_s, 1);
    for (const auto &[clase, modelo, posiciones] :
         {std::tuple{"facturacion", "2",
                     "vsLotes|0 cmdAceptar|1 cmdCancelar|2 frmNuevoLote|11 lblCaducidad|11 txtCaducidad|3 lblTono|11 "
                     "txtTono|4 lblCalibre|11 txtCalibre|5 cmdContinuar|10"},
          {"inventario", "3",
           "vsLotes|5 cmdAceptar|6 cmdCancelar|7 frmNuevoLote|0 lblCaducidad|1 txtCaducidad|2 lblLote|3 kxLote|4"},
          {"inventario", "2",
           "vsLotes|0 cmdAceptar|1 cmdCancelar|2 frmNuevoLote|6 lblCaducidad|7 txtCaducidad|3 lblTono|8 kxTono|4 "
           "lblCalibre|9 kxCalibre|5"},
          {"stock", "3", "Label1|5 txtAlmacen|2 vsLotes|1 cmdCrear|4 cmdSalir|0"}}) {
        empresa->setParametro(u"Lotes_ModeloUsar"_s, QString::fromLatin1(modelo));
        Entrada entrada(QString::fromLatin1(clase));
        entrada.clase().EmpresaNuvalia(empresa);
        entrada.clase().ConexionNuvalia(bd);
        QVERIFY(ConDialogo([&] { entrada.Show(); },
                           [&](QDialog *d) {
                               QVERIFY(Seguridad(d, bd, bd).aplicar().isEmpty());
                               d->close();
                               QCOMPARE(
                                   FilasDe(*bd, u"SELECT c.Nombre, c.TabIndex FROM SGD_Controles c, SGD_Formularios f "
                                                u"WHERE f.Cod_Formulario = c.Cod_Formulario AND f.Nombre = '%1' "
                                                u"ORDER BY c.Cod_Control"_s.arg(d->objectName()))
                                       .join(u' '),
                                   QString::fromLatin1(posiciones));
                           }));
    }
}

void TstSeguridad::primerRegistroYPermisos()
{
    QFETCH(QString, motor);
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
    QCOMPARE(catalogo(*bd), QStringList({u"1|frmO'Brien"_s, u"1|1|lblNombre|  |8"_s, u"1|2|txtNombre|  |0"_s,
                                         u"1|3|txtCaducidad|  |1"_s, u"1|4|fraOpciones|  |8"_s, u"1|5|cmdOpcion|0 |2"_s,
                                         u"1|6|cmdOpcion|1 |3"_s, u"1|7|txtPropia|  |5"_s, u"1|8|vsLotes|  |4"_s}));

    QVERIFY_SQL(bd->Ejecutar(u"INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (2, 5), (2, 6)"_s));
    QVERIFY_SQL(permitir(*bd, 0, u"txtNombre"_s, {}, 0));
    QVERIFY_SQL(permitir(*bd, 5, u"txtNombre"_s, {}, 2));     // the user's group, more restrictive
    QVERIFY_SQL(permitir(*bd, 11, u"txtCaducidad"_s, {}, 2)); // not the user's group
    QVERIFY_SQL(permitir(*bd, 5, u"txtCaducidad"_s, {}, 1));
    QVERIFY_SQL(permitir(*bd, 0, u"lblNombre"_s, {}, 1)); // a label cannot be read-only
    QVERIFY_SQL(permitir(*bd, 0, u"fraOpciones"_s, {}, 0));
    QVERIFY_SQL(permitir(*bd, 5, u"cmdOpcion"_s, u"1"_s, 2));
    // Two of the user's groups: the most restrictive permission is applied last.
    QVERIFY_SQL(permitir(*bd, 6, u"txtPropia"_s, {}, 2));
    QVERIFY_SQL(permitir(*bd, 5, u"txtPropia"_s, {}, 1));
    QVERIFY_SQL(permitir(*bd, 0, u"vsLotes"_s, {}, 1));
    porClave(form.get(), u"fraOpciones!"_s)->hide();

    Seguridad segunda(form.get(), bd, bd);
    QVERIFY(segunda.aplicar().isEmpty());
    QCOMPARE(estados(form.get()),
             QStringList({u"lblNombre!:-D-"_s, u"txtNombre!:-D-"_s, u"txtCaducidad!:--R"_s, u"fraOpciones!:---"_s,
                          u"cmdOpcion!0:---"_s, u"cmdOpcion!1:-D-"_s, u"txtPropia!:---"_s, u"vsLotes!:-D-"_s}));
    QCOMPARE(static_cast<CajaConNivel *>(porClave(form.get(), u"txtPropia!"_s))->AccessLevel, 2);
    const QColor gris = QApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    QCOMPARE(porClave(form.get(), u"lblNombre!"_s)->palette().color(QPalette::WindowText), gris);
    QVERIFY(static_cast<PushButton *>(porClave(form.get(), u"cmdOpcion!1"_s))->isFlat());
    // By name, and for one control from the least to the most restrictive.
    QCOMPARE(segunda.senalados(), QStringList({u"cmdOpcion!1"_s, u"fraOpciones!"_s, u"lblNombre!"_s, u"txtCaducidad!"_s,
                                               u"txtNombre!"_s, u"txtNombre!"_s, u"vsLotes!"_s}));
    QCOMPARE(segunda.todos.count(), 1);
}

void TstSeguridad::servidorDelCatalogo_data()
{
    QTest::addColumn<QString>("motor");
    QTest::addColumn<QString>("servidor");
    QTest::addColumn<QString>("configurado");
    QTest::addColumn<bool>("noProcesar");
    QTest::addColumn<bool>("registra");
    for (const QString &motor : Motores()) {
        const auto fila = [&](const char *nombre) {
            return &QTest::newRow(qPrintable(motor + u' ' + QString::fromUtf8(nombre)));
        };
        *fila("catalogo") << motor << u"NVLALOTES"_s << QString() << false << true;
        *fila("nombre en minusculas") << motor << u"nvlalotes"_s << QString() << false << true;
        *fila("otro servidor") << motor << u"OTRO"_s << QString() << false << false;
        *fila("servidor configurado") << motor << u"OTRO"_s << u"otro"_s << false << true;
        *fila("permisos sin procesar") << motor << u"NVLALOTES"_s << QString() << true << true;
    }
}

void TstSeguridad::servidorDelCatalogo()
{
    QFETCH(QString, motor);
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
    QCOMPARE(catalogo(*bd).contains(u"1|3|lblNombre|  |8"_s), registra);
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

void TstSeguridad::claveRepetida()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, false);
    const auto form = formulario(true);
    {
        // Without a permission row the form is never mapped: nothing to tell.
        Seguridad registro(form.get(), bd, bd);
        QVERIFY(registro.aplicar().isEmpty());
    }
    QVERIFY_SQL(permitir(*bd, 0, u"lblNombre"_s, {}, 2));
    QVERIFY_SQL(permitir(*bd, 0, u"vsLotes"_s, {}, 2));
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
void TstSeguridad::registroFallidoSeRepite()
{
    QFETCH(QString, motor);
    NVLA_BASE_DATOS(bd, motor, false);
    const auto form = formulario();
    Seguridad seguridad(form.get(), nullptr, bd);
    QCOMPARE(seguridad.aplicar().size(), 1);
    QCOMPARE(catalogo(*bd), QStringList());
    ContextoCompartido::setConexion(bd);
    QVERIFY(seguridad.aplicar().isEmpty());
    QCOMPARE(catalogo(*bd).size(), 9);
}

void TstSeguridad::cadaPasoPuedeFallar()
{
    QFETCH(QString, motor);
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

QTEST_MAIN(TstSeguridad)
#include "tst_seguridad.moc"

// Control permissions and the form and control catalog, on real forms, on
// every engine.
#include "EscenarioSeguridad.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/core/database/ConexionGrabadora.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "tests/support/Entrada.h"

#include <nvlalotes/EmpresaMemoria.h>

#include <QApplication>
#include <QScopeGuard>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

class TstSeguridad : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { filasPorMotor(); }
    void cleanup()
    {
        ContextoCompartido::setConexion(nullptr);
        QVERIFY(ningunaVentanaAbierta());
    }

    void primerRegistroYPermisos()
    {
        NVLA_BASE_DEL_MOTOR(bd, false);
        const auto form = formulario();
        // A quote in the form's name stays inside the literals of the statements.
        form->setObjectName(u"frmO'Brien"_s);
        QVERIFY(Seguridad(form.get(), bd, bd).aplicar().isEmpty());
        // Numbered from 1 in collection order; a control that takes no focus has
        // the number of controls as its position, one outside the form's tab
        // order its place in the focus chain.
        QCOMPARE(catalogo(*bd).join(u' '), u"1|frmO'Brien 1|1|lblNombre|  |9 1|2|txtNombre|  |0 1|3|txtCaducidad|  |1 "
                                           u"1|4|fraOpciones|  |9 1|5|cmdOpcion|0 |2 1|6|cmdOpcion|1 |3 "
                                           u"1|7|txtPropia|  |5 1|8|vsLotes|  |4 1|9|txtAlmacen|  |6"_s);

        QVERIFY_SQL(bd->ejecutar(u"INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (2, 5), (2, 6)"_s));
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
        // Signalled one by one by name, and for one control from the least to the most restrictive.
        QStringList senalados;
        for (const QList<QVariant> &senal : segunda.uno)
            senalados << ColeccionControles::clave(senal.at(0).value<QWidget *>());
        QCOMPARE(senalados, QStringList({u"cmdOpcion!1"_s, u"fraOpciones!"_s, u"lblNombre!"_s, u"txtCaducidad!"_s,
                                         u"txtNombre!"_s, u"txtNombre!"_s, u"vsLotes!"_s}));
        QCOMPARE(segunda.todos.count(), 1);
    }

    // Each row: the server's name, the one configured, whether permissions go
    // unprocessed, and whether the catalog is written.
    void servidorDelCatalogo_data()
    {
        QTest::addColumn<QStringList>("caso");
        for (const QString &fila :
             {u"catalogo:NVLALOTES::0:1"_s, u"nombre en minusculas:nvlalotes::0:1"_s, u"otro servidor:OTRO::0:0"_s,
              u"servidor configurado:OTRO:otro:0:1"_s, u"permisos sin procesar:NVLALOTES::1:1"_s})
            QTest::newRow(qPrintable(fila.section(u':', 0, 0))) << fila.split(u':').mid(1);
    }

    void servidorDelCatalogo()
    {
        QFETCH(QStringList, caso);
        const bool noProcesar = caso[2] == u"1";
        const bool registra = caso[3] == u"1";
        NVLA_BASE_DEL_MOTOR(bd, false);
        QVERIFY_SQL(bd->ejecutar(u"UPDATE Servidor SET Nombre = '%1'"_s.arg(caso[0])));
        QVERIFY_SQL(sembrarCatalogoViejo(*bd));
        const QStringList antes = catalogo(*bd);
        if (!caso[1].isEmpty()) // the server the catalog is configured on
            qputenv("NVLA_SERVIDOR_CATALOGO", caso[1].toUtf8());
        const auto restaurar = qScopeGuard([] { qunsetenv("NVLA_SERVIDOR_CATALOGO"); });
        const auto grabadora = std::make_shared<ConexionGrabadora>(bd);
        const auto form = formulario();
        Seguridad seguridad(form.get(), grabadora, bd, noProcesar);

        QVERIFY(seguridad.aplicar().isEmpty()); // the row of txtViejo, gone from the form, is skipped
        // txtViejo, gone from the form, loses its row and its permission; the others keep theirs.
        QCOMPARE(catalogo(*bd).contains(u"1|1|txtViejo|  |3"_s), !registra);
        const QStringList permisos = registra ? QStringList{u"2"_s} : QStringList{u"1"_s, u"2"_s};
        QCOMPARE(filasDe(*bd, u"SELECT Cod_Control FROM SGD_Controles_Grupos ORDER BY Cod_Control"_s), permisos);
        QCOMPARE(catalogo(*bd).contains(u"1|3|lblNombre|  |9"_s), registra);
        if (!registra)
            QCOMPARE(catalogo(*bd), antes);
        QCOMPARE(grabadora->textos().size() > 1, registra);
        QCOMPARE(porClave(form.get(), u"txtNombre!"_s)->isEnabled(), noProcesar);
        QCOMPARE(seguridad.todos.count(), noProcesar ? 0 : 1);
        // Once per object, wherever the catalog was.
        grabadora->olvidar();
        QVERIFY(seguridad.aplicar().isEmpty());
        QCOMPARE(grabadora->textos(), QStringList());
    }

    void claveRepetida()
    {
        NVLA_BASE_DEL_MOTOR(bd, false);
        const auto form = formulario(true);
        // Without a permission row the form is never mapped: nothing to tell.
        QVERIFY(Seguridad(form.get(), bd, bd).aplicar().isEmpty());
        QVERIFY_SQL(permitir(*bd, u"0:lblNombre::2 0:vsLotes::2"_s));
        Seguridad seguridad(form.get(), bd, bd);
        const QList<MensajeVisto> mensajes = seguridad.aplicar();
        QVERIFY2(mensajes.size() == 1 && mensajes[0].icono == QMessageBox::Critical &&
                     mensajes[0].texto.endsWith(u"\ntxtNombre"_s),
                 qPrintable(textos(mensajes)));
        // It goes on with the controls mapped before the repeated one.
        QVERIFY(!porClave(form.get(), u"lblNombre!"_s)->isEnabled());
        QVERIFY(porClave(form.get(), u"vsLotes!"_s)->isEnabled());
        QCOMPARE(seguridad.todos.count(), 1);
    }

    // The catalog records each control's designed tab position, gaps, frames and
    // labels included; a control whose design gives none counts the form's controls.
    void posicionesDeDiseno()
    {
        NVLA_BASE_DEL_MOTOR(bd, true);
        auto empresa = std::make_shared<EmpresaMemoria>(1, 1);
        empresa->setParametro(u"Lotes_ModeloUsar"_s, 2);
        Entrada entrada(u"facturacion"_s);
        entrada.clase().EmpresaNuvalia(empresa);
        entrada.clase().ConexionNuvalia(bd);
        QVERIFY(entrada.mostrar([&](QDialog *d) {
            QVERIFY(Seguridad(d, bd, bd).aplicar().isEmpty());
            d->close();
        }));
        QCOMPARE(filasDe(*bd, u"SELECT c.Nombre, c.TabIndex FROM SGD_Controles c, SGD_Formularios f WHERE "
                              u"f.Cod_Formulario = c.Cod_Formulario AND f.Nombre = 'frmLotesStockFacturar2' "
                              u"ORDER BY c.Cod_Control"_s)
                     .join(u' '),
                 u"vsLotes|0 cmdAceptar|1 cmdCancelar|2 frmNuevoLote|11 lblCaducidad|11 txtCaducidad|3 lblTono|11 "
                 u"txtTono|4 lblCalibre|11 txtCalibre|5 cmdContinuar|10"_s);
    }
};

QTEST_MAIN(TstSeguridad)
#include "tst_seguridad.moc"

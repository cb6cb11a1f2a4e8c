// The stock entry class and its two windows, driven as the clerk uses them.
#include "EscenarioStock.h"
#include "foundation/controls/BusquedaEnRejilla.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/values/Conversiones.h"
#include "labels/ReporteEtiquetas.h"
#include "viewer/VisorReporte.h"

#include <nvlalotes/RegistroAlmacen.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QScopeGuard>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QString P = u"PENDIENTE DE ENTREGA"_s;

// The pending-deliveries rows, with the units as numbers whatever text the engine gives them.
QStringList documentos(QDialog *v)
{
    QStringList filas = lineasRejilla(v, u"vsAPE"_s);
    for (QString &fila : filas)
        fila = fila.section(u'|', 0, -2) + u'|' + QString::number(valorNumerico(fila.section(u'|', -1)));
    return filas;
}

} // namespace

class TstStock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { filasPorMotor(); }
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }

    // Models 2 to 4 show a window with the host's fields (warehouse 1 keeps no
    // expiry dates: the window narrows its copy only), modeless Show unloads it
    // at once. It lists the article's lots (never another article's), its
    // stock without lots, the units owed and who owes them: the tone window's
    // business, not the lot window's, which shows nothing of another warehouse.
    void lista_data()
    {
        // The model, lots seeded, the article's stock record ("-" none), units owed ("x": and their
        // documents unreadable).
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QStringList>("filas");
        const QStringList lotes{u"41||3,00|A1|10|31/03/2027"_s, u"42|X|8,00|B2|12|31/08/2027"_s};
        const QString debido = u"||-9,00|"_s + P + u'|' + P + u'|' + P;
        QTest::newRow("lotes") << u"2 1 10 0"_s << lotes + QStringList{u"||11,00|||"_s};
        QTest::newRow("lotes y pendientes") << u"2 1 10 1"_s << lotes + QStringList{debido, u"||2,00|||"_s};
        QTest::newRow("documentos ilegibles") << u"2 1 10 x"_s << lotes + QStringList{debido};
        QTest::newRow("sin lotes") << u"2 0 10 0"_s << QStringList{u"||10,00|||"_s, u"||10,00|||"_s};
        QTest::newRow("sin lotes, pendientes")
            << u"2 0 10 1"_s << QStringList{u"||19,00|||"_s, debido, u"||10,00|||"_s};
        QTest::newRow("nada") << u"2 0 - 0"_s << QStringList();
        for (const QString &modelo : {u"3"_s, u"4"_s})
            QTest::newRow(qPrintable(u"ventana de lotes "_s + modelo))
                << modelo + u" 1 - 1"_s
                << QStringList{u"41|3,00|L-3|31/03/2027"_s, u"42|8,00|L-8|31/08/2027"_s, u"|11,00||"_s};
    }
    void lista()
    {
        QFETCH(QString, caso);
        QFETCH(QStringList, filas);
        const QStringList c = caso.split(u' ');
        const bool tonos = c[0] == u"2";
        NVLA_BASE_DEL_MOTOR(bd, false);
        QVERIFY_SQL(sembrarStock(*bd, c[1] == u"1" ? LotesStock : QList<LotePrueba>()));
        if (c[2] != u"-")
            QVERIFY_SQL(sembrarStockArticulo(*bd, AlmacenPrueba, c[2]));
        // Each owing line as type, number, customer, units, supplied, warehouse: the last two are owed
        // from another warehouse, and fully supplied, so neither counts.
        for (const QString &d : c[3] != u"0" ? u"F27521 A47401 A38201 F57602 F67661"_s.split(u' ') : QStringList())
            QVERIFY_SQL(sembrarPendiente(*bd, d.left(1), d[1].digitValue(), d[2].digitValue(), d.mid(3, 1), d.mid(4, 1),
                                         qint16(d[5].digitValue())));
        if (c[3] == u"x")
            QVERIFY_SQL(bd->ejecutar(u"DROP TABLE Clientes"_s));
        Sesion s(u"stock"_s, bd, c[0]);
        s.entrada.fijar("Control_Caducidad", true);
        const auto mensajes = capturarMensajes([&] {
            QVERIFY(ver(s.entrada, [&](QDialog *v) {
                // The focus starts at the first control in tab order.
                QCOMPARE(v->focusWidget()->objectName(), tonos ? u"vsLotes"_s : u"cmdSalir"_s);
                QStringList vistos{v->objectName(), v->windowTitle()};
                for (const char *campo : {"Cod_Almacen", "Cod_Articulo", "Control_Lotes", "Control_Caducidad"})
                    vistos << v->property(campo).toString();
                QCOMPARE(vistos, QStringList({tonos ? u"frmLotesStockAlm2"_s : u"frmLotesStockAlm1"_s,
                                              u"Stock x Lotes"_s, u"1"_s, u"500"_s, u"true"_s, u"false"_s}));
                QCOMPARE(lineasRejilla(v), filas);
                if (!tonos) {
                    elegirAlmacen(v, 2);
                    QCOMPARE(lineasRejilla(v), QStringList());
                    return;
                }
                // Owed: invoice 3 (5 less 2 supplied), delivery note 4, and 2 to a customer not in Clientes.
                const QString debidos = u"7|Cliente Siete|F|01/03/2026|2|3 7|Cliente Siete|A|01/05/2026|4|4"_s;
                QCOMPARE(documentos(v).join(u' '), c[3] == u"1" ? debidos : QString());
                if (!filas.isEmpty() && c[3] != u"x") {
                    auto *r = control<Rejilla>(v, u"vsLotes"_s);
                    const QModelIndex total = r->model()->index(r->rows() - 2, 2);
                    QVERIFY(total.data(Qt::FontRole).value<QFont>().bold());
                    QVERIFY(total.siblingAtColumn(3).data(Qt::BackgroundRole).isValid());
                }
            }));
        });
        // The owing documents are looked up only when units are owed; unread, they leave no total.
        QCOMPARE(s.grabadora->textos().filter(u"UNION ALL"_s).size(), c[3] != u"0" && tonos ? 1 : 0);
        QCOMPARE(mensajes.size(), c[3] == u"x" ? 1 : 0);
        if (!mensajes.isEmpty())
            return;
        QVERIFY(s.entrada.campo("Control_Caducidad").toBool());
        QVERIFY(sinDialogo([&] { s.entrada.Show(0); }));
        // The warehouse's record is read whatever the article says: its failure reaches the host.
        s.entrada.fijar("Control_Caducidad", false);
        RegistroAlmacen::setFabrica([] { return std::unique_ptr<RegistroAlmacen>(); });
        const auto propio = qScopeGuard([] { RegistroAlmacen::setFabrica({}); });
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, (void)sinDialogo([&] { s.entrada.Show(1); }));
    }

    // Who may create and block lots, and when creating makes sense at all:
    // lots kept, or expiry kept by the article and by the warehouse.
    // Each row: the model, the user (1 administrator, 3 granted the menu, 5
    // refused it, 9 in no group), whether shops may edit articles, whether this
    // is the central office ("x" unreadable), lots kept (1; 0 expiry only, 2
    // expiry kept by the warehouse too) and whether the buttons are hidden.
    void restriccion_data()
    {
        QTest::addColumn<QStringList>("caso");
        for (const QString &fila :
             {u"grupo 1:2 1 1 1 1 0"_s, u"grupo con acceso:2 3 1 1 1 0"_s, u"grupo sin acceso:2 5 1 1 1 1"_s,
              u"sin grupo:2 9 1 1 1 1"_s, u"oficina central:2 1 0 1 1 0"_s, u"tienda:2 1 0 0 1 1"_s,
              // The office is not asked when shops may edit articles.
              u"oficina ilegible:2 1 1 x 1 0"_s, u"lotes, sin acceso:3 5 1 1 1 1"_s, u"lotes, tienda:3 1 0 0 1 1"_s,
              u"caducidad, almacén sin ella:3 1 1 1 0 1"_s, u"caducidad, almacén con ella:3 1 1 1 2 0"_s})
            QTest::newRow(qPrintable(fila.section(u':', 0, 0))) << fila.section(u':', 1).split(u' ');
    }
    void restriccion()
    {
        QFETCH(QStringList, caso);
        const auto valor = [](const QString &t) { return t == u"x" ? QVariant(t) : QVariant(t == u"1"); };
        NVLA_BASE_DEL_MOTOR(bd, false);
        QVERIFY_SQL(sembrarStock(*bd, LotesStock));
        QVERIFY_SQL(bd->ejecutar(u"UPDATE Almacenes SET Control_Caducidad = %1"_s.arg(caso[4] == u"2" ? 1 : 0)));
        Sesion s(u"stock"_s, bd, caso[0]);
        s.empresa->setParametro(u"UsuarioActual"_s, caso[1].toInt());
        s.empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, valor(caso[2]));
        s.empresa->setParametro(u"OficinaCentral"_s, valor(caso[3]));
        s.entrada.fijar("Control_Lotes", caso[4] == u"1");
        s.entrada.fijar("Control_Caducidad", true);
        QVERIFY(ver(s.entrada, [&](QDialog *v) {
            QCOMPARE(control<QAbstractButton>(v, u"cmdCrear"_s)->isVisible(), caso[5] == u"0");
            if (caso[0] == u"2") {
                QVERIFY(elegirFila(v, {{3, u"A1"_s}}) > 0);
                QCOMPARE(control<QAbstractButton>(v, u"cmdBloquear"_s)->isVisible(), caso[5] == u"0");
            }
        }));
        // A parameter that is no Boolean fails Show.
        s.empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, u"quizá"_s);
        QCOMPARE(numeroError([&] { (void)sinDialogo([&] { s.entrada.Show(1); }); }), NumeroError::ConversionTipo);
    }

    // A tone list longer than its first page opens with its first lots; the
    // documents that owe units follow once the window has painted, and the
    // end of the list still deducts them from the total.
    void pendientesConListaLarga()
    {
        NVLA_BASE_DEL_MOTOR(bd, false);
        QList<LotePrueba> lotes;
        for (int i = 1; i <= 120; ++i)
            lotes.append({1000 + i, u"1"_s, u"P-%1"_s.arg(i), {}, u"T"_s, QString::number(i)});
        QVERIFY_SQL(sembrarStock(*bd, lotes));
        QVERIFY_SQL(sembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"0"_s));
        Sesion s(u"stock"_s, bd, u"2"_s);
        QVERIFY(ver(s.entrada, [&](QDialog *v) {
            QVERIFY(control<Rejilla>(v, u"vsLotes"_s)->modelo()->quedanFilasPorLeer());
            QTRY_COMPARE(documentos(v), QStringList{u"7|Cliente Siete|F|01/03/2026|2|5"_s});
            QCOMPARE(lineasRejilla(v).mid(120),
                     QStringList({u"||-5,00|"_s + P + u'|' + P + u'|' + P, u"||115,00|||"_s}));
        }));
    }

    // The tone window as the clerk uses it: an expired lot marked; typing finds
    // a tone but never the pending or total rows; the block marker follows each
    // press, whatever the database held meanwhile; Ctrl+E prints the current
    // lot's label, read from the database, where a row that is no lot offers
    // none, nor does a window whose host said no.
    void etiqueta()
    {
        NVLA_BASE_DEL_MOTOR(bd, false);
        QList<LotePrueba> lotes = LotesStock;
        lotes[0].caducidad = QDate::currentDate().addDays(-1).toString(u"yyyy-MM-dd"_s);
        QVERIFY_SQL(sembrarStock(*bd, lotes));
        QVERIFY_SQL(sembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"0"_s));
        for (const bool activa : {true, false}) {
            Sesion s(u"stock"_s, bd, u"2"_s);
            s.empresa->setParametro(u"Lotes_Etiquetas"_s, activa);
            QVERIFY(ver(s.entrada, [&](QDialog *v) {
                auto *r = control<Rejilla>(v, u"vsLotes"_s);
                auto *boton = control<QAbstractButton>(v, u"cmdBloquear"_s);
                if (activa) {
                    qint64 ahora = 0;
                    r->findChild<BusquedaEnRejilla *>()->fijarReloj([&] { return ahora; });
                    QCOMPARE(r->model()->index(0, 5).data(Qt::ToolTipRole).toString(), u"Lote caducado"_s);
                    QVERIFY(r->model()->index(1, 5).data(Qt::ToolTipRole).toString().isEmpty());
                    QTest::keyClick(r, Qt::Key_B);
                    QCOMPARE(r->textMatrix(r->row(), 3), u"B2"_s);
                    ahora += 2000;
                    QTest::keyClick(r, Qt::Key_P);
                    QCOMPARE(r->textMatrix(r->row(), 3), u"B2"_s);
                    QStringList vistos{boton->text()}; // on B2, blocked
                    const QString bloqueado = u"SELECT Bloqueado FROM Articulos_Lotes WHERE Cod_Lote = 41"_s;
                    const auto pulsar = [&] {
                        clic(v, u"cmdBloquear"_s);
                        vistos << filasDe(*bd, bloqueado).value(0) + boton->text();
                    };
                    QVERIFY(elegirFila(v, {{3, u"A1"_s}}) > 0);
                    vistos << boton->text();
                    pulsar();
                    QCOMPARE(lineasRejilla(v).constFirst().section(u'|', 0, 4), u"41|X|3,00|A1|10"_s);
                    pulsar();
                    // Blocked elsewhere since the fill: the marker still says free.
                    bd->ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Lote = 41"_s);
                    pulsar();
                    QCOMPARE(vistos, QStringList({u"Desbloquear"_s, u"Bloquear"_s, u"1Desbloquear"_s, u"0Bloquear"_s,
                                                  u"1Desbloquear"_s}));
                    // The total row has no lot to block.
                    QVERIFY(elegirFila(v, {{2, u"6,00"_s}}) > 0);
                    QVERIFY(!boton->isVisible());
                }
                const auto *accion = v->findChild<QAction *>(u"actEtiqueta"_s);
                QVERIFY(elegirFila(v, {{3, P}}) > 0);
                QVERIFY(!accion->isVisible());
                QVERIFY(elegirFila(v, {{3, u"B2"_s}}) > 0);
                QCOMPARE(accion->isVisible(), activa);
                if (!activa)
                    return;
                // The host's article number makes it a GS1 label; without one, no GS1 barcode.
                for (const QString &gtin : {u"8412345678905"_s, QString()}) {
                    s.empresa->setGtin(s.entrada.campo("Cod_Articulo").toInt(), gtin);
                    QVERIFY(conDialogo(
                        [&] {
                            // Ctrl+E once, then the action it triggers, as the list's menu does.
                            if (gtin.isEmpty())
                                v->findChild<QAction *>(u"actEtiqueta"_s)->trigger();
                            else
                                QTest::keyClick(v, Qt::Key_E, Qt::ControlModifier);
                        },
                        [&](QDialog *d) {
                            const auto *reporte =
                                dynamic_cast<const ReporteEtiquetas *>(d->findChild<VisorReporte *>()->reporte());
                            const EtiquetaLote e = reporte->etiquetas().value(0);
                            const CodigoEtiqueta codigo = codigoEtiqueta(e);
                            QCOMPARE(QStringList({e.descripcion, e.tono, e.calibre, e.caducidad.toString(Qt::ISODate),
                                                  codigo.legible + codigo.sinCodigo}),
                                     QStringList({u"Prueba"_s, u"B2"_s, u"12"_s, u"2027-08-31"_s,
                                                  gtin.isEmpty() ? u"L-8  (uso interno)"_s
                                                                 : u"(01)08412345678905(17)270831(10)L-8"_s}));
                            clic(d, u"cmdCerrar"_s);
                        }));
                }
            }));
        }
    }

    // A lot created from the window: in the warehouse the picker shows, or in
    // none for warehouse 0; an unknown warehouse is refused by the database and
    // the window says so.
    // Each row: the window's warehouse (2 is picked after opening on 1), the
    // button of the dialog (none: no dialog comes up), the lot's stock row.
    void crearLote_data()
    {
        QTest::addColumn<QStringList>("caso");
        for (const QString &fila : {u"aceptado:2:cmdAceptar:2|0"_s, u"cancelado:2:cmdCancelar:"_s, u"almacén 0:0::"_s,
                                    u"almacén desconocido:99:cmdAceptar:"_s})
            QTest::newRow(qPrintable(fila.section(u':', 0, 0))) << fila.split(u':').mid(1);
    }
    void crearLote()
    {
        QFETCH(QStringList, caso);
        const int almacen = caso[0].toInt();
        const QStringList filas = caso[2].split(u',', Qt::SkipEmptyParts);
        NVLA_BASE_DEL_MOTOR(bd, false);
        QVERIFY_SQL(sembrarStock(*bd, LotesStock));
        Sesion s(u"stock"_s, bd, u"2"_s);
        const int propio = almacen == 2 ? AlmacenPrueba : almacen;
        s.entrada.fijar("Cod_Almacen", propio);
        const QStringList antes = lotesEnBase(*bd);
        QVERIFY(ver(s.entrada, [&](QDialog *v) {
            if (almacen == 2)
                elegirAlmacen(v, 2);
            QCOMPARE(lineasRejilla(v), QStringList());
            if (caso[1].isEmpty()) {
                QVERIFY(sinDialogo([&] { clic(v, u"cmdCrear"_s); }));
                return;
            }
            QList<MensajeVisto> mensajes;
            QVERIFY(conDialogo([&] { mensajes = capturarMensajes([&] { clic(v, u"cmdCrear"_s); }); },
                               [&](QDialog *d) {
                                   escribir(d, u"txtTono"_s, u"Z9"_s);
                                   escribir(d, u"txtCalibre"_s, u"99"_s);
                                   clic(d, caso[1]);
                               }));
            if (almacen == 99)
                QVERIFY(textos(mensajes).startsWith(u"3|frmLotecStockAlm2:Crear|"_s));
            const QStringList vistas = lineasRejilla(v);
            QCOMPARE(vistas.size(), filas.isEmpty() ? 0 : 2);
            if (!filas.isEmpty()) {
                QCOMPARE(v->property("Cod_Almacen").toInt(), 2);
                QVERIFY(vistas.constFirst().endsWith(u"||0,00|Z9|99|"_s));
                // The new lot's label is offered, a key away, in a hint of the window's own (not a tooltip,
                // which the first move of the mouse would hide).
                const auto *aviso = v->findChild<QLabel *>(u"avisoEtiqueta"_s);
                QVERIFY(aviso && aviso->isVisible() && aviso->text().startsWith(u"Lote creado."_s));
                QVERIFY(v->findChild<QAction *>(u"actEtiqueta"_s)->isVisible());
            }
        }));
        QCOMPARE(s.entrada.campo("Cod_Almacen").toInt(), propio);
        QCOMPARE(lotesEnBase(*bd).size(), antes.size() + filas.size());
        QCOMPARE(filasDe(*bd, u"SELECT a.Cod_Almacen, a.Stock_Actual FROM Almacen_Articulos_Lotes a INNER JOIN "
                              u"Articulos_Lotes b ON a.Cod_Lote = b.Cod_Lote WHERE b.Tono = 'Z9'"_s),
                 filas);
    }
};

QTEST_MAIN(TstStock)
#include "tst_stock.moc"

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
#include <QScopeGuard>
#include <QToolTip>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QString P = u"PENDIENTE DE ENTREGA"_s;

struct Lista
{
    QString modelo;
    bool conLotes = false;
    QString stockArticulo; // empty: no stock record
    bool conPendientes = false;
    QStringList filas, docs;
};

struct Restriccion
{
    QString modelo;
    int usuario = 0;
    QVariant tiendas, oficina;
    int lotes = 0; // 1 lots kept; 0 expiry only, 2 expiry kept by the warehouse too
    bool restringido = false;
};

bool visible(QDialog *v, const QString &boton)
{
    return control<QAbstractButton>(v, boton)->isVisible();
}

// The pending-deliveries rows, with the units as numbers whatever text the engine gives them.
QStringList documentos(QDialog *v)
{
    QStringList filas = lineasRejilla(v, u"vsAPE"_s);
    for (QString &fila : filas) {
        QStringList celdas = fila.split(u'|');
        celdas.last() = QString::number(valorNumerico(celdas.last()));
        fila = celdas.join(u'|');
    }
    return filas;
}

QString bloqueado(Conexion &bd)
{
    return filasDe(bd, u"SELECT Bloqueado FROM Articulos_Lotes WHERE Cod_Lote = 41"_s).value(0);
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
        QTest::addColumn<Lista>("caso");
        const QStringList lotes{u"41||3,00|A1|10|31/03/2027"_s, u"42|X|8,00|B2|12|31/08/2027"_s};
        // Owed: invoice 3 (5 less 2 supplied), delivery note 4, and 2 to a customer not in Clientes.
        const QStringList docs{u"7|Cliente Siete|F|01/03/2026|2|3"_s, u"7|Cliente Siete|A|01/05/2026|4|4"_s};
        const QString debido = u"||-9,00|"_s + P + u'|' + P + u'|' + P;
        const QString dos = u"2"_s;
        QTest::newRow("lotes") << Lista{dos, true, u"10"_s, false, lotes + QStringList{u"||11,00|||"_s}, {}};
        QTest::newRow("lotes y pendientes")
            << Lista{dos, true, u"10"_s, true, lotes + QStringList{debido, u"||2,00|||"_s}, docs};
        QTest::newRow("sin lotes") << Lista{dos, false, u"10"_s, false, {u"||10,00|||"_s, u"||10,00|||"_s}, {}};
        QTest::newRow("sin lotes, pendientes")
            << Lista{dos, false, u"10"_s, true, {u"||19,00|||"_s, debido, u"||10,00|||"_s}, docs};
        QTest::newRow("nada") << Lista{dos, false, {}, false, {}, {}};
        for (const QString &modelo : {u"3"_s, u"4"_s})
            QTest::newRow(qPrintable(u"ventana de lotes "_s + modelo)) << Lista{
                modelo, true, {}, true, {u"41|3,00|L-3|31/03/2027"_s, u"42|8,00|L-8|31/08/2027"_s, u"|11,00||"_s}, {}};
    }
    void lista()
    {
        QFETCH(Lista, caso);
        // Named, not bound: a lambda below reads them.
        const QString &modelo = caso.modelo;
        const QStringList &filas = caso.filas;
        const bool conPendientes = caso.conPendientes;
        NVLA_BASE_DEL_MOTOR(bd, false);
        QVERIFY_SQL(sembrarStock(*bd, caso.conLotes ? LotesStock : QList<LotePrueba>()));
        if (!caso.stockArticulo.isEmpty())
            QVERIFY_SQL(sembrarStockArticulo(*bd, AlmacenPrueba, caso.stockArticulo));
        if (conPendientes) {
            QVERIFY_SQL(sembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"2"_s));
            QVERIFY_SQL(sembrarPendiente(*bd, u"A"_s, 4, 7, u"4"_s, u"0"_s));
            QVERIFY_SQL(sembrarPendiente(*bd, u"A"_s, 3, 8, u"2"_s, u"0"_s));
            // Owed from another warehouse, and fully supplied: neither counts.
            QVERIFY_SQL(sembrarPendiente(*bd, u"F"_s, 5, 7, u"6"_s, u"0"_s, 2));
            QVERIFY_SQL(sembrarPendiente(*bd, u"F"_s, 6, 7, u"6"_s, u"6"_s));
        }
        const bool tonos = modelo == u"2";
        Sesion s(u"stock"_s, bd, modelo);
        s.entrada.fijar("Control_Caducidad", true);
        QVERIFY(ver(s.entrada, [&](QDialog *v) {
            // The focus starts at the first control in tab order.
            QCOMPARE(v->focusWidget()->objectName(), tonos ? u"vsLotes"_s : u"cmdSalir"_s);
            QStringList vistos{v->objectName(), v->windowTitle()};
            for (const char *campo : {"Cod_Almacen", "Cod_Articulo", "Control_Lotes", "Control_Caducidad"})
                vistos << v->property(campo).toString();
            QCOMPARE(vistos, QStringList({tonos ? u"frmLotesStockAlm2"_s : u"frmLotesStockAlm1"_s, u"Stock x Lotes"_s,
                                          u"1"_s, u"500"_s, u"true"_s, u"false"_s}));
            QCOMPARE(lineasRejilla(v), filas);
            if (!tonos) {
                elegirAlmacen(v, 2);
                QCOMPARE(lineasRejilla(v), QStringList());
                return;
            }
            QCOMPARE(documentos(v), caso.docs);
            if (!filas.isEmpty()) {
                auto *r = control<Rejilla>(v, u"vsLotes"_s);
                const QModelIndex total = r->model()->index(r->rows() - 2, 2);
                QVERIFY(total.data(Qt::FontRole).value<QFont>().bold());
                QVERIFY(total.siblingAtColumn(3).data(Qt::BackgroundRole).isValid());
            }
        }));
        // The owing documents are looked up only when units are owed.
        QCOMPARE(s.grabadora->textos().filter(u"UNION ALL"_s).size(), conPendientes && tonos ? 1 : 0);
        QVERIFY(s.entrada.campo("Control_Caducidad").toBool());
        QVERIFY(sinDialogo([&] { s.entrada.Show(0); }));
        // The warehouse's record is read whatever the article says: its failure reaches the host.
        s.entrada.fijar("Control_Caducidad", false);
        RegistroAlmacen::setFabrica([] { return std::unique_ptr<RegistroAlmacen>(); });
        const auto propio = qScopeGuard([] { RegistroAlmacen::setFabrica({}); });
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, (void)sinDialogo([&] { s.entrada.Show(1); }));
    }

    // The clerk's helps: an expired lot marked, typing finds a tone but never
    // the pending or total rows.
    void ayudas()
    {
        NVLA_BASE_DEL_MOTOR(bd, false);
        QList<LotePrueba> lotes = LotesStock;
        lotes[0].caducidad = QDate::currentDate().addDays(-1).toString(u"yyyy-MM-dd"_s);
        QVERIFY_SQL(sembrarStock(*bd, lotes));
        QVERIFY_SQL(sembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"0"_s));
        Sesion s(u"stock"_s, bd, u"2"_s);
        QVERIFY(ver(s.entrada, [&](QDialog *v) {
            auto *r = control<Rejilla>(v, u"vsLotes"_s);
            qint64 ahora = 0;
            r->findChild<BusquedaEnRejilla *>()->fijarReloj([&] { return ahora; });
            QCOMPARE(r->model()->index(0, 5).data(Qt::ToolTipRole).toString(), u"Lote caducado"_s);
            QVERIFY(r->model()->index(1, 5).data(Qt::ToolTipRole).toString().isEmpty());
            QTest::keyClick(r, Qt::Key_B);
            QCOMPARE(r->textMatrix(r->row(), 3), u"B2"_s);
            ahora += 2000;
            QTest::keyClick(r, Qt::Key_P);
            QCOMPARE(r->textMatrix(r->row(), 3), u"B2"_s);
        }));
    }

    // Who may create and block lots, and when creating makes sense at all:
    // lots kept, or expiry kept by the article and by the warehouse.
    void restriccion_data()
    {
        QTest::addColumn<Restriccion>("caso");
        const QVariant si(true), no(false);
        const int a = UsuarioAdministrador;
        QTest::newRow("grupo 1") << Restriccion{u"2"_s, a, si, si, 1, false};
        QTest::newRow("grupo con acceso") << Restriccion{u"2"_s, UsuarioPermitido, si, si, 1, false};
        QTest::newRow("grupo sin acceso") << Restriccion{u"2"_s, UsuarioRestringido, si, si, 1, true};
        QTest::newRow("sin grupo") << Restriccion{u"2"_s, 9, si, si, 1, true};
        QTest::newRow("oficina central") << Restriccion{u"2"_s, a, no, si, 1, false};
        QTest::newRow("tienda") << Restriccion{u"2"_s, a, no, no, 1, true};
        // The office is not asked when shops may edit articles.
        QTest::newRow("oficina ilegible") << Restriccion{u"2"_s, a, si, QVariant(u"x"_s), 1, false};
        QTest::newRow("lotes, sin acceso") << Restriccion{u"3"_s, UsuarioRestringido, si, si, 1, true};
        QTest::newRow("lotes, tienda") << Restriccion{u"3"_s, a, no, no, 1, true};
        QTest::newRow("caducidad, almacén sin ella") << Restriccion{u"3"_s, a, si, si, 0, true};
        QTest::newRow("caducidad, almacén con ella") << Restriccion{u"3"_s, a, si, si, 2, false};
    }
    void restriccion()
    {
        QFETCH(Restriccion, caso);
        const auto &[modelo, usuario, tiendas, oficina, lotes, restringido] = caso;
        const bool oculto = restringido; // a lambda below reads it
        const bool tonos = modelo == u"2";
        NVLA_BASE_DEL_MOTOR(bd, false);
        QVERIFY_SQL(sembrarStock(*bd, LotesStock));
        QVERIFY_SQL(bd->ejecutar(u"UPDATE Almacenes SET Control_Caducidad = %1"_s.arg(lotes == 2 ? 1 : 0)));
        Sesion s(u"stock"_s, bd, modelo);
        s.empresa->setParametro(u"UsuarioActual"_s, usuario);
        s.empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, tiendas);
        s.empresa->setParametro(u"OficinaCentral"_s, oficina);
        s.entrada.fijar("Control_Lotes", lotes == 1);
        s.entrada.fijar("Control_Caducidad", true);
        QVERIFY(ver(s.entrada, [&](QDialog *v) {
            QCOMPARE(visible(v, u"cmdCrear"_s), !oculto);
            if (tonos) {
                QVERIFY(elegirFila(v, {{3, u"A1"_s}}) > 0);
                QCOMPARE(visible(v, u"cmdBloquear"_s), !oculto);
            }
        }));
        // A parameter that is no Boolean fails Show.
        s.empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, u"quizá"_s);
        QCOMPARE(numeroError([&] { (void)sinDialogo([&] { s.entrada.Show(1); }); }), NumeroError::ConversionTipo);
    }

    // The marker follows each press, whatever the database held meanwhile.
    void bloqueo()
    {
        NVLA_BASE_DEL_MOTOR(bd, false);
        QVERIFY_SQL(sembrarStock(*bd, LotesStock));
        Sesion s(u"stock"_s, bd, u"2"_s);
        QVERIFY(ver(s.entrada, [&](QDialog *v) {
            auto *boton = control<QAbstractButton>(v, u"cmdBloquear"_s);
            QStringList vistos;
            const auto pulsar = [&] {
                clic(v, u"cmdBloquear"_s);
                vistos << bloqueado(*bd) + boton->text();
            };
            QVERIFY(elegirFila(v, {{3, u"B2"_s}}) > 0);
            vistos << boton->text();
            QVERIFY(elegirFila(v, {{3, u"A1"_s}}) > 0);
            vistos << boton->text();
            pulsar();
            QCOMPARE(lineasRejilla(v).constFirst(), u"41|X|3,00|A1|10|31/03/2027"_s);
            pulsar();
            // Blocked elsewhere since the fill: the marker still says free.
            bd->ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Lote = 41"_s);
            pulsar();
            QCOMPARE(vistos, QStringList({u"Desbloquear"_s, u"Bloquear"_s, u"1Desbloquear"_s, u"0Bloquear"_s,
                                          u"1Desbloquear"_s}));
            // The total row has no lot to block.
            QVERIFY(elegirFila(v, {{2, u"11,00"_s}}) > 0);
            QVERIFY(!boton->isVisible());
        }));
    }

    // Ctrl+E prints the current lot's label, read from the database; a row
    // that is no lot offers none, nor does a window whose host said no.
    void etiqueta()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(sembrarStock(*bd, LotesStock));
        QVERIFY_SQL(sembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"0"_s));
        for (const bool activa : {true, false}) {
            Sesion s(u"stock"_s, bd, u"2"_s);
            s.empresa->setParametro(u"Lotes_Etiquetas"_s, activa);
            QVERIFY(ver(s.entrada, [&](QDialog *v) {
                const auto *accion = v->findChild<QAction *>(u"actEtiqueta"_s);
                QVERIFY(elegirFila(v, {{3, P}}) > 0);
                QVERIFY(!accion->isVisible());
                QVERIFY(elegirFila(v, {{3, u"B2"_s}}) > 0);
                QCOMPARE(accion->isVisible(), activa);
                if (!activa)
                    return;
                QVERIFY(conDialogo(
                    [&] { QTest::keyClick(v, Qt::Key_E, Qt::ControlModifier); },
                    [](QDialog *d) {
                        const auto *r =
                            dynamic_cast<const ReporteEtiquetas *>(d->findChild<VisorReporte *>()->reporte());
                        const EtiquetaLote e = r->etiquetas().value(0);
                        QCOMPARE(QStringList({e.descripcion, e.tono, e.calibre, e.caducidad.toString(Qt::ISODate)}),
                                 QStringList({u"Prueba"_s, u"B2"_s, u"12"_s, u"2027-08-31"_s}));
                        clic(d, u"cmdCerrar"_s);
                    }));
            }));
        }
    }

    // A lot created from the window: in the warehouse the picker shows, or in
    // none for warehouse 0; an unknown warehouse is refused by the database and
    // the window says so.
    void crearLote_data()
    {
        QTest::addColumn<int>("almacen");   // the window's; 2 is picked after opening on warehouse 1
        QTest::addColumn<QString>("boton"); // empty: no dialog comes up
        QTest::addColumn<QStringList>("filas");
        QTest::newRow("aceptado") << 2 << u"cmdAceptar"_s << QStringList{u"2|0"_s};
        QTest::newRow("cancelado") << 2 << u"cmdCancelar"_s << QStringList();
        QTest::newRow("almacén 0") << 0 << QString() << QStringList();
        QTest::newRow("almacén desconocido") << 99 << u"cmdAceptar"_s << QStringList();
    }
    void crearLote()
    {
        QFETCH(int, almacen);
        QFETCH(QString, boton);
        QFETCH(QStringList, filas);
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
            if (boton.isEmpty()) {
                QVERIFY(sinDialogo([&] { clic(v, u"cmdCrear"_s); }));
                return;
            }
            QList<MensajeVisto> mensajes;
            QVERIFY(conDialogo([&] { mensajes = capturarMensajes([&] { clic(v, u"cmdCrear"_s); }); },
                               [&](QDialog *d) {
                                   escribir(d, u"txtTono"_s, u"Z9"_s);
                                   escribir(d, u"txtCalibre"_s, u"99"_s);
                                   clic(d, boton);
                               }));
            if (almacen == 99)
                QVERIFY(textos(mensajes).startsWith(u"3|frmLotecStockAlm2:Crear|"_s));
            const QStringList vistas = lineasRejilla(v);
            QCOMPARE(vistas.size(), filas.isEmpty() ? 0 : 2);
            if (!filas.isEmpty()) {
                QCOMPARE(v->property("Cod_Almacen").toInt(), 2);
                QVERIFY(vistas.constFirst().endsWith(u"||0,00|Z9|99|"_s));
                // The new lot's label is offered, a key away.
                QVERIFY(QToolTip::text().startsWith(u"Lote creado."_s));
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

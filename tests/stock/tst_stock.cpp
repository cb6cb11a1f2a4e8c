// The stock entry class and its two windows, driven as the clerk uses them.
#include "EscenarioStock.h"
#include "foundation/controls/BusquedaEnRejilla.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/values/Conversiones.h"

#include <nvlalotes/RegistroAlmacen.h>

#include <QAbstractButton>
#include <QScopeGuard>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QString P = u"PENDIENTE DE ENTREGA"_s;

bool visible(QDialog *v, const QString &boton)
{
    return control<QAbstractButton>(v, boton)->isVisible();
}

// The pending-deliveries rows, with the units as numbers whatever text the engine gives them.
QStringList documentos(QDialog *v)
{
    QStringList filas = LineasRejilla(v, u"vsAPE"_s);
    for (QString &fila : filas) {
        QStringList celdas = fila.split(u'|');
        celdas.last() = QString::number(ValorNumerico(celdas.last()));
        fila = celdas.join(u'|');
    }
    return filas;
}

QString bloqueado(Conexion &bd)
{
    return FilasDe(bd, u"SELECT Bloqueado FROM Articulos_Lotes WHERE Cod_Lote = 41"_s).value(0);
}

} // namespace

class TstStock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { FilasPorMotor(); }
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    void despacho_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("ventana");
        for (const QString &modelo : {u"1"_s, u"0"_s, u"5"_s, u"2.5"_s, u"dos"_s})
            QTest::newRow(qPrintable(u"modelo "_s + modelo)) << modelo << QString();
        QTest::newRow("modelo 2") << u"2"_s << u"frmLotesStockAlm2"_s;
        QTest::newRow("modelo 3") << u"3"_s << u"frmLotesStockAlm1"_s;
        QTest::newRow("modelo 4") << u"4"_s << u"frmLotesStockAlm1"_s;
    }
    void despacho()
    {
        QFETCH(QString, modelo);
        QFETCH(QString, ventana);
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        SesionStock s(bd, modelo);
        s.clase.Control_Caducidad = true;
        if (ventana.isEmpty()) {
            QVERIFY(SinDialogo([&] { s.clase.Show(1); }));
            QVERIFY(s.grabadora->Textos().isEmpty());
            return;
        }
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            QCOMPARE(v->objectName(), ventana);
            QCOMPARE(v->windowTitle(), u"Stock x Lotes"_s);
            QCOMPARE(v->property("Cod_Almacen").toInt(), AlmacenPrueba);
            QCOMPARE(v->property("Cod_Articulo").toInt(), ArticuloPrueba);
            QCOMPARE(v->property("Control_Lotes").toBool(), true);
            // Warehouse 1 keeps no expiry dates: the window narrows its copy only.
            QCOMPARE(v->property("Control_Caducidad").toBool(), false);
            // The focus starts at the first control in tab order.
            QCOMPARE(v->focusWidget()->objectName(), modelo == u"2" ? u"vsLotes"_s : u"cmdSalir"_s);
        }));
        QVERIFY(s.clase.Control_Caducidad);
        // Modeless: shown and unloaded at once, nothing waits.
        QVERIFY(SinDialogo([&] { s.clase.Show(0); }));
        // The warehouse's record is read whatever the article says: its failure reaches the host.
        s.clase.Control_Caducidad = false;
        RegistroAlmacen::setFabrica([] { return std::unique_ptr<RegistroAlmacen>(); });
        const auto propio = qScopeGuard([] { RegistroAlmacen::setFabrica({}); });
        QVERIFY_THROWS_EXCEPTION(ErrorLotes, SinDialogo([&] { s.clase.Show(1); }));
    }

    // The article's lots (never another article's), its stock without lots,
    // the units owed and who owes them.
    void listaTono_data()
    {
        QTest::addColumn<bool>("conLotes");
        QTest::addColumn<QString>("stockArticulo"); // empty: no stock record
        QTest::addColumn<bool>("conPendientes");
        QTest::addColumn<QStringList>("filas");
        QTest::addColumn<QStringList>("docs");
        const QStringList lotes{u"41||3,00|A1|10|31/03/2027"_s, u"42|X|8,00|B2|12|31/08/2027"_s};
        // Owed: invoice 3 (5 less 2 supplied), delivery note 4, and 2 to a customer not in Clientes.
        const QStringList docs{u"7|Cliente Siete|F|01/03/2026|2|3"_s, u"7|Cliente Siete|A|01/05/2026|4|4"_s};
        const QString debido = u"||-9,00|"_s + P + u'|' + P + u'|' + P;
        QTest::newRow("lotes") << true << u"10"_s << false << (lotes + QStringList{u"||11,00|||"_s}) << QStringList();
        QTest::newRow("lotes y pendientes")
            << true << u"10"_s << true << (lotes + QStringList{debido, u"||2,00|||"_s}) << docs;
        QTest::newRow("sin lotes") << false << u"10"_s << false << QStringList{u"||10,00|||"_s, u"||10,00|||"_s}
                                   << QStringList();
        QTest::newRow("sin lotes, pendientes")
            << false << u"10"_s << true << QStringList{u"||19,00|||"_s, debido, u"||10,00|||"_s} << docs;
        QTest::newRow("nada") << false << QString() << false << QStringList() << QStringList();
    }
    void listaTono()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(bool, conLotes);
        QFETCH(QString, stockArticulo);
        QFETCH(bool, conPendientes);
        QFETCH(QStringList, filas);
        QFETCH(QStringList, docs);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, conLotes ? LotesStock : QList<LotePrueba>()));
        if (!stockArticulo.isEmpty())
            QVERIFY_SQL(SembrarStockArticulo(*bd, AlmacenPrueba, stockArticulo));
        if (conPendientes) {
            QVERIFY_SQL(SembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"2"_s));
            QVERIFY_SQL(SembrarPendiente(*bd, u"A"_s, 4, 7, u"4"_s, u"0"_s));
            QVERIFY_SQL(SembrarPendiente(*bd, u"A"_s, 3, 8, u"2"_s, u"0"_s));
            // Owed from another warehouse, and fully supplied: neither counts.
            QVERIFY_SQL(SembrarPendiente(*bd, u"F"_s, 5, 7, u"6"_s, u"0"_s, 2));
            QVERIFY_SQL(SembrarPendiente(*bd, u"F"_s, 6, 7, u"6"_s, u"6"_s));
        }
        SesionStock s(bd, u"2"_s);
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            QCOMPARE(LineasRejilla(v, u"vsLotes"_s), filas);
            QCOMPARE(documentos(v), docs);
            if (!filas.isEmpty()) {
                auto *r = control<Rejilla>(v, u"vsLotes"_s);
                const QModelIndex total = r->model()->index(r->Rows() - 2, 2);
                QVERIFY(total.data(Qt::FontRole).value<QFont>().bold());
                QVERIFY(total.siblingAtColumn(3).data(Qt::BackgroundRole).isValid());
            }
        }));
        // The owing documents are looked up only when units are owed.
        QCOMPARE(s.grabadora->Textos().filter(u"UNION ALL"_s).size(), conPendientes ? 1 : 0);
    }

    // The lot window of another warehouse: owed units are the tone window's business.
    void listaLote()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        QVERIFY_SQL(SembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"0"_s));
        SesionStock s(bd, u"3"_s);
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            QCOMPARE(LineasRejilla(v, u"vsLotes"_s),
                     QStringList({u"41|3,00|L-3|31/03/2027"_s, u"42|8,00|L-8|31/08/2027"_s, u"|11,00||"_s}));
            ElegirAlmacen(v, 2);
            QCOMPARE(LineasRejilla(v, u"vsLotes"_s), QStringList());
        }));
    }

    // The clerk's helps: an expired lot marked, typing finds a tone but never
    // the pending or total rows.
    void ayudas()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QList<LotePrueba> lotes = LotesStock;
        lotes[0].caducidad = QDate::currentDate().addDays(-1).toString(u"yyyy-MM-dd"_s);
        QVERIFY_SQL(SembrarStock(*bd, lotes));
        QVERIFY_SQL(SembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"0"_s));
        SesionStock s(bd, u"2"_s);
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            auto *r = control<Rejilla>(v, u"vsLotes"_s);
            qint64 ahora = 0;
            r->findChild<BusquedaEnRejilla *>()->fijarReloj([&] { return ahora; });
            QCOMPARE(r->model()->index(0, 5).data(Qt::ToolTipRole).toString(), u"Lote caducado"_s);
            QVERIFY(r->model()->index(1, 5).data(Qt::ToolTipRole).toString().isEmpty());
            QTest::keyClick(r, Qt::Key_B);
            QCOMPARE(r->TextMatrix(r->Row(), 3), u"B2"_s);
            ahora += 2000;
            QTest::keyClick(r, Qt::Key_P);
            QCOMPARE(r->TextMatrix(r->Row(), 3), u"B2"_s);
        }));
    }

    // Who may create and block lots, and when creating makes sense at all:
    // lots kept, or expiry kept by the article and by the warehouse.
    void restriccion_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<int>("usuario");
        QTest::addColumn<QVariant>("tiendas");
        QTest::addColumn<QVariant>("oficina");
        QTest::addColumn<int>("lotes"); // 1 lots kept; 0 expiry only, 2 expiry kept by the warehouse too
        QTest::addColumn<bool>("restringido");
        const QVariant si(true), no(false);
        const int a = UsuarioAdministrador;
        QTest::newRow("grupo 1") << u"2"_s << a << si << si << 1 << false;
        QTest::newRow("grupo con acceso") << u"2"_s << UsuarioPermitido << si << si << 1 << false;
        QTest::newRow("grupo sin acceso") << u"2"_s << UsuarioRestringido << si << si << 1 << true;
        QTest::newRow("sin grupo") << u"2"_s << 9 << si << si << 1 << true;
        QTest::newRow("oficina central") << u"2"_s << a << no << si << 1 << false;
        QTest::newRow("tienda") << u"2"_s << a << no << no << 1 << true;
        // The office is not asked when shops may edit articles.
        QTest::newRow("oficina ilegible") << u"2"_s << a << si << QVariant(u"x"_s) << 1 << false;
        QTest::newRow("lotes, sin acceso") << u"3"_s << UsuarioRestringido << si << si << 1 << true;
        QTest::newRow("lotes, tienda") << u"3"_s << a << no << no << 1 << true;
        QTest::newRow("caducidad, almacén sin ella") << u"3"_s << a << si << si << 0 << true;
        QTest::newRow("caducidad, almacén con ella") << u"3"_s << a << si << si << 2 << false;
    }
    void restriccion()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(QString, modelo);
        QFETCH(int, usuario);
        QFETCH(QVariant, tiendas);
        QFETCH(QVariant, oficina);
        QFETCH(int, lotes);
        QFETCH(bool, restringido);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        QVERIFY_SQL(bd->Ejecutar(u"UPDATE Almacenes SET Control_Caducidad = %1"_s.arg(lotes == 2 ? 1 : 0)));
        SesionStock s(bd, modelo, usuario);
        s.empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, tiendas);
        s.empresa->setParametro(u"OficinaCentral"_s, oficina);
        s.clase.Control_Lotes = lotes == 1;
        s.clase.Control_Caducidad = true;
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            QCOMPARE(visible(v, u"cmdCrear"_s), !restringido);
            if (modelo == u"2") {
                QVERIFY(ElegirFila(v, 3, u"A1"_s));
                QCOMPARE(visible(v, u"cmdBloquear"_s), !restringido);
            }
        }));
        // A parameter that is no Boolean fails Show.
        s.empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, u"quizá"_s);
        try {
            QVERIFY(SinDialogo([&] { s.clase.Show(1); }));
            QFAIL("Show accepted a parameter that is no Boolean");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Number(), NumeroError::ConversionTipo);
        }
    }

    void bloqueo()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        SesionStock s(bd, u"2"_s);
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            auto *boton = control<QAbstractButton>(v, u"cmdBloquear"_s);
            QVERIFY(ElegirFila(v, 3, u"B2"_s));
            QCOMPARE(boton->text(), u"Desbloquear"_s);
            QVERIFY(ElegirFila(v, 3, u"A1"_s));
            QCOMPARE(boton->text(), u"Bloquear"_s);
            clic(v, u"cmdBloquear"_s);
            QCOMPARE(bloqueado(*bd), u"1"_s);
            QCOMPARE(LineasRejilla(v, u"vsLotes"_s).constFirst(), u"41|X|3,00|A1|10|31/03/2027"_s);
            QCOMPARE(boton->text(), u"Desbloquear"_s);
            clic(v, u"cmdBloquear"_s);
            QCOMPARE(bloqueado(*bd), u"0"_s);
            QCOMPARE(boton->text(), u"Bloquear"_s);
            // Blocked elsewhere since the fill: the marker still says free.
            bd->Ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Lote = 41"_s);
            clic(v, u"cmdBloquear"_s);
            QCOMPARE(bloqueado(*bd), u"1"_s);
            QCOMPARE(boton->text(), u"Desbloquear"_s);
            // The total row has no lot to block.
            QVERIFY(ElegirFila(v, 2, u"11,00"_s));
            QVERIFY(!boton->isVisible());
        }));

        // The sales tone dialog refuses the lot blocked here.
        SesionVentas ventas(bd, u"2"_s, 1);
        QVERIFY(ConDialogo([&] { ventas.clase.Show(1); },
                           [&](QDialog *d) {
                               QVERIFY(ElegirFila(d, 3, u"A1"_s));
                               const auto mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                               QCOMPARE(mensajes.size(), 1);
                               QCOMPARE(mensajes.constFirst().texto, u"El lote seleccionado está bloqueado."_s);
                               clic(d, u"cmdCancelar"_s);
                           }));
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
        QFETCH_GLOBAL(QString, motor);
        QFETCH(int, almacen);
        QFETCH(QString, boton);
        QFETCH(QStringList, filas);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        SesionStock s(bd, u"2"_s);
        s.clase.Cod_Almacen = qint16(almacen == 2 ? AlmacenPrueba : almacen);
        const QStringList antes = LotesEnBase(*bd);
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            if (almacen == 2)
                ElegirAlmacen(v, 2);
            QCOMPARE(LineasRejilla(v, u"vsLotes"_s), QStringList());
            if (boton.isEmpty()) {
                QVERIFY(SinDialogo([&] { clic(v, u"cmdCrear"_s); }));
                return;
            }
            QList<MensajeVisto> mensajes;
            QVERIFY(ConDialogo([&] { mensajes = CapturarMensajes([&] { clic(v, u"cmdCrear"_s); }); },
                               [&](QDialog *d) {
                                   escribir(d, u"txtTono"_s, u"Z9"_s);
                                   escribir(d, u"txtCalibre"_s, u"99"_s);
                                   clic(d, boton);
                               }));
            if (almacen == 99) {
                QCOMPARE(mensajes.size(), 1);
                QCOMPARE(mensajes.constFirst().titulo, u"frmLotecStockAlm2:Crear"_s);
                QCOMPARE(mensajes.constFirst().icono, QMessageBox::Critical);
            }
            const QStringList vistas = LineasRejilla(v, u"vsLotes"_s);
            QCOMPARE(vistas.size(), filas.isEmpty() ? 0 : 2);
            if (!filas.isEmpty()) {
                QCOMPARE(v->property("Cod_Almacen").toInt(), 2);
                QVERIFY(vistas.constFirst().endsWith(u"||0,00|Z9|99|"_s));
            }
        }));
        QCOMPARE(s.clase.Cod_Almacen, qint16(almacen == 2 ? AlmacenPrueba : almacen));
        QCOMPARE(LotesEnBase(*bd).size(), antes.size() + filas.size());
        QCOMPARE(FilasDe(*bd, u"SELECT a.Cod_Almacen, a.Stock_Actual FROM Almacen_Articulos_Lotes a INNER JOIN "
                              u"Articulos_Lotes b ON a.Cod_Lote = b.Cod_Lote WHERE b.Tono = 'Z9'"_s),
                 filas);
    }
};

QTEST_MAIN(TstStock)
#include "tst_stock.moc"

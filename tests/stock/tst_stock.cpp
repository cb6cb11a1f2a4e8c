// The stock entry class and its two windows, driven as the clerk uses them.
#include "EscenarioStock.h"
#include "foundation/controls/BusquedaEnRejilla.h"
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/values/Conversiones.h"

#include <QAbstractButton>

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
    QStringList filas = FilasDe(v, u"vsAPE"_s);
    for (QString &fila : filas) {
        QStringList celdas = fila.split(u'|');
        celdas.last() = QString::number(ValorNumerico(celdas.last()));
        fila = celdas.join(u'|');
    }
    return filas;
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
        s.clase.Cod_Articulo = ArticuloPrueba;
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
        }));
        QVERIFY(s.clase.Control_Caducidad);
        // Modeless: shown and unloaded at once, nothing waits.
        QVERIFY(SinDialogo([&] { s.clase.Show(0); }));
    }

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
        QTest::newRow("lotes") << true << u"10"_s << false << (lotes + QStringList{u"||11,00|||"_s}) << QStringList();
        QTest::newRow("lotes y pendientes")
            << true << u"10"_s << true << (lotes + QStringList{u"||-9,00|"_s + P + u'|' + P + u'|' + P, u"||2,00|||"_s})
            << docs;
        QTest::newRow("sin lotes") << false << u"10"_s << false << QStringList{u"||10,00|||"_s, u"||10,00|||"_s}
                                   << QStringList();
        QTest::newRow("sin lotes, pendientes")
            << false << u"10"_s << true
            << QStringList{u"||19,00|||"_s, u"||-9,00|"_s + P + u'|' + P + u'|' + P, u"||10,00|||"_s} << docs;
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
            QCOMPARE(FilasDe(v, u"vsLotes"_s), filas);
            QCOMPARE(documentos(v), docs);
            if (!filas.isEmpty()) {
                auto *r = control<Rejilla>(v, u"vsLotes"_s);
                const QModelIndex total = r->model()->index(r->Rows() - 2, 2);
                QVERIFY(total.data(Qt::FontRole).value<QFont>().bold());
                QVERIFY(total.siblingAtColumn(3).data(Qt::BackgroundRole).isValid());
            }
        }));
        const QStringList sql = s.grabadora->Textos();
        QCOMPARE(sql.contains(u"SELECT dbo.fn_DevArticuloUnidadesOSPendEntrega(1, 1, 500) AS Und"_s), true);
        // The owing documents are looked up only when units are owed.
        QCOMPARE(std::any_of(sql.begin(), sql.end(), [](const QString &t) { return t.contains(u"UNION ALL"); }),
                 conPendientes);
    }

    void listaLote()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        QVERIFY_SQL(SembrarPendiente(*bd, u"F"_s, 2, 7, u"5"_s, u"0"_s));
        SesionStock s(bd, u"3"_s);
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            // Owed units are the tone window's business.
            QCOMPARE(FilasDe(v, u"vsLotes"_s),
                     QStringList({u"41|3,00|L-3|31/03/2027"_s, u"42|8,00|L-8|31/08/2027"_s, u"|11,00||"_s}));
            ElegirAlmacen(v, 2);
            QCOMPARE(FilasDe(v, u"vsLotes"_s), QStringList());
        }));
        QVERIFY(s.grabadora->Textos().contains(
            u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado FROM "
            u"Almacen_Articulos_Lotes a INNER JOIN Articulos_Lotes b ON a.Cod_Empresa = b.Cod_Empresa AND "
            u"a.Cod_Lote = b.Cod_Lote WHERE a.Cod_Empresa = 1 AND a.Cod_Almacen = 2 AND b.Cod_Articulo = 500 "
            u"ORDER BY a.Stock_Actual"_s));
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

    void documentosPendientesSql()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        QVERIFY_SQL(SembrarPendiente(*bd, u"A"_s, 4, 7, u"4"_s, u"0"_s));
        SesionStock s(bd, u"2"_s, UsuarioAdministrador, 3); // customers held under company 3
        QVERIFY(Ver(s.clase, [](QDialog *) {}));
        const QString f = u"dbo.fn_FacturasLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, "
                          u"fl.Codigo, fl.TipoDoc, fl.Num_Linea)"_s;
        const QString a = u"dbo.fn_AlbaranesFLineasUndSuministradas(fl.Cod_Empresa, fl.Cod_Ejercicio, fl.Serie, "
                          u"fl.Codigo, fl.TipoDoc, fl.Num_Linea)"_s;
        const QString union_ = u" ON fl.Cod_Empresa = f.Cod_Empresa AND fl.Cod_Ejercicio = f.Cod_Ejercicio AND "
                               u"fl.Serie = f.Serie AND fl.Codigo  = f.Codigo AND fl.TipoDoc = f.TipoDoc"_s;
        const QString esperado =
            u"SELECT f.Cliente, c.Nombre, fl.Unidades - "_s + f +
            u" AS Unidades, 'F' AS Tipo, f.Codigo, f.Fecha, "
            u"f.Hora FROM Facturas_Lineas fl INNER JOIN Facturas f"_s +
            union_ +
            u" INNER JOIN Clientes c ON c.Cod_Empresa =3 AND f.Cliente = c.Codigo WHERE fl.Cod_Empresa =1 AND "
            u"f.Cod_AlmacenStock =1 AND f.TipoFactura = 0 AND fl.Unidades > 0 AND fl.Unidades > "_s +
            f + u" AND fl.Cod_Articulo =500 UNION ALL SELECT f.Cliente, c.Nombre, fl.Unidades - "_s + a +
            u" AS Unidades, 'A' AS Tipo, f.Codigo, f.Fecha, f.Hora FROM Albaranes_F_Lineas fl INNER JOIN "
            u"Albaranes_F f"_s +
            union_ +
            u" INNER JOIN Clientes c ON c.Cod_Empresa =3 AND f.Cliente = c.Codigo WHERE fl.Cod_Empresa =1 AND "
            u"f.Cod_AlmacenStock =1 AND fl.Unidades > 0 AND fl.Unidades > "_s +
            a + u" AND fl.Cod_Articulo =500 ORDER BY f.Fecha, f.Hora, f.Codigo"_s;
        QVERIFY2(s.grabadora->Textos().contains(esperado), qPrintable(s.grabadora->Textos().join(u"\n"_s)));
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
        const QString bloqueado = u"SELECT Bloqueado FROM Articulos_Lotes WHERE Cod_Lote = 41"_s;
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            auto *boton = control<QAbstractButton>(v, u"cmdBloquear"_s);
            QVERIFY(ElegirFila(v, 3, u"B2"_s));
            QCOMPARE(boton->text(), u"Desbloquear"_s);
            QVERIFY(ElegirFila(v, 3, u"A1"_s));
            QCOMPARE(boton->text(), u"Bloquear"_s);
            clic(v, u"cmdBloquear"_s);
            QCOMPARE(FilasDe(*bd, bloqueado), QStringList{u"1"_s});
            QCOMPARE(FilasDe(v, u"vsLotes"_s).constFirst(), u"41|X|3,00|A1|10|31/03/2027"_s);
            QCOMPARE(boton->text(), u"Desbloquear"_s);
            clic(v, u"cmdBloquear"_s);
            QCOMPARE(FilasDe(*bd, bloqueado), QStringList{u"0"_s});
            QCOMPARE(boton->text(), u"Bloquear"_s);
            // Blocked elsewhere since the fill: the marker still says free.
            bd->Ejecutar(u"UPDATE Articulos_Lotes SET Bloqueado = 1 WHERE Cod_Lote = 41"_s);
            clic(v, u"cmdBloquear"_s);
            QCOMPARE(FilasDe(*bd, bloqueado), QStringList{u"1"_s});
            QCOMPARE(boton->text(), u"Desbloquear"_s);
            // The total row has no lot to block.
            QVERIFY(ElegirFila(v, 2, u"11,00"_s));
            QVERIFY(!boton->isVisible());
        }));
        const QString escrito = u"UPDATE Articulos_Lotes SET Bloqueado = %1 WHERE Cod_Empresa =1 AND Cod_Lote =41"_s;
        const QStringList sql = s.grabadora->Textos();
        QCOMPARE(sql.count(escrito.arg(1)), 2);
        QCOMPARE(sql.count(escrito.arg(0)), 1);

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

    // Warehouse 0 is no warehouse: nothing listed and nothing to create in.
    // An unknown warehouse lists nothing and keeps no expiry; a lot created in
    // it is refused by the database and the window says so.
    void almacenCeroODesconocido()
    {
        QFETCH_GLOBAL(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        const QStringList antes = LotesEnBase(*bd);
        SesionStock s(bd, u"2"_s);
        s.clase.Cod_Almacen = 0;
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            QCOMPARE(FilasDe(v, u"vsLotes"_s), QStringList());
            QVERIFY(SinDialogo([&] { clic(v, u"cmdCrear"_s); }));
        }));
        s.clase.Cod_Almacen = 99;
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            QCOMPARE(FilasDe(v, u"vsLotes"_s), QStringList());
            QList<MensajeVisto> mensajes;
            QVERIFY(ConDialogo([&] { mensajes = CapturarMensajes([&] { clic(v, u"cmdCrear"_s); }); },
                               [&](QDialog *d) {
                                   escribir(d, u"txtTono"_s, u"Z9"_s);
                                   escribir(d, u"txtCalibre"_s, u"99"_s);
                                   clic(d, u"cmdAceptar"_s);
                               }));
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes.constFirst().titulo, u"frmLotecStockAlm2:Crear"_s);
            QCOMPARE(mensajes.constFirst().icono, QMessageBox::Critical);
        }));
        QCOMPARE(LotesEnBase(*bd), antes);
    }

    void crearLote_data()
    {
        QTest::addColumn<bool>("aceptar");
        QTest::newRow("aceptado") << true;
        QTest::newRow("cancelado") << false;
    }
    void crearLote()
    {
        QFETCH_GLOBAL(QString, motor);
        QFETCH(bool, aceptar);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarStock(*bd, LotesStock));
        SesionStock s(bd, u"2"_s);
        const QStringList antes = LotesEnBase(*bd);
        QVERIFY(Ver(s.clase, [&](QDialog *v) {
            // Opened on warehouse 1, created in warehouse 2.
            ElegirAlmacen(v, 2);
            const bool capturado = ConDialogo([&] { clic(v, u"cmdCrear"_s); },
                                              [&](QDialog *d) {
                                                  escribir(d, u"txtTono"_s, u"Z9"_s);
                                                  escribir(d, u"txtCalibre"_s, u"99"_s);
                                                  clic(d, aceptar ? u"cmdAceptar"_s : u"cmdCancelar"_s);
                                              });
            QVERIFY(capturado);
            const QStringList filas = FilasDe(v, u"vsLotes"_s);
            if (aceptar) {
                QCOMPARE(v->property("Cod_Almacen").toInt(), 2);
                QCOMPARE(filas.size(), 2);
                QVERIFY(filas.constFirst().endsWith(u"||0,00|Z9|99|"_s));
            } else {
                QCOMPARE(filas, QStringList());
            }
        }));
        QCOMPARE(s.clase.Cod_Almacen, AlmacenPrueba);
        const QStringList despues = LotesEnBase(*bd);
        QCOMPARE(despues.size(), antes.size() + (aceptar ? 1 : 0));
        if (aceptar) {
            QCOMPARE(FilasDe(*bd, u"SELECT a.Cod_Almacen, a.Stock_Actual FROM Almacen_Articulos_Lotes a INNER JOIN "
                                  u"Articulos_Lotes b ON a.Cod_Lote = b.Cod_Lote WHERE b.Tono = 'Z9'"_s),
                     QStringList{u"2|0"_s});
        }
    }
};

QTEST_MAIN(TstStock)
#include "tst_stock.moc"

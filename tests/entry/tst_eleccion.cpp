// A lot chosen from the list of a dialog, for every dialog that lists lots:
// which lots are listed, in what order, which choices are refused and what
// the host gets back, on a real database. And the list's helps, each with its
// host parameter set False: expired lots marked, moving by typing.
#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/lists/ListaLotes.h"
#include "tests/sales/EscenarioVentas.h"

#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

// `lineas`: the keys listed below any automatic row, or whole rows (any order)
// where they hold a '|'. `elegir`: a key, AUTO, or none for an article without lots.
struct Eleccion
{
    QString motor, clase, modelo, elegir, esperado;
    QStringList ajustes, lineas;
    int unidades;
};
Q_DECLARE_METATYPE(Eleccion)

class TstEleccion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }
    void cleanupTestCase() { Sesion(u"facturacion"_s, nullptr, u"1"_s); }

    void eleccion_data()
    {
        QTest::addColumn<Eleccion>("caso");
        QString clase, modelo;
        const auto en = [&](const QString &c, const QString &m) { std::tie(clase, modelo) = std::pair(c, m); };
        const auto fila = [&](const char *nombre, const QStringList &ajustes, int unidades, const QString &elegir,
                              const QStringList &lineas, const QString &esperado) {
            for (const QString &motor : motores())
                QTest::newRow(qPrintable(u"%1 %2 %3: %4"_s.arg(motor, clase, modelo, QString::fromUtf8(nombre))))
                    << Eleccion{motor, clase, modelo, elegir, esperado, ajustes, lineas, unidades};
        };
        const QStringList positivos{u"28"_s, u"22"_s, u"23"_s, u"21"_s, u"26"_s, u"27"_s, u"29"_s};
        const QStringList todos = QStringList{u"25"_s, u"24"_s} + positivos;
        const QString corto = u"El lote seleccionado no tiene stock suficiente"_s;
        const QString host = u"|T-HOST|C-HOST"_s;
        const QString largo = lotesPrueba().at(4).lote;
        en(u"facturacion"_s, u"3"_s);
        fila("automático elige 4,996 como 5", {}, 5, u"AUTO"_s, positivos, u"Verdadero|23|L-4996|1900-01-01"_s + host);
        fila("automático con la primera fila justa", {}, 3, u"AUTO"_s, positivos,
             u"Verdadero|28|L-3|2027-03-31"_s + host);
        fila("lote de 3 sin stock", {}, 5, u"28"_s, positivos, corto);
        fila("sin automático, fila 1 se comprueba", {u"PermitirAutomatico=false"_s}, 5, u"28"_s, positivos, corto);
        fila("automático sin lote suficiente", {}, 100, u"AUTO"_s, positivos,
             u"No existe un lote con stock suficiente"_s);
        fila("cero unidades lista todo", {}, 0, u"AUTO"_s, todos, u"Verdadero|24|L-CERO|2027-01-31"_s + host);
        fila("devolución lote negativo", {}, -2, u"25"_s, todos, u"Verdadero|25|"_s + largo + u"|2026-12-31"_s + host);
        // Strategies and shelf life: 21 expires 31/05/2027, the dated lots before 02/01/2028, 23 and 29 never.
        const QDate hoy = QDate::currentDate();
        const auto vida = [&](int a, int m, int d) { return u"DiasVidaMinima=%1"_s.arg(hoy.daysTo(QDate(a, m, d))); };
        const QString fefo = u"@Lotes_EstrategiaAutomatica=FEFO"_s;
        const QString fifo = u"@Lotes_EstrategiaAutomatica= fifo"_s;
        fila("FEFO: la caducidad más próxima que cubre", {fefo}, 5, u"AUTO"_s, positivos,
             u"Verdadero|21|L-5|2027-05-31"_s + host);
        fila("FEFO: el lote a cero, no el negativo", {fefo}, 0, u"AUTO"_s, todos,
             u"Verdadero|24|L-CERO|2027-01-31"_s + host);
        fila("FEFO: sin caducidad empata, el de menos stock", {fefo, vida(2028, 1, 2)}, 5, u"AUTO"_s, positivos,
             u"Verdadero|23|L-4996|1900-01-01"_s + host);
        fila("FIFO: la clave menor que cubre", {fifo}, 3, u"AUTO"_s, positivos,
             u"Verdadero|21|L-5|2027-05-31"_s + host);
        fila("estrategia desconocida", {u"@Lotes_EstrategiaAutomatica=LIFO"_s}, 5, u"AUTO"_s, positivos,
             u"Verdadero|23|L-4996|1900-01-01"_s + host);
        fila("vida mínima: el día justo vale", {fefo, vida(2027, 5, 31)}, 5, u"AUTO"_s, positivos,
             u"Verdadero|21|L-5|2027-05-31"_s + host);
        fila("vida mínima: un día más lo salta", {fefo, vida(2027, 6, 1)}, 5, u"AUTO"_s, positivos,
             u"Verdadero|26|L-8|2027-08-31"_s + host);
        fila("vida mínima: la menor suficiente sigue", {vida(2027, 4, 1)}, 3, u"AUTO"_s, positivos,
             u"Verdadero|22|L-499|2027-04-30"_s + host);
        fila(
            "vida mínima: el lote elegido se rechaza", {vida(2027, 6, 1)}, 5, u"21"_s, positivos,
            u"El lote seleccionado caduca el 31/05/2027 y el cliente sólo acepta lotes que caduquen a partir del 01/06/2027"_s);
        // The tone list reads the blocked marker and its own stock column.
        modelo = u"2"_s;
        fila("bloqueado con stock", {}, 5, u"27"_s, positivos, u"El lote seleccionado está bloqueado."_s);
        fila("automático salta el bloqueado", {}, 50, u"AUTO"_s, positivos, u"Verdadero|29||1900-01-01|C3|"_s);
        fila("automático con la primera fila justa", {}, 2, u"AUTO"_s, positivos, u"Verdadero|28||2027-03-31|C3|12"_s);
        fila("FEFO salta el bloqueado", {fefo}, 9, u"AUTO"_s, positivos, u"Verdadero|29||1900-01-01|C3|"_s);
        fila("sin automático la fila 1 es un lote", {u"PermitirAutomatico=false"_s}, 1, u"28"_s, positivos,
             u"Verdadero|28||2027-03-31|C3|12"_s);
        // Stock going out lists only lots with stock; the fields of the other model come back empty.
        en(u"regularizar"_s, u"3"_s);
        const QStringList sale{u"EsNegativo=true"_s};
        fila("salida: 4,996 se ve 5,00 y cubre 5", sale, 5, u"23"_s, positivos, u"Verdadero|23|L-4996|1900-01-01||"_s);
        fila("salida: 4,99 no cubre 5", sale, 5, u"22"_s, positivos, corto);
        fila("entrada: negativo, con comillas", {}, 5, u"25"_s, todos, u"Verdadero|25|"_s + largo + u"|2026-12-31||"_s);
        fila("artículo sin lotes", {u"Cod_Articulo=502"_s}, 5, {}, {}, {});
        modelo = u"2"_s;
        fila("entrada tono: a cero, su propia clave", {}, 100, u"24"_s, todos, u"Verdadero|24||2027-01-31|B2|10"_s);
        // A transfer always takes stock out, whatever the units.
        en(u"traspaso"_s, u"3"_s);
        fila("4,99 no cubre 5", {}, 5, u"22"_s, positivos, corto);
        modelo = u"2"_s;
        fila("tono", {}, 8, u"26"_s, positivos, u"Verdadero|26||2027-08-31|A1|12"_s);
        // The inventory lists every lot the article has or was counted with, by
        // key: a second expiry counted here is a row of its own.
        en(u"inventario"_s, u"3"_s);
        fila("lista", {u"ControlCaducidad=true"_s}, 4, u"23"_s,
             {u"21|31/05/2027|L-5"_s, u"22|30/04/2027|L-499"_s, u"23||L-4996"_s, u"24|31/01/2027|L-CERO"_s,
              u"25|31/12/2026|"_s + largo, u"26|30/09/2027|L-8"_s, u"26|31/08/2027|L-8"_s, u"27|01/01/2028|L-60"_s,
              u"28|31/03/2027|L-3"_s, u"29||L-80"_s, u"31|01/01/2028|L-INV"_s, u"32|09/09/2029|X"_s},
             u"Verdadero|23|L-4996|1900-01-01||"_s);
        // Lots counted here show the count (-1 is "not counted"), others none.
        modelo = u"2"_s;
        fila("lista", {}, 4, u"21"_s,
             {u"21|A1|10|31/05/2027|"_s, u"22|A1|11|30/04/2027|"_s, u"23|B2|10||"_s, u"24|B2|10|31/01/2027|"_s,
              u"25|Ñ'1|12|31/12/2026|"_s, u"26|A1|12|30/09/2027|3"_s, u"27|B2|14|01/01/2028|"_s,
              u"28|C3|12|31/03/2027|1234,5"_s, u"29|C3|||"_s, u"32|T9|C9|09/09/2029|3"_s},
             u"Verdadero|21||2027-05-31|A1|10"_s);
    }
    void eleccion()
    {
        QFETCH(Eleccion, caso);
        const auto &[motor, clase, modelo, elegir, esperado, ajustes, lineas, unidades] = caso;
        // The outputs the host gets, or else the refusal's message; neither for an article without lots.
        const bool acepta = esperado.startsWith(u"Verdadero"_s);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(sembrarConInventario(*bd));
        Sesion s(clase, bd, modelo, unidades);
        s.entrada.marcarSalidas();
        s.ajustar(ajustes);
        const bool venta = clase == u"facturacion";
        const bool regulariza = clase == u"regularizar" || clase == u"traspaso";
        const bool automatico = venta && !ajustes.contains(u"PermitirAutomatico=false"_s);
        QList<MensajeVisto> mensajes;
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            auto *r = control<Rejilla>(d, u"vsLotes"_s);
            QStringList vistas = lineasRejilla(d);
            if (automatico)
                QCOMPARE(vistas.takeFirst().section(u'|', 1, 1),
                         ListaLotes::TextoAutomatico +
                             (ajustes.contains(u"@Lotes_EstrategiaAutomatica=FEFO"_s) ? u" Primero en caducar"_s
                              : ajustes.join(u' ').contains(u"fifo"_s)                ? u" Lote más antiguo"_s
                                                                                      : u""_s));
            QStringList claves;
            for (const QString &linea : vistas)
                claves << linea.section(u'|', 0, 0);
            QStringList ordenadas = vistas;
            std::ranges::sort(ordenadas);
            QCOMPARE(lineas.value(0).contains(u'|') ? ordenadas : claves, lineas);
            if (const int f = int(claves.indexOf(u"23"_s)); f >= 0 && clase != u"inventario")
                QVERIFY2(vistas.at(f).contains(u"|5,00|"_s), qPrintable(vistas.at(f)));
            if (venta && modelo == u"2") {
                QVERIFY(vistas.at(claves.indexOf(u"27"_s)).startsWith(u"27|X|"_s));
                QVERIFY(vistas.at(claves.indexOf(u"21"_s)).startsWith(u"21||"_s));
            }
            if (venta || (clase == u"inventario" && modelo == u"2"))
                QCOMPARE(QApplication::focusWidget(), r);
            if (!regulariza)
                QCOMPARE(r->row(), 1);
            // The automatic row is the first, where the list opens.
            const int fila = elegir == u"AUTO" || elegir.isEmpty() ? r->row() : elegirFila(d, {{0, elegir}});
            r->setFocus(Qt::MouseFocusReason);
            // Enter in the list is Aceptar, but for the regularization dialogs.
            mensajes = capturarMensajes([&] {
                QTest::keyClick(r, Qt::Key_Return);
                if (regulariza) {
                    QVERIFY(d->isVisible());
                    clic(d, u"cmdAceptar"_s);
                }
            });
            QCOMPARE(d->isVisible(), !acepta);
            if (d->isVisible()) {
                if (!elegir.isEmpty())
                    QCOMPARE(r->row(), fila);
                clic(d, u"cmdCancelar"_s);
            }
        }));
        QVERIFY(!s.llamoAlProcedimiento());
        if (!venta)
            QCOMPARE(s.grabadora->textos().size(), 1); // one query, nothing written
        QCOMPARE(textos(mensajes), acepta || esperado.isEmpty() ? QString() : u"2|¡ Atención !|"_s + esperado);
        QCOMPARE(s.entrada.salidas(), acepta ? esperado : s.entrada.salidasMarcadas());
    }

    void reparto_data()
    {
        for (const char *columna : {"modelo", "ajustes", "pasos", "esperado"})
            QTest::addColumn<QString>(columna);
        QTest::addColumn<int>("unidades");
        QTest::addColumn<QString>("motor");
        // `pasos`: the button that splits, then in the split "row=units" typed and buttons pressed.
        const auto fila = [](const char *nombre, const QString &modelo, const QString &ajustes, int unidades,
                             const QString &pasos, const QString &esperado) {
            for (const QString &motor : motores())
                QTest::newRow(qPrintable(motor + u' ' + QString::fromUtf8(nombre)))
                    << modelo << ajustes << pasos << esperado << unidades << motor;
        };
        const QString fefo = u"@Lotes_EstrategiaAutomatica=FEFO"_s;
        const QString mayores = u"29|L-80|1900-01-01|||80,00 27|L-60|2028-01-01|||"_s;
        fila("ningún lote cubre: de mayor a menor", u"3"_s, {}, 100, u"cmdAceptar,!cmdAceptar"_s,
             u"0,00 de 100,00 / Verdadero|29|L-80|1900-01-01|T-HOST|C-HOST / "_s + mayores + u"20,00"_s);
        fila("FEFO: sin caducidad al final, por stock", u"3"_s, fefo, 100, u"cmdRepartir,!cmdAceptar"_s,
             u"0,00 de 100,00 / Verdadero|28|L-3|2027-03-31|T-HOST|C-HOST / 28|L-3|2027-03-31|||3,00 "
             u"22|L-499|2027-04-30|||4,99 21|L-5|2027-05-31|||5,00 30|L-6|2027-06-30|||6,00 "
             u"26|L-8|2027-08-31|||8,00 27|L-60|2028-01-01|||60,00 23|L-4996|1900-01-01|||5,00 "
             u"29|L-80|1900-01-01|||8,01"_s);
        fila("unidades movidas entre lotes", u"3"_s, {}, 100, u"cmdAceptar,2=10,3=8,4=2,!cmdAceptar"_s,
             u"0,00 de 100,00 / Verdadero|29|L-80|1900-01-01|T-HOST|C-HOST / "_s + mayores +
                 u"10,00 26|L-8|2027-08-31|||8,00 30|L-6|2027-06-30|||2,00"_s);
        const QString marcadas = u" / Falso|77|L-HOST|2030-03-03|T-HOST|C-HOST"_s;
        fila("de menos", u"3"_s, {}, 100, u"cmdAceptar,2=10,!cmdAceptar"_s,
             u"10,00 de 100,00 / Quedan 10,00 unidades por repartir"_s + marcadas);
        fila("de más", u"3"_s, {}, 100, u"cmdAceptar,3=5,!cmdAceptar"_s,
             u"-5,00 de 100,00 / Se han repartido 5,00 unidades de más"_s + marcadas);
        fila("más que su stock", u"3"_s, {}, 100, u"cmdAceptar,1=90,2=10,!cmdAceptar"_s,
             u"0,00 de 100,00 / El lote seleccionado no tiene stock suficiente"_s + marcadas);
        fila("cancelar", u"3"_s, {}, 100, u"cmdAceptar,2=1"_s, u"19,00 de 100,00"_s + marcadas);
        // The first tone and caliber that covers, never the nearest lots of three.
        fila("FEFO: un solo tono y calibre", u"2"_s, fefo, 10, u"cmdRepartir,!cmdAceptar"_s,
             u"0,00 de 10,00 / Verdadero|21||2027-05-31|A1|10 / 21||2027-05-31|A1|10|5,00 "
             u"30||2027-06-30|A1|10|5,00"_s);
        fila("ningún tono y calibre cubre", u"2"_s, {}, 100, u"cmdAceptar"_s,
             u"No existe stock suficiente de un mismo tono y calibre para repartir la línea"_s + marcadas);
    }
    // A line split over lots: the proposal, the clerk's edits with the units
    // still to split, the checks of Aceptar, and what the host reads back.
    void reparto()
    {
        QFETCH(QString, modelo);
        QFETCH(QString, ajustes);
        QFETCH(QString, pasos);
        QFETCH(QString, esperado);
        QFETCH(int, unidades);
        QFETCH(QString, motor);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(
            sembrar(*bd, lotesPrueba() + QList<LotePrueba>{{30, u"6"_s, u"L-6"_s, u"2027-06-30"_s, u"A1"_s, u"10"_s}}));
        Sesion s(u"facturacion"_s, bd, modelo, unidades);
        s.entrada.marcarSalidas();
        s.ajustar(QStringList{u"PermitirReparto=true"_s} + ajustes.split(u',', Qt::SkipEmptyParts));
        const QStringList orden = pasos.split(u',');
        QStringList visto;
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            // The split comes up over the list from the first press, its script run from a watch of its own.
            const auto repartir = [&](QDialog *r) {
                QVERIFY(QTest::qWaitForWindowActive(r));
                auto *rejilla = control<Rejilla>(r, u"vsReparto"_s);
                for (const QString &paso : orden.mid(1)) {
                    if (paso.startsWith(u'!')) {
                        clic(r, paso.mid(1));
                        continue;
                    }
                    // A digit opens the row's units anew, Enter takes them.
                    rejilla->setRow(paso.section(u'=', 0, 0).toInt());
                    QTest::keyClick(rejilla, paso.section(u'=', 1).at(0).toLatin1());
                    auto *caja = control<QLineEdit>(r, u"txtUnidades"_s);
                    QTest::keyClicks(caja, paso.section(u'=', 1).mid(1));
                    QTest::keyClick(caja, Qt::Key_Return);
                    QTRY_VERIFY(!r->findChild<QLineEdit *>(u"txtUnidades"_s)); // it closes after the key
                }
                visto << control<QLabel>(r, u"lblPendientes"_s)->text().section(u' ', 1);
            };
            const auto vigia = sondeo([&, hecho = false]() mutable {
                auto *r = qobject_cast<QDialog *>(QApplication::activeModalWidget());
                if (hecho || !r || r == d || qobject_cast<QMessageBox *>(r))
                    return;
                hecho = true;
                repartir(r);
                if (r->isVisible())
                    clic(r, u"cmdCancelar"_s);
            });
            const QList<MensajeVisto> mensajes = capturarMensajes([&] { clic(d, orden.first()); });
            visto << textos(mensajes).section(u'|', 2);
            if (d->isVisible())
                clic(d, u"cmdCancelar"_s);
        }));
        QStringList lotes;
        for (const LoteReparto &l : s.entrada.campo("Reparto").value<QList<LoteReparto>>())
            lotes << QStringList{QString::number(l.Cod_Lote),
                                 l.Lote,
                                 l.Caducidad.toString(Qt::ISODate),
                                 l.Tono,
                                 l.Calibre,
                                 l.Unidades.toString(2, QLocale(QLocale::Spanish))}
                         .join(u'|');
        visto << s.entrada.salidas() << lotes.join(u' ');
        visto.removeAll(QString());
        QCOMPARE(visto.join(u" / "_s), esperado);
    }

    // In the sales lot dialog the control last in focus decides between the
    // grid's row and the typed lot.
    void elFocoDecideEntreRejillaYLoteTecleado()
    {
        NVLA_BASE_DATOS(bd, motores().constFirst(), false);
        QVERIFY_SQL(sembrar(*bd, lotesPrueba()));
        Sesion s(u"facturacion"_s, bd, u"3"_s);
        // Typed, then back to the grid: the grid's row wins.
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            escribir(d, u"txtLote"_s, u"L-NUEVO"_s);
            clic(d, u"vsLotes"_s);
            elegirFila(d, {{0, u"26"_s}});
            clic(d, u"cmdAceptar"_s);
        }));
        QCOMPARE(s.entrada.campo("Cod_Lote").toInt(), 26);
        // A click into the frame, then Aceptar by mouse: the typed lot wins
        // although a grid row is highlighted.
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            escribir(d, u"txtCaducidad"_s, u"31082027"_s);
            escribir(d, u"txtLote"_s, u"L-8"_s);
            clic(d, u"vsLotes"_s);
            elegirFila(d, {{0, u"28"_s}});
            clic(d, u"txtCaducidad"_s);
            clic(d, u"cmdAceptar"_s);
        }));
        QCOMPARE(s.entrada.campo("Cod_Lote").toInt(), 26);
        QVERIFY(!s.llamoAlProcedimiento());
        // Up on the first row leaves the grid for the typed lot.
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            auto *r = control<Rejilla>(d, u"vsLotes"_s);
            r->setRow(2);
            QTest::keyClick(r, Qt::Key_Up); // to the automatic row, then out
            QTest::keyClick(r, Qt::Key_Up);
            QCOMPARE(QApplication::focusWidget()->objectName(), u"txtLote"_s);
            clic(d, u"cmdCancelar"_s);
        }));
    }

    // The sales lot list with every help, then with each one off: only a date
    // before today marks its cell, the text as it was; typing finds lots not
    // yet read from a long list, in any letter case, a pause starts anew and
    // the automatic row is never chosen.
    void ayudasDeLaLista()
    {
        const QDate hoy = QDate::currentDate();
        // The list goes by stock: the dated lots first, under the automatic row.
        QList<LotePrueba> lotes{{1, u"0.1"_s, u"L-AYER"_s, hoy.addDays(-1).toString(Qt::ISODate), {}, {}},
                                {2, u"0.2"_s, u"L-HOY"_s, hoy.toString(Qt::ISODate), {}, {}}};
        for (int i = 1; i <= 300; ++i)
            lotes.append({10 + i, QString::number(i), u"A-%1"_s.arg(i, 3, 10, QChar(u'0')), {}, {}, {}});
        lotes.append({999, u"999"_s, u"Zeta"_s, {}, {}, {}});
        const QString marcar = u"Lotes_MarcarCaducados"_s;
        const QString buscar = u"Lotes_BusquedaAlTeclear"_s;
        for (const QString &motor : motores())
            for (const QString &apagada : {QString(), marcar, buscar}) {
                NVLA_BASE_DATOS(bd, motor, false);
                QVERIFY_SQL(sembrar(*bd, lotes));
                Sesion s(u"facturacion"_s, bd, u"3"_s, 1);
                for (const QString &ayuda : {marcar, buscar})
                    s.empresa->setParametro(ayuda, ayuda == apagada ? u"Falso"_s : u"True"_s);
                QVERIFY(s.entrada.mostrar([&](QDialog *d) {
                    auto *r = control<Rejilla>(d, u"vsLotes"_s);
                    QStringList marcas; // automatic, yesterday, today, none: tip/colour
                    for (int fila = 0; fila < 4; ++fila) {
                        const QModelIndex celda = r->model()->index(fila, 2);
                        marcas << celda.data(Qt::ToolTipRole).toString() + u'/' +
                                      QString::number(int(celda.data(Qt::ForegroundRole).isValid()));
                    }
                    QCOMPARE(marcas.join(u' '), apagada == marcar ? u"/0 /0 /0 /0"_s : u"/0 Lote caducado/1 /0 /0"_s);
                    QCOMPARE(r->textMatrix(2, 2), hoy.addDays(-1).toString(u"dd/MM/yyyy"_s));
                    qint64 ahora = 0;
                    d->findChild<ListaLotes *>()->fijarReloj([&] { return ahora; });
                    QVERIFY(r->modelo()->quedanFilasPorLeer());
                    QTest::keyClick(r, Qt::Key_Z);
                    QCOMPARE(r->row(), apagada == buscar ? 1 : 304);
                    ahora += 2000;
                    QTest::keyClicks(r, u"a-007"_s);
                    ahora += 2000;
                    QTest::keyClicks(r, u"-"_s);
                    QCOMPARE(r->textMatrix(r->row(), 3), apagada == buscar ? ListaLotes::TextoAutomatico : u"A-007"_s);
                    clic(d, u"cmdCancelar"_s);
                }));
            }
    }
};

QTEST_MAIN(TstEleccion)
#include "tst_eleccion.moc"

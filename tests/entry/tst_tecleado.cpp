// A lot typed into the boxes of a dialog, for every dialog that takes one: what
// is refused, with which message and where the focus goes, and what the host
// gets back, on a real database.
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "tests/sales/EscenarioVentas.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

class TstTecleado : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }
    void cleanupTestCase() { Sesion(u"facturacion"_s, nullptr, u"1"_s); }

    // Each row: name ; fields and parameters ; what the clerk types ("box=text",
    // in order) ; the refusal's message ; the focus after it ; or the outputs
    // the host gets ("nuevo": a lot the procedure created). "hoy+N" is a date
    // from today.
    void tecleado_data()
    {
        for (const char *columna : {"motor", "clase", "modelo"})
            QTest::addColumn<QString>(columna);
        QTest::addColumn<QStringList>("ajustes");
        QTest::addColumn<QStringList>("escritos");
        for (const char *columna : {"mensaje", "foco", "salida"})
            QTest::addColumn<QString>(columna);
        const auto fechas = [](QString texto, bool tecleadas) {
            static const QRegularExpression hoy(u"hoy([+-]\\d+)"_s);
            for (auto m = hoy.match(texto); m.hasMatch(); m = hoy.match(texto)) {
                const QDate fecha = QDate::currentDate().addDays(m.captured(1).toInt());
                texto.replace(m.capturedStart(), m.capturedLength(),
                              fecha.toString(tecleadas ? u"ddMMyyyy"_s : u"yyyy-MM-dd"_s));
            }
            return texto;
        };
        const auto lista = [](const QString &texto) { return texto.isEmpty() ? QStringList() : texto.split(u','); };
        const auto tabla = [&](const QString &clase, const QString &modelo, const QStringList &base,
                               const QStringList &filas) {
            for (const QString &fila : filas) {
                const QStringList c = fila.split(u" ; "_s);
                for (const QString &motor : Motores())
                    QTest::newRow(qPrintable(u"%1 %2 %3: %4"_s.arg(motor, clase, modelo, c[0])))
                        << motor << clase << modelo << base + lista(c[1]) << lista(fechas(c[2], true)) << c[3] << c[4]
                        << fechas(c[5], false);
            }
        };
        const QString obligatorio = u"@Lotes_NroObligatorio=Verdadero"_s;
        tabla(
            u"compras"_s, u"3"_s, {obligatorio, u"PedirCaducidad=true"_s},
            {u"lote vacío obligatorio ;  ; txtLote=,txtCaducidad=hoy+10 ; Especifique el código de lote ; txtLote ; "_s,
             u"blancos son un lote ;  ; txtLote=  ,txtCaducidad=hoy+10 ;  ;  ; Verdadero|  |hoy+10|T-HOST|C-HOST"_s,
             u"vacío no obligatorio ; @Lotes_NroObligatorio=False ; "
             u"txtLote=,txtCaducidad=hoy+10 ;  ;  ; "
             u"Verdadero||hoy+10|T-HOST|C-HOST"_s,
             u"ayer con unidades ;  ; txtLote=L1,txtCaducidad=hoy-1 ; La fecha de "
             u"caducidad tiene que ser mayor a "
             u"la fecha actual ; txtCaducidad ; "_s,
             u"ayer sin unidades ; Unidades=0 ; txtLote=L1,txtCaducidad=hoy-1 ;  ;  ; Verdadero|L1|hoy-1|T-HOST|C-HOST"_s,
             u"hoy se acepta ;  ; txtLote=L1,txtCaducidad=hoy+0 ;  ;  ; Verdadero|L1|hoy+0|T-HOST|C-HOST"_s,
             u"fecha imposible ;  ; txtLote=L1,txtCaducidad=31022030 ; Especifique "
             u"la fecha de caducidad ; "
             u"txtCaducidad ; "_s,
             u"fecha vacía ;  ; txtLote=L1,txtCaducidad= ; Especifique la fecha de caducidad ; txtCaducidad ; "_s,
             u"sin pedir caducidad ; PedirCaducidad=false ; txtLote=L1 ;  ;  ; Verdadero|L1|1900-01-01|T-HOST|C-HOST"_s});
        // The focus stays on the button pressed.
        tabla(u"compras"_s, u"2"_s, {obligatorio, u"PedirCaducidad=true"_s},
              {u"solo tono ;  ; txtCaducidad=hoy+30,txtTono=T1,txtCalibre= ;  ;  ; Verdadero||hoy+30|T1|"_s,
               u"solo calibre, sin fecha pedida ; PedirCaducidad=false ; "
               u"txtTono=,txtCalibre=C1 ;  ;  ; "
               u"Verdadero||1900-01-01||C1"_s,
               u"ni tono ni calibre ;  ; txtCaducidad=hoy+30,txtTono=,txtCalibre= ; "
               u"Debe especificar Tono y/o Calibre "
               u"; cmdAceptar ; "_s});
        // Model 1 asks for any lot and looks at no stock.
        tabla(u"facturacion"_s, u"1"_s, {u"ControlCaducidad=false"_s},
              {u"con caducidad ; ControlCaducidad=true ; "
               u"txtLote=CUALQUIERA,txtCaducidad=hoy+20 ;  ;  ; "
               u"Verdadero|1|CUALQUIERA|hoy+20|T-HOST|C-HOST"_s});
        // A typed lot that matches a listed row is that lot, whatever its stock.
        tabla(u"facturacion"_s, u"3"_s, {u"ControlCaducidad=true"_s},
              {u"igual a una fila sin stock ;  ; txtCaducidad=31032027,txtLote=L-3 ; "
               u" ;  ; "
               u"Verdadero|28|L-3|2027-03-31|T-HOST|C-HOST"_s,
               u"blancos alrededor ;  ; txtCaducidad=31082027,txtLote=  L-8  ;  ;  ; "
               u"Verdadero|26|L-8|2027-08-31|T-HOST|C-HOST"_s,
               u"coincide solo el código ;  ; txtCaducidad=01042027,txtLote=L-3 ;  ; "
               u" ; "
               u"Verdadero|nuevo|L-3|2027-04-01|T-HOST|C-HOST"_s,
               u"nuevo con comillas y eñes ;  ; "
               u"txtCaducidad=15022028,txtLote=O'Ñandú-1 ;  ;  ; "
               u"Verdadero|nuevo|O'Ñandú-1|2028-02-15|T-HOST|C-HOST"_s,
               u"fecha obligatoria ;  ; txtCaducidad=3112,txtLote= L-X  ; Debe "
               u"especificar la fecha de caducidad ; "
               u"txtCaducidad ; "_s});
        tabla(
            u"facturacion"_s, u"2"_s, {u"ControlCaducidad=true"_s},
            {u"el bloqueado tecleado ;  ; txtCaducidad=01012028,txtTono= "
             u"B2,txtCalibre=14  ;  ;  ; "
             u"Verdadero|27||2028-01-01|B2|14"_s,
             u"solo calibre, nuevo ; ControlCaducidad=false ; txtCalibre=99 ;  ;  ; Verdadero|nuevo||1900-01-01||99"_s,
             u"otra caducidad es otro lote ;  ; "
             u"txtCaducidad=02012028,txtTono=B2,txtCalibre=14 ;  ;  ; "
             u"Verdadero|nuevo||2028-01-02|B2|14"_s,
             u"sin tono ni calibre ; ControlCaducidad=false ; txtCalibre=    ; "
             u"Debe especificar Tono y/o Calibre ; "
             u"txtTono ; "_s});
        // The inventory matches code and expiry exactly; a lot it does not know has
        // key 0.
        const QString largo = LotesPrueba().at(4).lote;
        tabla(
            u"inventario"_s, u"3"_s, {u"ControlCaducidad=true"_s},
            {u"listado ;  ; txtCaducidad=31052027,kxLote=L-5 ;  ;  ; Verdadero|21|L-5|2027-05-31||"_s,
             u"segunda caducidad ;  ; txtCaducidad=30092027,kxLote=L-8 ;  ;  ; Verdadero|26|L-8|2027-09-30||"_s,
             u"otra mayúscula ;  ; txtCaducidad=31052027,kxLote=l-5 ;  ;  ; Verdadero|0|l-5|2027-05-31||"_s,
             u"sin fecha no casa con fecha ; ControlCaducidad=false ; kxLote=L-5 ;  ;  ; Verdadero|0|L-5|1900-01-01||"_s,
             u"fecha imposible ;  ; txtCaducidad=31022027,kxLote=L-5 ; La "
             u"caducidad del lote es obligatoria. ; "
             u"txtCaducidad ; "_s,
             u"1900 como fecha y sin lote ;  ; txtCaducidad=01011900,kxLote= ; "
             u"Debe proporcionar fecha de caducidad "
             u"y/o descripción del lote. ; txtCaducidad ; "_s,
             u"nada, aun con lote obligatorio ; ControlCaducidad=false,%1 ; "
             u"kxLote= ; Debe proporcionar fecha de "
             u"caducidad y/o descripción del lote. ; cmdAceptar ; "_s.arg(obligatorio),
             u"lote obligatorio ; %1 ; txtCaducidad=31032027,kxLote= ; El código del lote es obligatorio. ; kxLote ; "_s
                 .arg(obligatorio)});
        tabla(u"inventario"_s, u"2"_s, {u"ControlCaducidad=false"_s},
              {u"con fecha ; ControlCaducidad=true ; "
               u"txtCaducidad=31052027,kxTono=A1,kxCalibre=10 ;  ;  ; "
               u"Verdadero|21||2027-05-31|A1|10"_s,
               u"otra mayúscula ;  ; kxTono=b2,kxCalibre=10 ;  ;  ; Verdadero|0||1900-01-01|b2|10"_s,
               u"sin tono ;  ; kxTono=,kxCalibre=C1 ; El tono del lote es obligatorio. ; kxTono ; "_s,
               u"sin calibre ;  ; kxTono=T1,kxCalibre= ; El calibre del lote es obligatorio. ; kxCalibre ; "_s});
    }
    void tecleado()
    {
        QFETCH(QString, motor);
        QFETCH(QString, clase);
        QFETCH(QString, modelo);
        QFETCH(QStringList, ajustes);
        QFETCH(QStringList, escritos);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        QFETCH(QString, salida);
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(SembrarConInventario(*bd));
        const QStringList antes = LotesEnBase(*bd);
        Sesion s(clase, bd, modelo);
        s.entrada.marcarSalidas();
        s.ajustar(ajustes);
        bool conFecha = false; // the last word on the date box
        for (const QString &ajuste : ajustes) {
            if (ajuste.startsWith(u"ControlCaducidad="_s) || ajuste.startsWith(u"PedirCaducidad="_s))
                conFecha = ajuste.endsWith(u"=true"_s);
        }
        const bool conIntro = clase == u"inventario" || (clase == u"facturacion" && modelo != u"1");
        QList<MensajeVisto> mensajes;
        QString focoTras;
        QVERIFY(ConDialogo([&] { s.entrada.Show(1); },
                           [&](QDialog *d) {
                               // The sales lot dialog always takes a date.
                               QCOMPARE(control(d, u"txtCaducidad"_s)->isEnabled(),
                                        conFecha || (conIntro && modelo == u"3" && clase != u"inventario"));
                               for (const QString &escrito : escritos) {
                                   const QString caja = escrito.section(u'=', 0, 0);
                                   // Nothing of the host's lot is shown.
                                   if (clase != u"compras" && caja != u"txtCaducidad")
                                       QCOMPARE(control<QLineEdit>(d, caja)->text(), QString());
                                   escribir(d, caja, escrito.section(u'=', 1));
                               }
                               // Enter in the last box only moves to Aceptar.
                               if (conIntro) {
                                   QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                   QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
                               }
                               mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                               if (auto *codigo = d->findChild<QLineEdit *>(u"txtLote"_s); codigo && conIntro)
                                   QCOMPARE(codigo->text(),
                                            codigo->text().trimmed()); // the attempt trims it
                               if (d->isVisible()) {
                                   focoTras = d->focusWidget()->objectName();
                                   clic(d, u"cmdCancelar"_s);
                               }
                           }));
        QCOMPARE(Textos(mensajes) + u" @"_s + focoTras,
                 mensaje.isEmpty() ? u" @"_s : u"2|¡ Atención !|%1 @%2"_s.arg(mensaje, foco));
        QVERIFY(clase != u"facturacion" || s.llamoAlProcedimiento() == salida.contains(u"|nuevo|"));
        if (!mensaje.isEmpty()) {
            QCOMPARE(s.entrada.Salidas(), s.entrada.SalidasMarcadas());
            return;
        }
        const QStringList despues = LotesEnBase(*bd);
        QString esperado = salida;
        if (salida.contains(u"|nuevo|")) {
            const qint32 clave = s.entrada.campo("Cod_Lote").toInt();
            esperado.replace(u"|nuevo|"_s, u"|%1|"_s.arg(clave));
            QCOMPARE(despues.size(), antes.size() + 1);
            const QString &nuevo = despues.constLast();
            QCOMPARE(nuevo.section(u'|', 0, 0).toInt(), clave);
            QCOMPARE(modelo == u"3" ? nuevo.section(u'|', 1, 1) : nuevo.section(u'|', 3, 4),
                     modelo == u"3" ? esperado.section(u'|', 2, 2) : esperado.section(u'|', 4, 5));
            QCOMPARE(FilasDe(*bd, u"SELECT Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Lote = %1"_s.arg(clave)),
                     QStringList{u"0"_s});
        } else {
            QCOMPARE(despues, antes);
        }
        QCOMPARE(s.entrada.Salidas(), esperado);
        // Model 1 and purchases look at no stock; the inventory reads its list and
        // writes nothing.
        if (clase == u"compras" || modelo == u"1")
            QVERIFY(s.grabadora->Textos().isEmpty());
        if (clase == u"inventario")
            QCOMPARE(s.grabadora->Textos().size(), 1);
    }

    // What the purchase dialog shows of the host's expiry, and where it opens.
    void cargaDeCompras_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QDate>("caducidad");
        QTest::addColumn<bool>("pedir");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("foco");
        const QDate nula(1900, 1, 1);
        QTest::newRow("lote: 01/01/2000 se ve vacío")
            << u"3"_s << QDate(2000, 1, 1) << true << QString() << u"txtLote"_s;
        QTest::newRow("lote: posterior a 2000")
            << u"3"_s << QDate(2000, 1, 2) << true << u"02/01/2000"_s << u"txtLote"_s;
        QTest::newRow("tono: la fecha nula se ve") << u"2"_s << nula << true << u"01/01/1900"_s << u"txtCaducidad"_s;
        QTest::newRow("tono: sin pedir caducidad") << u"2"_s << nula << false << QString() << u"txtTono"_s;
    }
    void cargaDeCompras()
    {
        QFETCH(QString, modelo);
        QFETCH(QDate, caducidad);
        QFETCH(bool, pedir);
        QFETCH(QString, texto);
        QFETCH(QString, foco);
        Sesion s(u"compras"_s, nullptr, modelo);
        s.entrada.fijar("Caducidad", caducidad);
        s.entrada.fijar("PedirCaducidad", pedir);
        QVERIFY(ConDialogo([&] { s.entrada.Show(1); },
                           [&](QDialog *d) {
                               auto *fecha = control<kxMaskEdBox>(d, u"txtCaducidad"_s);
                               QCOMPARE(fecha->Valor(), texto);
                               QCOMPARE(fecha->isEnabled(), pedir);
                               QCOMPARE(QApplication::focusWidget()->objectName(), foco);
                               clic(d, u"cmdCancelar"_s);
                           }));
    }

    void parametroObligatorioIlegibleSeMuestra()
    {
        Sesion s(u"compras"_s, nullptr, u"3"_s);
        s.empresa->setParametro(u"Lotes_NroObligatorio"_s, u"quizá"_s);
        QList<MensajeVisto> mensajes;
        QVERIFY(ConDialogo([&] { s.entrada.Show(1); },
                           [&](QDialog *d) {
                               mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                               clic(d, u"cmdCancelar"_s);
                           }));
        QVERIFY(Textos(mensajes).startsWith(u"3|"_s) && mensajes[0].texto.contains(u"quizá"_s));
        QVERIFY(!s.entrada.campo("Result").toBool());
    }

    // The inventory's arrows move between the boxes and the list, and the
    // list's first row leads back to the typed lot, which Aceptar then takes.
    void teclasDelInventario()
    {
        NVLA_BASE_DATOS(bd, Motores().constFirst(), false);
        QVERIFY_SQL(SembrarConInventario(*bd));
        Sesion s(u"inventario"_s, bd, u"3"_s);
        s.entrada.fijar("ControlCaducidad", true);
        QVERIFY(ConDialogo([&] { s.entrada.Show(1); },
                           [&](QDialog *d) {
                               const auto foco = [&] {
                                   return QApplication::focusWidget()->objectName() + u'/' +
                                          d->property("modo").toString();
                               };
                               QStringList focos{foco()};
                               const auto teclas = [&](std::initializer_list<Qt::Key> lista) {
                                   for (const Qt::Key tecla : lista) {
                                       QTest::keyClick(QApplication::focusWidget(), tecla);
                                       focos << foco();
                                   }
                               };
                               escribir(d, u"txtCaducidad"_s, u"01012030"_s);
                               teclas({Qt::Key_Down, Qt::Key_Up});
                               escribir(d, u"kxLote"_s, u"L-NUEVO"_s);
                               teclas({Qt::Key_Down});
                               control<Rejilla>(d, u"vsLotes"_s)->setRow(2);
                               teclas({Qt::Key_Up, Qt::Key_Up}); // on row 1 it leaves the list
                               QCOMPARE(focos.join(u' '), u"txtCaducidad/nuevo_lote kxLote/nuevo_lote "
                                                          u"txtCaducidad/nuevo_lote vsLotes/seleccion_lote "
                                                          u"vsLotes/seleccion_lote kxLote/nuevo_lote"_s);
                               clic(d, u"cmdAceptar"_s);
                           }));
        QCOMPARE(s.entrada.Salidas(), u"Verdadero|0|L-NUEVO|2030-01-01||"_s);
    }
};

QTEST_MAIN(TstTecleado)
#include "tst_tecleado.moc"

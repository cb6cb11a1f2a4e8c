// A lot typed into the boxes of a dialog, for every dialog that takes one: what
// is refused, with which message and where the focus goes, and what the host
// gets back, on a real database; and a scanned GS1 label in the lot box
// (purchases, and the sales "Manual" frame), also with Lotes_LecturaGS1 False.
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "tests/sales/EscenarioVentas.h"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// "hoy+N" in a row: the date N days from today, in `formato`.
QString fechas(QString texto, const QString &formato)
{
    static const QRegularExpression hoy(u"hoy([+-]\\d+)"_s);
    for (auto m = hoy.match(texto); m.hasMatch(); m = hoy.match(texto))
        texto.replace(m.capturedStart(), m.capturedLength(),
                      QDate::currentDate().addDays(m.captured(1).toInt()).toString(formato));
    return texto;
}

} // namespace

class TstTecleado : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }
    void cleanupTestCase() { Sesion(u"facturacion"_s, nullptr, u"1"_s); }

    // Each row: name;fields and parameters;what the clerk types ("box=text", in
    // order);then the refusal's message and " @" the focus after it, or the
    // outputs the host gets ("nuevo": a lot the procedure created), but for the
    // host's tone and caliber, which the lot models leave as they were. "hoy+N"
    // is a date from today.
    void tecleado_data()
    {
        for (const char *columna : {"motor", "clase", "modelo", "fila"})
            QTest::addColumn<QString>(columna);
        QTest::addColumn<QStringList>("ajustes");
        const auto tabla = [](const QString &clase, const QString &modelo, const QString &base,
                              const QStringList &filas) {
            for (const QString &fila : filas)
                for (const QString &motor : motores())
                    QTest::newRow(qPrintable(u"%1 %2 %3: %4"_s.arg(motor, clase, modelo, fila.section(u';', 0, 0))))
                        << motor << clase << modelo << fila
                        << (base + u',' + fila.section(u';', 1, 1)).split(u',', Qt::SkipEmptyParts);
        };
        const QString obligatorio = u"@Lotes_NroObligatorio=Verdadero"_s;
        // A host's lot longer than the box comes back whole; the clerk still types no more than 15.
        const QString largo = u"L-"_s + QString(58, u'7');
        tabla(u"compras"_s, u"3"_s, obligatorio + u",PedirCaducidad=false,Lote="_s + largo,
              {u"lote largo del host;;;Verdadero|"_s + largo + u"|1900-01-01"_s,
               u"lote largo tecleado;;txtLote="_s + largo + u";Verdadero|"_s + largo.left(15) + u"|1900-01-01"_s});
        tabla(u"compras"_s, u"3"_s, obligatorio + u",PedirCaducidad=true"_s,
              {u"lote vacío obligatorio;;txtLote=,txtCaducidad=hoy+10;Especifique el código de lote @txtLote"_s,
               u"blancos son un lote;;txtLote=  ,txtCaducidad=hoy+10;Verdadero|  |hoy+10"_s,
               u"vacío no obligatorio;@Lotes_NroObligatorio=False;txtLote=,txtCaducidad=hoy+10;Verdadero||hoy+10"_s,
               u"ayer con unidades;;txtLote=L1,txtCaducidad=hoy-1;"
               u"La fecha de caducidad tiene que ser mayor a la fecha actual @txtCaducidad"_s,
               u"ayer sin unidades;Unidades=0;txtLote=L1,txtCaducidad=hoy-1;Verdadero|L1|hoy-1"_s,
               u"hoy se acepta;;txtLote=L1,txtCaducidad=hoy+0;Verdadero|L1|hoy+0"_s,
               u"fecha imposible;;txtLote=L1,txtCaducidad=31022030;Especifique la fecha de caducidad @txtCaducidad"_s,
               u"fecha vacía;;txtLote=L1,txtCaducidad=;Especifique la fecha de caducidad @txtCaducidad"_s,
               u"sin pedir caducidad;PedirCaducidad=false;txtLote=L1;Verdadero|L1|1900-01-01"_s});
        // The focus stays on the button pressed.
        tabla(u"compras"_s, u"2"_s, obligatorio + u",PedirCaducidad=true"_s,
              {u"solo tono;;txtCaducidad=hoy+30,txtTono=T1,txtCalibre=;Verdadero||hoy+30|T1|"_s,
               u"solo calibre;PedirCaducidad=false;txtTono=,txtCalibre=C1;Verdadero||1900-01-01||C1"_s,
               u"ninguno;;txtCaducidad=hoy+30,txtTono=,txtCalibre=;Debe especificar Tono y/o Calibre @cmdAceptar"_s});
        // Model 1 asks for any lot and looks at no stock.
        tabla(u"facturacion"_s, u"1"_s, u"ControlCaducidad=true"_s,
              {u"con caducidad;;txtLote=CUALQUIERA,txtCaducidad=hoy+20;Verdadero|1|CUALQUIERA|hoy+20"_s});
        // A typed lot that matches a listed row is that lot, whatever its stock.
        tabla(u"facturacion"_s, u"3"_s, u"ControlCaducidad=true"_s,
              {u"igual a una fila sin stock;;txtCaducidad=31032027,txtLote=L-3;Verdadero|28|L-3|2027-03-31"_s,
               u"blancos alrededor;;txtCaducidad=31082027,txtLote=  L-8  ;Verdadero|26|L-8|2027-08-31"_s,
               u"coincide solo el código;;txtCaducidad=01042027,txtLote=L-3;Verdadero|nuevo|L-3|2027-04-01"_s,
               u"comillas y eñes;;txtCaducidad=15022028,txtLote=O'Ñandú-1;Verdadero|nuevo|O'Ñandú-1|2028-02-15"_s,
               u"fecha corta;;txtCaducidad=3112,txtLote= L-X ;Debe especificar la fecha de caducidad @txtCaducidad"_s});
        tabla(u"facturacion"_s, u"2"_s, u"ControlCaducidad=true"_s,
              {u"bloqueado;;txtCaducidad=01012028,txtTono= B2,txtCalibre=14 ;Verdadero|27||2028-01-01|B2|14"_s,
               u"solo calibre, nuevo;ControlCaducidad=false;txtCalibre=99;Verdadero|nuevo||1900-01-01||99"_s,
               u"otra caducidad;;txtCaducidad=02012028,txtTono=B2,txtCalibre=14;Verdadero|nuevo||2028-01-02|B2|14"_s,
               u"en blanco;ControlCaducidad=false;txtCalibre=    ;Debe especificar Tono y/o Calibre @txtTono"_s});
        // The inventory matches code and expiry exactly; a lot it does not know has key 0.
        const QString falta = u"Debe proporcionar fecha de caducidad y/o descripción del lote."_s;
        tabla(u"inventario"_s, u"3"_s, u"ControlCaducidad=true"_s,
              {u"listado;;txtCaducidad=31052027,kxLote=L-5;Verdadero|21|L-5|2027-05-31||"_s,
               u"segunda caducidad;;txtCaducidad=30092027,kxLote=L-8;Verdadero|26|L-8|2027-09-30||"_s,
               u"otra mayúscula;;txtCaducidad=31052027,kxLote=l-5;Verdadero|0|l-5|2027-05-31||"_s,
               u"sin fecha no casa con fecha;ControlCaducidad=false;kxLote=L-5;Verdadero|0|L-5|1900-01-01||"_s,
               u"imposible;;txtCaducidad=31022027,kxLote=L-5;La caducidad del lote es obligatoria. @txtCaducidad"_s,
               u"1900 como fecha y sin lote;;txtCaducidad=01011900,kxLote=;"_s + falta + u" @txtCaducidad"_s,
               u"nada, aun con lote obligatorio;ControlCaducidad=false,"_s + obligatorio + u";kxLote=;"_s + falta +
                   u" @cmdAceptar"_s,
               u"lote obligatorio;"_s + obligatorio +
                   u";txtCaducidad=31032027,kxLote=;El código del lote es obligatorio. @kxLote"_s});
        tabla(u"inventario"_s, u"2"_s, u"ControlCaducidad=false"_s,
              {u"con fecha;ControlCaducidad=true;txtCaducidad=31052027,kxTono=A1,kxCalibre=10;"
               u"Verdadero|21||2027-05-31|A1|10"_s,
               u"otra mayúscula;;kxTono=b2,kxCalibre=10;Verdadero|0||1900-01-01|b2|10"_s,
               u"sin tono;;kxTono=,kxCalibre=C1;El tono del lote es obligatorio. @kxTono"_s,
               u"sin calibre;;kxTono=T1,kxCalibre=;El calibre del lote es obligatorio. @kxCalibre"_s});
    }
    void tecleado()
    {
        QFETCH(QString, motor);
        QFETCH(QString, clase);
        QFETCH(QString, modelo);
        QFETCH(QString, fila);
        QFETCH(QStringList, ajustes);
        const QStringList escritos = fechas(fila.section(u';', 2, 2), u"ddMMyyyy"_s).split(u',', Qt::SkipEmptyParts);
        QString esperado = fechas(fila.section(u';', 3), u"yyyy-MM-dd"_s);
        const bool rechazo = !esperado.startsWith(u"Verdadero"_s);
        if (!rechazo && modelo != u"2" && clase != u"inventario")
            esperado += u"|T-HOST|C-HOST"_s;
        NVLA_BASE_DATOS(bd, motor, false);
        QVERIFY_SQL(sembrarConInventario(*bd));
        const QStringList antes = lotesEnBase(*bd);
        Sesion s(clase, bd, modelo);
        s.entrada.marcarSalidas();
        s.ajustar(ajustes);
        // The last word on the date box.
        const bool conFecha =
            ajustes.filter(QRegularExpression(u"^(Control|Pedir)Caducidad="_s)).constLast().endsWith(u"=true"_s);
        const bool conIntro = clase == u"inventario" || (clase == u"facturacion" && modelo != u"1");
        QList<MensajeVisto> mensajes;
        QString focoTras;
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
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
            mensajes = capturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
            // The attempt trims the typed lot.
            if (auto *codigo = d->findChild<QLineEdit *>(u"txtLote"_s); codigo && conIntro)
                QCOMPARE(codigo->text(), codigo->text().trimmed());
            if (d->isVisible()) {
                focoTras = d->focusWidget()->objectName();
                clic(d, u"cmdCancelar"_s);
            }
        }));
        QCOMPARE(textos(mensajes) + u" @"_s + focoTras, rechazo ? u"2|¡ Atención !|"_s + esperado : u" @"_s);
        const bool nuevo = esperado.contains(u"|nuevo|");
        QVERIFY(clase != u"facturacion" || s.llamoAlProcedimiento() == nuevo);
        const QStringList despues = lotesEnBase(*bd);
        QCOMPARE(nuevo ? despues.mid(0, despues.size() - 1) : despues, antes);
        if (nuevo) {
            // Written as typed, with no stock.
            const QString clave = s.entrada.campo("Cod_Lote").toString();
            esperado.replace(u"|nuevo|"_s, u'|' + clave + u'|');
            const QString &creado = despues.constLast();
            QCOMPARE(creado.section(u'|', 0, 0) + u'|' +
                         (modelo == u"3" ? creado.section(u'|', 1, 1) : creado.section(u'|', 3, 4)),
                     clave + u'|' + (modelo == u"3" ? esperado.section(u'|', 2, 2) : esperado.section(u'|', 4, 5)));
            QCOMPARE(filasDe(*bd, u"SELECT Stock_Actual FROM Almacen_Articulos_Lotes WHERE Cod_Lote = "_s + clave),
                     QStringList{u"0"_s});
        }
        QCOMPARE(s.entrada.salidas(), rechazo ? s.entrada.salidasMarcadas() : esperado);
        // Model 1 and purchases look at no stock; the inventory reads its list and
        // writes nothing.
        if (clase != u"facturacion" || modelo == u"1")
            QCOMPARE(s.grabadora->textos().size(), clase == u"inventario" ? 1 : 0);
    }

    // What the purchase dialog shows of the host's expiry, and where it opens.
    // Each row: model;the host's expiry;PedirCaducidad;the date box;the focus;
    // and an unreadable Lotes_NroObligatorio, which Aceptar must tell.
    void cargaDeCompras_data()
    {
        QTest::addColumn<QString>("fila");
        QTest::newRow("lote: 01/01/2000 se ve vacío") << u"3;2000-01-01;1;;txtLote"_s;
        QTest::newRow("lote: posterior a 2000") << u"3;2000-01-02;1;02/01/2000;txtLote"_s;
        QTest::newRow("lote: obligatorio ilegible") << u"3;1900-01-01;0;;txtLote;quizá"_s;
        QTest::newRow("tono: la fecha nula se ve") << u"2;1900-01-01;1;01/01/1900;txtCaducidad"_s;
        QTest::newRow("tono: sin pedir caducidad") << u"2;1900-01-01;0;;txtTono"_s;
    }
    void cargaDeCompras()
    {
        QFETCH(QString, fila);
        const QStringList c = fila.split(u';');
        const bool pedir = c[2] == u"1";
        Sesion s(u"compras"_s, nullptr, c[0]);
        s.entrada.fijar("Caducidad", QDate::fromString(c[1], Qt::ISODate));
        s.entrada.fijar("PedirCaducidad", pedir);
        s.ajustar({u"@Lotes_NroObligatorio="_s + c.value(5, u"False"_s)});
        QList<MensajeVisto> mensajes;
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            auto *fecha = control<kxMaskEdBox>(d, u"txtCaducidad"_s);
            QCOMPARE(fecha->isEnabled(), pedir);
            QCOMPARE(fecha->Valor() + u';' + QApplication::focusWidget()->objectName(), c[3] + u';' + c[4]);
            if (c.size() > 5)
                mensajes = capturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
            clic(d, u"cmdCancelar"_s);
        }));
        // Titled by the dialog and the action that failed.
        if (c.size() > 5)
            QVERIFY(textos(mensajes).startsWith(u"3|frmLotesDatos1:Aceptar|"_s) && mensajes[0].texto.contains(c[5]));
    }

    // The inventory's arrows move between the boxes and the list, and the
    // list's first row leads back to the typed lot, which Aceptar then takes.
    void teclasDelInventario()
    {
        NVLA_BASE_DATOS(bd, motores().constFirst(), false);
        QVERIFY_SQL(sembrarConInventario(*bd));
        Sesion s(u"inventario"_s, bd, u"3"_s);
        s.entrada.fijar("ControlCaducidad", true);
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            const auto foco = [&] {
                return QApplication::focusWidget()->objectName() + u'/' + d->property("modo").toString();
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
        QCOMPARE(s.entrada.salidas(), u"Verdadero|0|L-NUEVO|2030-01-01||"_s);
    }

    // The scanner types the label, longer than the box takes, with Ctrl+] as
    // its separator, and ends it with Enter or Tab; the boxes show lot and
    // expiry, and the purchase host gets what they show.
    void etiquetaGs1_data()
    {
        // Each row: class;what the scanner types, ^ its separator;the boxes;the key that ends it;Lotes_LecturaGS1
        QTest::addColumn<QString>("fila");
        const QString gtin = u"]C10109501101530003"_s + u"17301200"_s;
        QTest::newRow("con Intro") << u"compras;"_s + gtin + u"10LOTE-ESCANEADO;LOTE-ESCANEADO|31/12/2030;Intro;1"_s;
        QTest::newRow("separador tras el lote, con tabulador")
            << u"compras;]C110LOTE-ESCANEADO^17301231;LOTE-ESCANEADO|31/12/2030;Tab;1"_s;
        QTest::newRow("código interno de un lote sin GTIN") << u"compras;]C0LOTE-ESCANEADO;LOTE-ESCANEADO|;Intro;1"_s;
        QTest::newRow("lectura apagada") << u"compras;(17)301231(10)LOTE-ESCANEADO;(17)301231(10)L|;Intro;0"_s;
        QTest::newRow("marco de ventas") << u"facturacion;"_s + gtin +
                                                u"10LOTE-DE-18-CIFRAS;LOTE-DE-18-CIFRAS|31/12/2030;Intro;1"_s;
    }
    void etiquetaGs1()
    {
        QFETCH(QString, fila);
        const QStringList c = fila.split(u';');
        const QString clase = c[0];
        const Qt::Key fin = c[3] == u"Tab" ? Qt::Key_Tab : Qt::Key_Return;
        NVLA_BASE_DATOS(bd, motores().constFirst(), false);
        QVERIFY_SQL(sembrar(*bd, {}));
        Sesion s(clase, bd, u"3"_s);
        s.empresa->setParametro(u"Lotes_LecturaGS1"_s, c[4] == u"1");
        if (s.entrada.tiene("PedirCaducidad"))
            s.entrada.fijar("PedirCaducidad", true);
        QString vistas;
        QVERIFY(s.entrada.mostrar([&](QDialog *d) {
            auto *caja = control<kxTextBox>(d, u"txtLote"_s);
            enfocar(d, u"txtLote"_s);
            const QStringList trozos = c[1].split(u'^');
            QTest::keyClicks(caja, trozos[0]);
            if (trozos.size() > 1) {
                QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_BracketRight, QString(QChar(29)), Qt::ControlModifier);
                QTest::keyClicks(caja, trozos[1]);
            }
            QTest::keyClick(caja, fin);
            vistas = caja->text() + u'|' + control<kxMaskEdBox>(d, u"txtCaducidad"_s)->Valor();
            // Enter then moves to Aceptar as it always does.
            if (fin == Qt::Key_Return && clase != u"compras")
                QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdAceptar"_s);
            clic(d, clase == u"compras" && !vistas.endsWith(u'|') ? u"cmdAceptar"_s : u"cmdCancelar"_s);
        }));
        QCOMPARE(vistas, c[2]);
        if (s.entrada.campo("Result").toBool())
            QCOMPARE(s.entrada.salidas().section(u'|', 0, 2), u"Verdadero|LOTE-ESCANEADO|2030-12-31"_s);
    }
};

QTEST_MAIN(TstTecleado)
#include "tst_tecleado.moc"

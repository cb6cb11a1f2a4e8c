// The purchase entry class driven through its real dialogs.
#include "foundation/controls/kxMaskEdBox.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesCompras.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QDate Nula(1900, 1, 1);

QString hoyMas(int dias)
{
    return QDate::currentDate().addDays(dias).toString(u"dd/MM/yyyy"_s);
}

} // namespace

class TstCompras : public QObject
{
    Q_OBJECT

    std::shared_ptr<EmpresaMemoria> m_empresa;

    frmclsLotesCompras claseConModelo(const QString &modelo)
    {
        m_empresa->setParametro(u"Lotes_ModeloUsar"_s, modelo);
        frmclsLotesCompras clase;
        clase.EmpresaNuvalia(m_empresa);
        clase.Lote = u"L-ORIG"_s;
        clase.Caducidad = QDate(2031, 5, 17);
        clase.Tono = u"T-ORIG"_s;
        clase.Calibre = u"C-ORIG"_s;
        clase.PedirCaducidad = true;
        clase.Unidades = 5;
        return clase;
    }

    static bool sinCambios(const frmclsLotesCompras &clase)
    {
        return clase.Lote == u"L-ORIG" && clase.Caducidad == QDate(2031, 5, 17) && clase.Tono == u"T-ORIG" &&
               clase.Calibre == u"C-ORIG";
    }

    // Runs `preparar` on the dialog, presses Aceptar, cancels a dialog still open
    // after its messages, and writes down the messages and the control that had
    // the focus after them. Answers whether the dialog was driven cleanly.
    [[nodiscard]] static bool aceptarCon(frmclsLotesCompras &clase, const std::function<void(QDialog *)> &preparar,
                                         QList<MensajeVisto> &mensajes, QString *foco = nullptr)
    {
        return ConDialogo([&] { clase.Show(1); },
                          [&](QDialog *d) {
                              preparar(d);
                              mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                              if (foco && d->focusWidget())
                                  *foco = d->focusWidget()->objectName();
                              if (d->isVisible())
                                  clic(d, u"cmdCancelar"_s);
                          });
    }

private Q_SLOTS:
    void init()
    {
        m_empresa = std::make_shared<EmpresaMemoria>();
        m_empresa->setParametro(u"Lotes_NroObligatorio"_s, true);
    }
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    // Each model opens its dialog; any way out but Aceptar leaves every field as the host set it.
    void salirSinAceptarNoTocaNada_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("dialogo");
        QTest::addColumn<QString>("salida");
        QTest::newRow("2 cancelar") << u"2"_s << u"frmLotesDatos2"_s << u"cancelar"_s;
        QTest::newRow("3 caja de cierre") << u"3"_s << u"frmLotesDatos1"_s << u"cerrar"_s;
        QTest::newRow("3.0 Escape e Intro no cierran") << u"3.0"_s << u"frmLotesDatos1"_s << u"teclas"_s;
        QTest::newRow(" 4 cancelar") << u" 4"_s << u"frmLotesDatos1"_s << u"cancelar"_s;
        QTest::newRow("4 modal 0") << u"4"_s << QString() << u"modal0"_s;
        QTest::newRow("3 ventana del host borrada") << u"3"_s << u"frmLotesDatos1"_s << u"propietario"_s;
    }
    void salirSinAceptarNoTocaNada()
    {
        QFETCH(QString, modelo);
        QFETCH(QString, dialogo);
        QFETCH(QString, salida);
        auto clase = claseConModelo(modelo);
        clase.Result = true;
        if (salida == u"modal0") {
            clase.Show(0);
        } else {
            // The host's window may go while the dialog runs: the dialog ends with it, freed once.
            auto propietario = std::make_unique<QWidget>();
            propietario->show();
            QVERIFY(ConDialogo([&] { clase.Show(1, propietario.get()); },
                               [&](QDialog *d) {
                                   QCOMPARE(d->objectName(), dialogo);
                                   if (salida == u"propietario")
                                       return propietario.reset();
                                   QCOMPARE(d->windowTitle(), u"Control de Lotes"_s);
                                   if (salida == u"teclas") {
                                       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                                       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                       QVERIFY(d->isVisible());
                                   }
                                   salida == u"cancelar" ? clic(d, u"cmdCancelar"_s) : void(d->close());
                               }));
        }
        QVERIFY(!clase.Result);
        QVERIFY(sinCambios(clase));
    }

    void cargaDelDialogo_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QDate>("caducidad");
        QTest::addColumn<bool>("pedir");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("foco");
        QTest::newRow("lote: posterior a 2000")
            << u"3"_s << QDate(2000, 1, 2) << true << u"02/01/2000"_s << u"txtLote"_s;
        QTest::newRow("lote: 01/01/2000 se ve vacío")
            << u"3"_s << QDate(2000, 1, 1) << true << QString() << u"txtLote"_s;
        QTest::newRow("lote: fecha nula vacía") << u"3"_s << Nula << true << QString() << u"txtLote"_s;
        QTest::newRow("lote: sin pedir caducidad")
            << u"3"_s << QDate(2031, 5, 17) << false << QString() << u"txtLote"_s;
        QTest::newRow("tono: la fecha nula se ve") << u"2"_s << Nula << true << u"01/01/1900"_s << u"txtCaducidad"_s;
        QTest::newRow("tono: sin pedir caducidad") << u"2"_s << Nula << false << QString() << u"txtTono"_s;
    }
    void cargaDelDialogo()
    {
        QFETCH(QString, modelo);
        QFETCH(QDate, caducidad);
        QFETCH(bool, pedir);
        QFETCH(QString, texto);
        QFETCH(QString, foco);
        auto clase = claseConModelo(modelo);
        clase.Caducidad = caducidad;
        clase.PedirCaducidad = pedir;
        QVERIFY(ConDialogo([&] { clase.Show(1); },
                           [&](QDialog *d) {
                               auto *fecha = control<kxMaskEdBox>(d, u"txtCaducidad"_s);
                               QCOMPARE(fecha->Valor(), texto);
                               QCOMPARE(fecha->isEnabled(), pedir);
                               QCOMPARE(QApplication::focusWidget()->objectName(), foco);
                               clic(d, u"cmdCancelar"_s);
                           }));
    }

    // What the clerk types ("control=text"), and the message and focus of a
    // refusal or the fields given back ("lot|expiry|tone|caliber").
    void aceptar_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<bool>("obligatorio");
        QTest::addColumn<int>("unidades");
        QTest::addColumn<bool>("pedir");
        QTest::addColumn<QStringList>("escritos");
        QTest::addColumn<QString>("mensaje"); // empty: accepted
        QTest::addColumn<QString>("foco");
        QTest::addColumn<QString>("salida");
        const QString sinFecha = u"Especifique la fecha de caducidad"_s;
        const QString pasada = u"La fecha de caducidad tiene que ser mayor a la fecha actual"_s;
        const auto lote = [](const QString &codigo, const QString &fecha) {
            return QStringList{u"txtLote="_s + codigo, u"txtCaducidad="_s + fecha};
        };
        const auto fila = [](const char *caso, bool obligatorio, int unidades, const QStringList &escritos,
                             const QString &mensaje, const QString &foco = {}) {
            const QString fecha = escritos.value(1).section(u'=', 1);
            QTest::newRow(caso) << u"3"_s << obligatorio << unidades << true << escritos << mensaje << foco
                                << escritos.value(0).section(u'=', 1) + u'|' + fecha + u"|T-ORIG|C-ORIG"_s;
        };
        fila("lote vacío obligatorio", true, 5, lote({}, hoyMas(10)), u"Especifique el código de lote"_s, u"txtLote"_s);
        fila("blancos son un lote", true, 5, lote(u"  "_s, hoyMas(10)), {});
        fila("vacío no obligatorio", false, 5, lote({}, hoyMas(10)), {});
        fila("ayer con unidades", true, 5, lote(u"L1"_s, hoyMas(-1)), pasada, u"txtCaducidad"_s);
        fila("ayer sin unidades", true, 0, lote(u"L1"_s, hoyMas(-1)), {});
        fila("ayer en devolución", true, -5, lote(u"L1"_s, hoyMas(-1)), {});
        fila("hoy se acepta", true, 5, lote(u"L1"_s, hoyMas(0)), {});
        fila("fecha a medias", true, 5, lote(u"L1"_s, u"12/05/20"_s), sinFecha, u"txtCaducidad"_s);
        fila("fecha imposible", true, 5, lote(u"L1"_s, u"31/02/2030"_s), sinFecha, u"txtCaducidad"_s);
        fila("fecha vacía", true, 5, lote(u"L1"_s, {}), sinFecha, u"txtCaducidad"_s);
        QTest::newRow("sin pedir caducidad") << u"3"_s << true << 5 << false << QStringList{u"txtLote=L1"_s}
                                             << QString() << QString() << u"L1|01/01/1900|T-ORIG|C-ORIG"_s;
        const QStringList tono{u"txtCaducidad="_s + hoyMas(30), u"txtTono=T1"_s, u"txtCalibre="_s};
        QTest::newRow("solo tono") << u"2"_s << true << 5 << true << tono << QString() << QString()
                                   << u"|"_s + hoyMas(30) + u"|T1|"_s;
        QTest::newRow("solo calibre, sin fecha pedida")
            << u"2"_s << true << 5 << false << QStringList{u"txtTono="_s, u"txtCalibre=C1"_s} << QString() << QString()
            << u"|01/01/1900||C1"_s;
        // The focus stays on the button pressed.
        QTest::newRow("ni tono ni calibre")
            << u"2"_s << true << 5 << true
            << QStringList{u"txtCaducidad="_s + hoyMas(30), u"txtTono="_s, u"txtCalibre="_s}
            << u"Debe especificar Tono y/o Calibre"_s << u"cmdAceptar"_s << QString();
    }
    void aceptar()
    {
        QFETCH(QString, modelo);
        QFETCH(bool, obligatorio);
        QFETCH(int, unidades);
        QFETCH(bool, pedir);
        QFETCH(QStringList, escritos);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        QFETCH(QString, salida);
        m_empresa->setParametro(u"Lotes_NroObligatorio"_s, obligatorio ? u"Verdadero"_s : u"False"_s);
        auto clase = claseConModelo(modelo);
        clase.Unidades = unidades;
        clase.PedirCaducidad = pedir;
        QString focoTras;
        QList<MensajeVisto> mensajes;
        QVERIFY(aceptarCon(
            clase,
            [&](QDialog *d) {
                for (const QString &escrito : escritos)
                    escribir(d, escrito.section(u'=', 0, 0), escrito.section(u'=', 1).remove(u'/'));
            },
            mensajes, &focoTras));
        if (mensaje.isEmpty()) {
            QVERIFY(mensajes.isEmpty());
            QVERIFY(clase.Result);
            QCOMPARE(QStringList({clase.Lote, clase.Caducidad.toString(u"dd/MM/yyyy"_s), clase.Tono, clase.Calibre})
                         .join(u'|'),
                     salida);
            return;
        }
        QCOMPARE(mensajes.size(), 1);
        QCOMPARE(mensajes[0].texto, mensaje);
        QCOMPARE(mensajes[0].titulo, u"¡ Atención !"_s);
        QCOMPARE(mensajes[0].icono, QMessageBox::Warning);
        QCOMPARE(mensajes[0].botones.size(), 1);
        QCOMPARE(focoTras, foco);
        // Cancelled after the refusal: nothing is copied back.
        QVERIFY(!clase.Result);
        QVERIFY(sinCambios(clase));
    }

    void parametroObligatorioIlegibleSeMuestra()
    {
        m_empresa->setParametro(u"Lotes_NroObligatorio"_s, u"quizá"_s);
        auto clase = claseConModelo(u"3"_s);
        QList<MensajeVisto> mensajes;
        QVERIFY(aceptarCon(
            clase, [](QDialog *) {}, mensajes));
        QCOMPARE(mensajes.size(), 1);
        QCOMPARE(mensajes[0].icono, QMessageBox::Critical);
        QVERIFY(mensajes[0].texto.contains(u"quizá"_s));
        QVERIFY(!clase.Result);
    }
};

QTEST_MAIN(TstCompras)
#include "tst_compras.moc"

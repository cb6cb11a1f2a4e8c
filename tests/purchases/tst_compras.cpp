// The purchase entry class driven through its real dialogs.
#include "foundation/controls/kxMaskEdBox.h"
#include "tests/support/Conduccion.h"

#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/frmclsLotesCompras.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

const QDate Nula(1900, 1, 1);
const QString DatosAtencion = u"¡ Atención !"_s;

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

    static void verificarSinCambios(const frmclsLotesCompras &clase)
    {
        QCOMPARE(clase.Lote, u"L-ORIG"_s);
        QCOMPARE(clase.Caducidad, QDate(2031, 5, 17));
        QCOMPARE(clase.Tono, u"T-ORIG"_s);
        QCOMPARE(clase.Calibre, u"C-ORIG"_s);
    }

    // Accepts the dialog after `preparar` and answers the messages it raised.
    QList<MensajeVisto> aceptarCon(frmclsLotesCompras &clase, const std::function<void(QDialog *)> &preparar,
                                   QString *focoTrasMensaje = nullptr)
    {
        QList<MensajeVisto> mensajes;
        const bool visto = ConDialogo([&] { clase.Show(1); },
                                      [&](QDialog *d) {
                                          preparar(d);
                                          mensajes = CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                                          if (focoTrasMensaje && d->focusWidget())
                                              *focoTrasMensaje = d->focusWidget()->objectName();
                                          if (d->isVisible())
                                              clic(d, u"cmdCancelar"_s);
                                      });
        if (!visto)
            qWarning("no dialog was shown");
        return mensajes;
    }

private Q_SLOTS:
    void init()
    {
        m_empresa = std::make_shared<EmpresaMemoria>();
        m_empresa->setParametro(u"Lotes_NroObligatorio"_s, true);
    }

    void modeloUnoRespondeSinDialogo()
    {
        auto clase = claseConModelo(u"1"_s);
        clase.PedirCaducidad = false;
        const bool huboDialogo = ConDialogo([&] { clase.Show(1); }, [](QDialog *) {});
        QVERIFY(!huboDialogo);
        QVERIFY(clase.Result);
        QCOMPARE(clase.Lote, QString());
        QCOMPARE(clase.Caducidad, Nula);
        QCOMPARE(clase.Tono, u"T-ORIG"_s);
        QCOMPARE(clase.Calibre, u"C-ORIG"_s);
    }

    void modeloEligeDialogo_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<QString>("dialogo");
        QTest::newRow("2 tono y calibre") << u"2"_s << u"frmLotesDatos2"_s;
        QTest::newRow("3 lote") << u"3"_s << u"frmLotesDatos1"_s;
        QTest::newRow("3.0 cuenta como 3") << u"3.0"_s << u"frmLotesDatos1"_s;
        QTest::newRow("4 lote") << u"4"_s << u"frmLotesDatos1"_s;
        QTest::newRow("blancos delante") << u" 4"_s << u"frmLotesDatos1"_s;
    }
    void modeloEligeDialogo()
    {
        QFETCH(QString, modelo);
        QFETCH(QString, dialogo);
        auto clase = claseConModelo(modelo);
        QString abierto;
        QVERIFY(ConDialogo([&] { clase.Show(1); },
                           [&](QDialog *d) {
                               abierto = d->objectName();
                               QCOMPARE(d->windowTitle(), u"Control de Lotes"_s);
                               clic(d, u"cmdCancelar"_s);
                           }));
        QCOMPARE(abierto, dialogo);
        QVERIFY(!clase.Result);
        verificarSinCambios(clase);
    }

    void modeloNoValidoFallaSinTocarCampos_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::newRow("vacío") << QString();
        QTest::newRow("5") << u"5"_s;
        QTest::newRow("2.5") << u"2.5"_s;
        QTest::newRow("0") << u"0"_s;
        QTest::newRow("texto") << u"abc"_s;
    }
    void modeloNoValidoFallaSinTocarCampos()
    {
        QFETCH(QString, modelo);
        auto clase = claseConModelo(modelo);
        clase.Result = true;
        try {
            clase.Show(1);
            QFAIL("Show did not fail");
        } catch (const ErrorLotes &error) {
            QCOMPARE(error.Number(), NumeroError::ModeloLotesNoValido);
            QVERIFY(error.Description().contains(u"Lotes_ModeloUsar"_s));
            QCOMPARE(error.Source(), u"frmclsLotesCompras.Show"_s);
        }
        QVERIFY(clase.Result);
        verificarSinCambios(clase);
    }

    void modalCeroDevuelveFalso()
    {
        auto clase = claseConModelo(u"3"_s);
        clase.Result = true;
        clase.Show(0);
        QVERIFY(!clase.Result);
        verificarSinCambios(clase);
    }

    void cierreConLaCajaDeCierreEsCancelar()
    {
        auto clase = claseConModelo(u"2"_s);
        QVERIFY(ConDialogo([&] { clase.Show(1); }, [](QDialog *d) { d->close(); }));
        QVERIFY(!clase.Result);
        verificarSinCambios(clase);
    }

    void escapeEIntroNoCierran()
    {
        auto clase = claseConModelo(u"3"_s);
        bool abiertoTrasTeclas = false;
        ConDialogo([&] { clase.Show(1); },
                   [&](QDialog *d) {
                       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                       QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                       abiertoTrasTeclas = d->isVisible();
                       clic(d, u"cmdCancelar"_s);
                   });
        QVERIFY(abiertoTrasTeclas);
    }

    void cargaDelDialogoDeLote_data()
    {
        QTest::addColumn<QDate>("caducidad");
        QTest::addColumn<bool>("pedir");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<bool>("habilitada");
        QTest::newRow("fecha posterior a 2000") << QDate(2000, 1, 2) << true << u"02/01/2000"_s << true;
        QTest::newRow("01/01/2000 exacto se ve vacío") << QDate(2000, 1, 1) << true << QString() << true;
        QTest::newRow("fecha nula vacía") << Nula << true << QString() << true;
        QTest::newRow("sin fecha") << QDate() << true << QString() << true;
        QTest::newRow("sin pedir caducidad") << QDate(2031, 5, 17) << false << QString() << false;
    }
    void cargaDelDialogoDeLote()
    {
        QFETCH(QDate, caducidad);
        QFETCH(bool, pedir);
        QFETCH(QString, texto);
        QFETCH(bool, habilitada);
        auto clase = claseConModelo(u"3"_s);
        clase.Caducidad = caducidad;
        clase.PedirCaducidad = pedir;
        ConDialogo([&] { clase.Show(1); },
                   [&](QDialog *d) {
                       auto *fecha = control<kxMaskEdBox>(d, u"txtCaducidad"_s);
                       QCOMPARE(fecha->Valor(), texto);
                       QCOMPARE(fecha->isEnabled(), habilitada);
                       QCOMPARE(control<QLineEdit>(d, u"txtLote"_s)->text(), u"L-ORIG"_s);
                       QCOMPARE(QApplication::focusWidget()->objectName(), u"txtLote"_s);
                       clic(d, u"cmdCancelar"_s);
                   });
    }

    void aceptarLote_data()
    {
        QTest::addColumn<QString>("modelo");
        QTest::addColumn<bool>("obligatorio");
        QTest::addColumn<int>("unidades");
        QTest::addColumn<bool>("pedir");
        QTest::addColumn<QString>("lote");
        QTest::addColumn<QString>("fecha");
        QTest::addColumn<QString>("mensaje"); // empty: accepted
        QTest::addColumn<QString>("foco");

        const QString sinFecha = u"Especifique la fecha de caducidad"_s;
        const QString pasada = u"La fecha de caducidad tiene que ser mayor a la fecha actual"_s;
        QTest::newRow("lote vacío obligatorio") << u"3"_s << true << 5 << true << QString() << hoyMas(10)
                                                << u"Especifique el código de lote"_s << u"txtLote"_s;
        QTest::newRow("blancos son un lote")
            << u"3"_s << true << 5 << true << u"  "_s << hoyMas(10) << QString() << QString();
        QTest::newRow("vacío no obligatorio")
            << u"4"_s << false << 5 << true << QString() << hoyMas(10) << QString() << QString();
        QTest::newRow("ayer con unidades")
            << u"3"_s << true << 5 << true << u"L1"_s << hoyMas(-1) << pasada << u"txtCaducidad"_s;
        QTest::newRow("ayer sin unidades")
            << u"3"_s << true << 0 << true << u"L1"_s << hoyMas(-1) << QString() << QString();
        QTest::newRow("ayer en devolución")
            << u"3"_s << true << -5 << true << u"L1"_s << hoyMas(-1) << QString() << QString();
        QTest::newRow("hoy se acepta") << u"3"_s << true << 5 << true << u"L1"_s << hoyMas(0) << QString() << QString();
        QTest::newRow("fecha a medias") << u"3"_s << true << 5 << true << u"L1"_s << u"120520"_s << sinFecha
                                        << u"txtCaducidad"_s;
        QTest::newRow("fecha imposible") << u"3"_s << true << 5 << true << u"L1"_s << u"31022030"_s << sinFecha
                                         << u"txtCaducidad"_s;
        QTest::newRow("fecha vacía") << u"3"_s << true << 5 << true << u"L1"_s << QString() << sinFecha
                                     << u"txtCaducidad"_s;
        QTest::newRow("sin pedir caducidad")
            << u"3"_s << true << 5 << false << u"L1"_s << QString() << QString() << QString();
    }
    void aceptarLote()
    {
        QFETCH(QString, modelo);
        QFETCH(bool, obligatorio);
        QFETCH(int, unidades);
        QFETCH(bool, pedir);
        QFETCH(QString, lote);
        QFETCH(QString, fecha);
        QFETCH(QString, mensaje);
        QFETCH(QString, foco);
        m_empresa->setParametro(u"Lotes_NroObligatorio"_s, obligatorio ? u"Verdadero"_s : u"False"_s);
        auto clase = claseConModelo(modelo);
        clase.Unidades = unidades;
        clase.PedirCaducidad = pedir;
        QString focoTras;
        const auto mensajes = aceptarCon(
            clase,
            [&](QDialog *d) {
                escribir(d, u"txtLote"_s, lote);
                if (pedir)
                    escribir(d, u"txtCaducidad"_s, QString(fecha).remove(u'/'));
            },
            &focoTras);
        if (mensaje.isEmpty()) {
            QVERIFY(mensajes.isEmpty());
            QVERIFY(clase.Result);
            QCOMPARE(clase.Lote, lote);
            QCOMPARE(clase.Caducidad, pedir ? QDate::fromString(fecha, u"dd/MM/yyyy"_s) : Nula);
            QCOMPARE(clase.Tono, u"T-ORIG"_s);
            QCOMPARE(clase.Calibre, u"C-ORIG"_s);
        } else {
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes[0].texto, mensaje);
            QCOMPARE(mensajes[0].titulo, DatosAtencion);
            QCOMPARE(mensajes[0].icono, QMessageBox::Warning);
            QCOMPARE(mensajes[0].botones.size(), 1);
            QCOMPARE(focoTras, foco);
            QVERIFY(!clase.Result);
            verificarSinCambios(clase);
        }
    }

    void parametroObligatorioIlegibleSeMuestra()
    {
        m_empresa->setParametro(u"Lotes_NroObligatorio"_s, u"quizá"_s);
        auto clase = claseConModelo(u"3"_s);
        const auto mensajes = aceptarCon(clase, [](QDialog *) {});
        QCOMPARE(mensajes.size(), 1);
        QCOMPARE(mensajes[0].icono, QMessageBox::Critical);
        QVERIFY(mensajes[0].texto.contains(u"quizá"_s));
        QVERIFY(!clase.Result);
    }

    void tonoYCalibre_data()
    {
        QTest::addColumn<QString>("tono");
        QTest::addColumn<QString>("calibre");
        QTest::addColumn<bool>("aceptado");
        QTest::newRow("solo tono") << u"T1"_s << QString() << true;
        QTest::newRow("solo calibre") << QString() << u"C1"_s << true;
        QTest::newRow("ambos") << u"T1"_s << u"C1"_s << true;
        QTest::newRow("ninguno") << QString() << QString() << false;
    }
    void tonoYCalibre()
    {
        QFETCH(QString, tono);
        QFETCH(QString, calibre);
        QFETCH(bool, aceptado);
        auto clase = claseConModelo(u"2"_s);
        QString focoTras;
        const auto mensajes = aceptarCon(
            clase,
            [&](QDialog *d) {
                escribir(d, u"txtCaducidad"_s, QString(hoyMas(30)).remove(u'/'));
                escribir(d, u"txtTono"_s, tono);
                escribir(d, u"txtCalibre"_s, calibre);
            },
            &focoTras);
        if (aceptado) {
            QVERIFY(mensajes.isEmpty());
            QVERIFY(clase.Result);
            QCOMPARE(clase.Lote, QString());
            QCOMPARE(clase.Tono, tono);
            QCOMPARE(clase.Calibre, calibre);
            QCOMPARE(clase.Caducidad, QDate::currentDate().addDays(30));
        } else {
            QCOMPARE(mensajes.size(), 1);
            QCOMPARE(mensajes[0].texto, u"Debe especificar Tono y/o Calibre"_s);
            QCOMPARE(focoTras, u"cmdAceptar"_s); // the focus stays on the button pressed
            QVERIFY(!clase.Result);
            verificarSinCambios(clase);
        }
    }

    void tonoYCalibreMuestraLaFechaNula()
    {
        auto clase = claseConModelo(u"2"_s);
        clase.Caducidad = Nula;
        ConDialogo([&] { clase.Show(1); },
                   [&](QDialog *d) {
                       QCOMPARE(control<kxMaskEdBox>(d, u"txtCaducidad"_s)->Valor(), u"01/01/1900"_s);
                       QCOMPARE(QApplication::focusWidget()->objectName(), u"txtCaducidad"_s);
                       clic(d, u"cmdCancelar"_s);
                   });
    }

    void tonoYCalibreSinPedirFechaDevuelveNula()
    {
        auto clase = claseConModelo(u"2"_s);
        clase.PedirCaducidad = false;
        const auto mensajes = aceptarCon(clase, [](QDialog *d) {
            QVERIFY(!control<kxMaskEdBox>(d, u"txtCaducidad"_s)->isEnabled());
            QCOMPARE(control<kxMaskEdBox>(d, u"txtCaducidad"_s)->Valor(), QString());
        });
        QVERIFY(mensajes.isEmpty());
        QVERIFY(clase.Result);
        QCOMPARE(clase.Caducidad, Nula);
        QCOMPARE(clase.Tono, u"T-ORIG"_s);
    }

    void cancelarTrasUnRechazoNoCopiaNada()
    {
        auto clase = claseConModelo(u"2"_s);
        ConDialogo([&] { clase.Show(1); },
                   [&](QDialog *d) {
                       escribir(d, u"txtTono"_s, QString());
                       escribir(d, u"txtCalibre"_s, QString());
                       CapturarMensajes([&] { clic(d, u"cmdAceptar"_s); });
                       clic(d, u"cmdCancelar"_s);
                   });
        QVERIFY(!clase.Result);
        verificarSinCambios(clase);
    }
};

QTEST_MAIN(TstCompras)
#include "tst_compras.moc"

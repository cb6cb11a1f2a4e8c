// The operation-in-progress window: its width follows the text it is given,
// and the guard that shows it for the length of an operation.
#include "foundation/mensajes/frmMsg.h"
#include "foundation/mensajes/modMsgOp.h"
#include "tests/support/Conduccion.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace NVLALotes;
using namespace NVLALotes::Pruebas;

namespace {

// Twips to pixels at the screen's logical DPI, worked out here rather than
// through the library's own conversion.
int pixelesX(int twips)
{
    return qRound(twips * QGuiApplication::primaryScreen()->logicalDotsPerInchX() / 1440.0);
}

int pixelesY(int twips)
{
    return qRound(twips * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 1440.0);
}

} // namespace

class tst_frmMsg : public QObject
{
    Q_OBJECT

    static QLabel *etiqueta(frmMsg &ventana) { return control<QLabel>(&ventana, u"lblMsg"_s); }

private Q_SLOTS:
    void cleanup() { QVERIFY(NingunaVentanaAbierta()); }

    // Loaded with no text: the design caption stays, and the window is only the margin wide.
    void sinMensaje()
    {
        frmMsg ventana;
        ventana.show();
        QCOMPARE(etiqueta(ventana)->text(), u"Realizando operación, espere un momento por favor..."_s);
        QCOMPARE(ventana.width(), pixelesX(2500));
        QCOMPARE(ventana.height(), pixelesY(705));
        ventana.close();
    }

    // Each RefreshMsg measures the new text: a longer one widens the window,
    // a shorter one narrows it again, and the text always shows whole.
    void anchoSegunElTexto()
    {
        frmMsg ventana;
        ventana.Mensaje = modMsgOp::MsgOperacion;
        ventana.show();
        const int estandar = ventana.width();
        QVERIFY(estandar > pixelesX(2500));

        const QString largo = modMsgOp::MsgOperacion + u" Recalculando el stock de todos los lotes del almacén."_s;
        ventana.Mensaje = largo;
        ventana.RefreshMsg();
        QLabel *lblMsg = etiqueta(ventana);
        QCOMPARE(lblMsg->text(), largo);
        QVERIFY(ventana.width() > estandar);
        const int tinta = lblMsg->fontMetrics().horizontalAdvance(largo);
        QVERIFY2(
            lblMsg->width() >= tinta && lblMsg->x() + tinta <= ventana.width(),
            qPrintable(u"%1 px of text at %2 in a window of %3 px"_s.arg(tinta).arg(lblMsg->x()).arg(ventana.width())));

        ventana.Mensaje = u"Espere..."_s;
        ventana.RefreshMsg();
        QVERIFY(ventana.width() < estandar);
        ventana.close();
    }

    // The guard shows the standard text with the wait cursor while it lives,
    // and takes both away when it goes, an exception included.
    void avisoMientrasDura()
    {
        QPointer<frmMsg> ventana;
        try {
            const OperacionEnCurso aviso;
            ventana = &aviso.ventana();
            QVERIFY(ventana->isVisible());
            QCOMPARE(etiqueta(*ventana)->text(), u"Realizando operación, espere por favor..."_s);
            QVERIFY(QGuiApplication::overrideCursor());
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
            throw std::runtime_error("operación fallida");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(ventana.isNull());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(tst_frmMsg)
#include "tst_frmmsg.moc"

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

class TstFrmMsg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(ningunaVentanaAbierta()); }

    // Loaded with no text, the design caption stays and the window is only the
    // margin wide (twips worked out here at the screen's logical DPI, not
    // through the library's conversion). Each RefreshMsg measures the new
    // text: a longer one widens the window, a shorter one narrows it again,
    // and the text always shows whole.
    void anchoSegunElTexto()
    {
        const QScreen *pantalla = QGuiApplication::primaryScreen();
        frmMsg ventana;
        ventana.show();
        auto *lblMsg = control<QLabel>(&ventana, u"lblMsg"_s);
        QCOMPARE(lblMsg->text(), u"Realizando operación, espere un momento por favor..."_s);
        QCOMPARE(ventana.size(), QSize(qRound(2500 * pantalla->logicalDotsPerInchX() / 1440.0),
                                       qRound(705 * pantalla->logicalDotsPerInchY() / 1440.0)));
        const int margen = ventana.width();
        ventana.Mensaje = modMsgOp::MsgOperacion;
        ventana.RefreshMsg();
        const int estandar = ventana.width();
        QVERIFY(estandar > margen);
        const QString largo = modMsgOp::MsgOperacion + u" Recalculando el stock de todos los lotes del almacén."_s;
        ventana.Mensaje = largo;
        ventana.RefreshMsg();
        QCOMPARE(lblMsg->text(), largo);
        const int tinta = lblMsg->fontMetrics().horizontalAdvance(largo);
        QVERIFY2(
            ventana.width() > estandar && lblMsg->width() >= tinta && lblMsg->x() + tinta <= ventana.width(),
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
            QCOMPARE(control<QLabel>(ventana, u"lblMsg"_s)->text(), u"Realizando operación, espere por favor..."_s);
            QCOMPARE(QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor,
                     Qt::WaitCursor);
            throw std::runtime_error("operación fallida");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(ventana.isNull());
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TstFrmMsg)
#include "tst_frmmsg.moc"

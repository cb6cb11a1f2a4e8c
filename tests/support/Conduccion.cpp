#include "Conduccion.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

namespace NVLALotes::Pruebas {

namespace {

// How many CapturarMensajes are running, nested; only the innermost takes a message.
int &capturasEnCurso()
{
    static int capturas = 0;
    return capturas;
}

int &mensajesCapturados()
{
    static int mensajes = 0;
    return mensajes;
}

void fallar(const QString &motivo)
{
    QTest::qFail(qPrintable(motivo), __FILE__, __LINE__);
}

QDialog *dialogoModalActivo()
{
    auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialogo || qobject_cast<QMessageBox *>(dialogo) || !dialogo->isVisible())
        return nullptr;
    return dialogo;
}

QString descripcion(const QWidget *ventana)
{
    if (const auto *caja = qobject_cast<const QMessageBox *>(ventana))
        return QStringLiteral("message box \"%1\"").arg(caja->text());
    return QStringLiteral("dialog %1").arg(ventana->objectName());
}

// While it lives, a message box that comes up with no capture running fails
// the test and is closed: an unexpected message would otherwise wait forever.
class VigiaMensajes
{
public:
    VigiaMensajes()
    {
        m_sondeo.setInterval(5);
        QObject::connect(&m_sondeo, &QTimer::timeout, &m_sondeo, [this] {
            auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (capturasEnCurso() > 0 || !caja || !caja->isVisible())
                return;
            m_visto = true;
            fallar(QStringLiteral("unexpected %1").arg(descripcion(caja)));
            caja->reject();
        });
        m_sondeo.start();
    }
    bool visto() const { return m_visto; }

private:
    QTimer m_sondeo;
    bool m_visto = false;
};

// Runs the script on the dialog; answers whether it ran clean and closed it.
bool ejecutarGuion(QDialog *dialogo, const std::function<void(QDialog *)> &guion)
{
    bool limpio = true;
    dialogo->activateWindow();
    if (!QTest::qWaitForWindowActive(dialogo)) {
        fallar(QStringLiteral("the dialog %1 did not become active").arg(dialogo->objectName()));
        limpio = false;
    }
    QPointer<QDialog> vigilado(dialogo);
    // NVLA_CAPTURAS=folder keeps a picture of every dialog a test opens, for review.
    if (const QString carpeta = qEnvironmentVariable("NVLA_CAPTURAS"); !carpeta.isEmpty())
        dialogo->grab().save(carpeta + u'/' + dialogo->objectName() + QStringLiteral(".png"));
    try {
        guion(dialogo);
    } catch (const ControlAusente &) {
        limpio = false; // already recorded
    } catch (const std::exception &error) {
        fallar(QStringLiteral("the script raised: %1").arg(QString::fromLocal8Bit(error.what())));
        limpio = false;
    }
    // A QVERIFY in the script returns from the script only: its failure is the driver's answer.
    if (QTest::currentTestFailed())
        limpio = false;
    if (vigilado && vigilado->isVisible()) {
        if (limpio)
            fallar(QStringLiteral("the script left the dialog %1 open").arg(vigilado->objectName()));
        limpio = false;
        vigilado->reject();
    }
    return limpio;
}

} // namespace

bool ConDialogo(const std::function<void()> &accion, const std::function<void(QDialog *)> &guion)
{
    bool visto = false;
    bool limpio = false;
    VigiaMensajes vigia;
    QTimer sondeo;
    sondeo.setInterval(5);
    QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
        QDialog *dialogo = dialogoModalActivo();
        if (!dialogo)
            return;
        if (visto) {
            fallar(QStringLiteral("a second dialog came up: %1").arg(dialogo->objectName()));
            dialogo->reject();
            return;
        }
        visto = true;
        limpio = ejecutarGuion(dialogo, guion);
    });
    sondeo.start();
    accion();
    sondeo.stop();
    if (!visto)
        fallar(QStringLiteral("no dialog came up"));
    return visto && limpio && !vigia.visto();
}

bool SinDialogo(const std::function<void()> &accion)
{
    bool visto = false;
    VigiaMensajes vigia;
    QTimer sondeo;
    sondeo.setInterval(5);
    QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
        if (QDialog *dialogo = dialogoModalActivo()) {
            visto = true;
            fallar(QStringLiteral("unexpected %1").arg(descripcion(dialogo)));
            dialogo->reject();
        }
    });
    sondeo.start();
    accion();
    sondeo.stop();
    return !visto && !vigia.visto();
}

int MensajesCapturados()
{
    return mensajesCapturados();
}

QList<MensajeVisto> CapturarMensajes(const std::function<void()> &accion)
{
    QList<MensajeVisto> vistos;
    const int nivel = ++capturasEnCurso();
    QTimer sondeo;
    sondeo.setInterval(5);
    QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
        auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (capturasEnCurso() != nivel || !caja || !caja->isVisible())
            return;
        MensajeVisto visto{caja->windowTitle(), caja->text(), caja->icon(), {}};
        for (QAbstractButton *boton : caja->buttons())
            visto.botones << boton->text();
        vistos << visto;
        ++mensajesCapturados();
        if (QAbstractButton *ok = caja->button(QMessageBox::Ok))
            ok->click();
        else
            caja->reject();
    });
    sondeo.start();
    struct Nivel
    {
        ~Nivel() { --capturasEnCurso(); }
    } salida;
    accion();
    return vistos;
}

bool NingunaVentanaAbierta()
{
    QStringList abiertas;
    for (QWidget *ventana : QApplication::topLevelWidgets()) {
        if (ventana->isVisible() && qobject_cast<QDialog *>(ventana)) {
            abiertas << descripcion(ventana);
            ventana->close();
        }
    }
    if (!abiertas.isEmpty())
        fallar(QStringLiteral("left open: %1").arg(abiertas.join(QStringLiteral(", "))));
    return abiertas.isEmpty();
}

QWidget *control(QWidget *dialogo, const QString &nombre, const QMetaObject &tipo)
{
    auto *widget = dialogo->findChild<QWidget *>(nombre);
    if (widget && widget->metaObject()->inherits(&tipo))
        return widget;
    const QString motivo = widget ? QStringLiteral("the control %1 of %2 is no %3")
                                        .arg(nombre, dialogo->objectName(), QString::fromLatin1(tipo.className()))
                                  : QStringLiteral("%1 has no control named %2").arg(dialogo->objectName(), nombre);
    fallar(motivo);
    throw ControlAusente(motivo.toStdString());
}

void clic(QWidget *dialogo, const QString &nombre)
{
    QWidget *widget = control(dialogo, nombre);
    // A clerk cannot click what is not on the screen.
    if (!widget->isVisible()) {
        const QString motivo = QStringLiteral("the control %1 is hidden").arg(nombre);
        fallar(motivo);
        throw ControlAusente(motivo.toStdString());
    }
    // A list takes its clicks on its viewport.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        widget = area->viewport();
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void enfocar(QWidget *dialogo, const QString &nombre)
{
    control(dialogo, nombre)->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

void escribir(QWidget *dialogo, const QString &nombre, const QString &texto)
{
    auto *edit = control<QLineEdit>(dialogo, nombre);
    enfocar(dialogo, nombre);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->setCursorPosition(0);
    // QTest types only ASCII by itself; other letters go as key events carrying their text.
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

} // namespace NVLALotes::Pruebas

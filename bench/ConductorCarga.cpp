#include "bench/ConductorCarga.h"

#include "bench/DialogoConTeclado.h"

#include <nvlalotes/ErrorLotes.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace NVLALotes::Carga {

namespace {

constexpr int EsperaMaximaMs = 30000; // a window up longer than this past its script hangs

} // namespace

const char *nombreFinal(Final final)
{
    switch (final) {
    case Final::Ok:
        return "ok";
    case Final::Rechazo:
        return "refused";
    case Final::Perdida:
        return "lost";
    case Final::Error:
        return "error";
    case Final::Atasco:
        return "hang";
    }
    return "error";
}

Final peor(Final a, Final b)
{
    return int(a) > int(b) ? a : b;
}

Final finalDeError(const ErrorLotes &error)
{
    return error.Number() == NumeroError::ConexionPerdida ? Final::Perdida : Final::Error;
}

Conductor::Conductor()
{
    m_pulso.setInterval(2);
    connect(&m_pulso, &QTimer::timeout, this, &Conductor::actuar);
}

void Conductor::empezar(std::function<void(QDialog *)> guion, int pensarMs)
{
    m_guion = std::move(guion);
    m_pensarMs = pensarMs;
    m_dialogo = nullptr;
    m_guionHecho = false;
    final = Final::Ok;
    pensadoMs = 0;
    m_pulso.start();
}

void Conductor::actuar()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *mensaje = qobject_cast<QMessageBox *>(modal))
        return cerrarMensaje(mensaje);
    QDialog *dialogo = dialogoConTeclado(modal);
    if (!dialogo)
        return;
    if (dialogo != m_dialogo) {
        m_dialogo = dialogo;
        m_guionHecho = false;
        m_reloj.start();
        QTimer::singleShot(m_pensarMs, dialogo, [this, dialogo] {
            pensadoMs = m_reloj.elapsed();
            // The script's clicks run the event loop: the window is
            // judged once the script is over, not while it runs.
            m_guion(dialogo);
            m_guionHecho = true;
            m_reloj.start();
        });
        return;
    }
    // Left open by its script (a refusal the clerk read), or up for too long.
    const bool atascado = !m_guionHecho && m_reloj.elapsed() > m_pensarMs + EsperaMaximaMs;
    if ((m_guionHecho && m_reloj.elapsed() > 200) || atascado) {
        if (atascado)
            final = Final::Atasco;
        else if (final == Final::Ok)
            final = Final::Rechazo;
        if (qEnvironmentVariableIsSet("NVLA_CARGA_MENSAJES"))
            std::fprintf(stderr, "left open: %s\n", qPrintable(dialogo->objectName()));
        // The clerk reading the refusal is no time of the library's.
        pensadoMs += m_reloj.elapsed();
        dialogo->reject();
    }
}

void Conductor::cerrarMensaje(QMessageBox *mensaje)
{
    if (m_cerrando == mensaje)
        return;
    m_cerrando = mensaje;
    const bool perdida = mensaje->text().contains(u"Se ha perdido la conexión"_s);
    final = peor(final, perdida                                    ? Final::Perdida
                        : mensaje->icon() == QMessageBox::Critical ? Final::Error
                                                                   : Final::Rechazo);
    if (qEnvironmentVariableIsSet("NVLA_CARGA_MENSAJES") || final == Final::Error)
        std::fprintf(stderr, "message: %s\n", qPrintable(mensaje->text()));
    QTimer::singleShot(0, mensaje, [mensaje] { QTest::keyClick(mensaje, Qt::Key_Return); });
}

void pulsar(QDialog *dialogo, const QString &boton)
{
    auto *control = dialogo->findChild<QAbstractButton *>(boton);
    if (control && control->isVisible())
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void teclear(QDialog *dialogo, const QString &caja, const QString &texto)
{
    auto *edit = dialogo->findChild<QLineEdit *>(caja);
    if (!edit)
        return;
    edit->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, texto);
}

void aceptar(QDialog *dialogo)
{
    pulsar(dialogo, u"cmdAceptar"_s);
}

void bajar(QDialog *dialogo, int filas)
{
    auto *lista = dialogo->findChild<QAbstractItemView *>(u"vsLotes"_s);
    if (!lista)
        return;
    lista->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    for (int i = 0; i < filas; ++i)
        QTest::keyClick(lista, Qt::Key_Down);
}

} // namespace NVLALotes::Carga

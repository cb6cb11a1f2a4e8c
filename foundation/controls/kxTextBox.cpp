#include "kxTextBox.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Teclado.h"

#include <QKeyEvent>
#include <QPointer>

namespace NVLALotes {

kxTextBox::kxTextBox(QWidget *parent)
    : QLineEdit(parent)
    , m_limite(QLineEdit::maxLength())
{
    // Each edit of the clerk's lowers the raised limit to what is left, so no
    // edit makes a text longer than the limit allows or than the host's was.
    connect(this, &QLineEdit::textEdited, this, [this] { ajustarLimite(text().size()); });
}

void kxTextBox::setMaxLength(int limite)
{
    m_limite = limite;
    ajustarLimite(text().size());
}

void kxTextBox::setText(const QString &texto)
{
    ajustarLimite(texto.size());
    QLineEdit::setText(texto);
}

void kxTextBox::ajustarLimite(qsizetype largo)
{
    const int limite = qMax(m_limite, int(largo));
    if (limite == QLineEdit::maxLength())
        return;
    // The line edit sets its text again on a new limit, which sends the cursor to the end.
    const int cursor = cursorPosition();
    QLineEdit::setMaxLength(limite);
    setCursorPosition(cursor);
}

void kxTextBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT focoRecibido();
}

void kxTextBox::keyPressEvent(QKeyEvent *event)
{
    // A handler may move the focus or close the dialog: stop if this box went away
    // or lost the focus, as the key was meant for it.
    QPointer<kxTextBox> yo(this);
    const int tecla = CodigosTecla::codigoTecla(event);
    if (tecla != 0)
        Q_EMIT teclaAbajo(tecla);
    if (!yo || !hasFocus())
        return;
    const int caracter = CodigosTecla::codigoCaracter(event);
    if (caracter != 0)
        Q_EMIT teclaPulsada(caracter);
    if (!yo || !hasFocus())
        return;

    if (keyUpChangeFocus && (tecla == CodigosTecla::FlechaArriba || tecla == CodigosTecla::FlechaAbajo)) {
        tecla == CodigosTecla::FlechaArriba ? Teclado::instancia().FocoAnterior()
                                            : Teclado::instancia().FocoSiguiente();
        return;
    }
    if (keyEnterChangeFocus && tecla == CodigosTecla::Intro) {
        Teclado::instancia().FocoSiguiente();
        return;
    }
    QLineEdit::keyPressEvent(event);
    // Enter is the dialog's business only through its key handlers above.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}

} // namespace NVLALotes

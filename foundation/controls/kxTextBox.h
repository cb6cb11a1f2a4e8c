#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QLineEdit>

namespace NVLALotes {

// Single-line text box of the dialogs. Besides the line edit it reports the
// host's key events: key down (key code) before key press (character code),
// and the focus it receives.
class NVLA_EXPORT kxTextBox : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(kxTextBox)

public:
    explicit kxTextBox(QWidget *parent = nullptr);

    // The limit is on what the clerk types. A longer text the host sets stays
    // whole and reads back unchanged (a cut code would name another lot); the
    // clerk may shorten it, never lengthen it. They stand in for the line
    // edit's own, which cut the host's text: the dialogs set and read their
    // boxes as kxTextBox.
    // NOLINTBEGIN(bugprone-derived-method-shadowing-base-method)
    void setMaxLength(int limite);
    int maxLength() const { return m_limite; }
    void setText(const QString &texto);
    // NOLINTEND(bugprone-derived-method-shadowing-base-method)

    // Stored setting: Up and Down move the focus to the previous/next control.
    bool keyUpChangeFocus = false;
    // Stored setting: Enter moves the focus to the next control.
    bool keyEnterChangeFocus = false;

Q_SIGNALS:
    void focoRecibido();
    void teclaAbajo(int codigoTecla);
    void teclaPulsada(int codigoCaracter);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The line edit's own limit, raised to the length of a host's text.
    void ajustarLimite(qsizetype largo);

    int m_limite;
};

} // namespace NVLALotes

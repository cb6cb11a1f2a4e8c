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
};

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QPushButton>

namespace NVLALotes {

// Push button of every dialog. Enter, Return or Space on the focused button
// presses it; it never becomes a dialog's default button, so Enter elsewhere
// does not press it behind the user's back.
class NVLA_EXPORT PushButton : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PushButton)

public:
    explicit PushButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace NVLALotes

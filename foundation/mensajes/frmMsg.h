#pragma once

#include "foundation/entry/VentanaLotes.h"

#include <nvlalotes/nvlalotes_export.h>

#include <QString>

class QLabel;

namespace NVLALotes {

// The window that tells the clerk a lengthy operation is running: a picture
// and one line of bold text, with no title bar, as wide as its text needs.
// It loads (shows Mensaje) when it is first shown.
class NVLA_EXPORT frmMsg final : public VentanaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMsg)

public:
    explicit frmMsg(QWidget *parent = nullptr);
    ~frmMsg() override;

    // The text to show; empty keeps the caption the label already has.
    QString Mensaje;

    // Shows Mensaje at once and sizes the window's width to it.
    void RefreshMsg();

    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *lblMsg = nullptr;
    bool m_cargado = false;
};

} // namespace NVLALotes

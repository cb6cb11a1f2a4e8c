#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QString>

#include <memory>

class QWidget;

namespace NVLALotes {

class frmMsg;

namespace modMsgOp {
// The standard text of the operation-in-progress window.
NVLA_EXPORT extern const QString MsgOperacion; // "Realizando operación, espere por favor..."
} // namespace modMsgOp

// Shows frmMsg, with the standard text unless told another, for as long as it
// lives, with the wait cursor; on leaving its scope (an exception included)
// the window closes and the cursor comes back.
//
//     OperacionEnCurso aviso(this);
//     recalcularStock();
class NVLA_EXPORT OperacionEnCurso
{
public:
    explicit OperacionEnCurso(QWidget *sobre = nullptr, const QString &texto = modMsgOp::MsgOperacion);
    ~OperacionEnCurso();
    // A moved guard would give the cursor back twice.
    Q_DISABLE_COPY_MOVE(OperacionEnCurso)

    // The window, to change its text halfway (Mensaje, then RefreshMsg).
    frmMsg &ventana() const { return *m_ventana; }

private:
    std::unique_ptr<frmMsg> m_ventana;
};

} // namespace NVLALotes

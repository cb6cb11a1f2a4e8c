#pragma once

#include "foundation/entry/VentanaLotes.h"

#include <nvlalotes/nvlalotes_export.h>

#include <optional>

namespace NVLALotes {

// Base of every lot dialog an entry class opens. A dialog is created for one
// Show: the entry class sets its input fields, Cargar() builds it (the first
// use), the dialog ends itself by hiding, and the entry class reads Result and
// the outputs. The close box ends it like a cancel: Result stays False.
class NVLA_EXPORT DialogoLotes : public VentanaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogoLotes)
    Q_PROPERTY(bool Result MEMBER Result)

public:
    ~DialogoLotes() override;

    bool Result = false;

    // Builds the dialog from its input fields. Database errors propagate to the
    // entry class, before anything is shown.
    void Cargar() override = 0;

    // A list that fails to read while the dialog is open ends it: no output
    // is taken, and Show fails with the error (comprobarCarga).
    void falloAlLeer(const ErrorLotes &error) override;
    // Throws the error that ended the dialog's load, if one did.
    void comprobarCarga() const;

protected:
    explicit DialogoLotes(QWidget *parent = nullptr);

    // Result True and hide: the entry class reads the outputs.
    void terminarAceptando();
    // Result False and hide.
    void terminarCancelando();

private:
    std::optional<ErrorLotes> m_falloDeCarga;
};

} // namespace NVLALotes

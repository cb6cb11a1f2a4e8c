#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QtGlobal>

#include <memory>

class QWidget;

namespace NVLALotes {

class NVLAEMP;
class Conexion;

/// What the public entry classes (and the lot label class) have in common: they store the company
/// object and the connection in the shared context, and run one Show.
class NVLA_EXPORT ClaseEntradaLotes
{
public:
    virtual ~ClaseEntradaLotes();

    /// The company object: company codes and host parameters for every dialog.
    /// The last company object or connection set through any entry class wins
    /// for all of them; the previous one is released.
    void EmpresaNuvalia(std::shared_ptr<NVLAEMP> clsEmp);
    /// The database connection every dialog runs its SQL on, shared the same way.
    void ConexionNuvalia(std::shared_ptr<Conexion> cnn);

    /// Modal 1 waits for the user; 0 shows the dialog and closes it again at once,
    /// so Result comes back False. Errors reach the caller as ErrorLotes.
    virtual void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) = 0;

protected:
    ClaseEntradaLotes() = default; ///< Only the entry classes derive from it.
    /// Copies the fields; the shared context is not the object's.
    ClaseEntradaLotes(const ClaseEntradaLotes &) = default;
    /// Copies the fields; the shared context is not the object's.
    ClaseEntradaLotes &operator=(const ClaseEntradaLotes &) = default;
};

} // namespace NVLALotes

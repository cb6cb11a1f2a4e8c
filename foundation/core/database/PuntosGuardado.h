#pragma once

#include "foundation/core/database/Dialecto.h"

namespace NVLALotes {

// A transaction opened with `iniciar`, then COMMIT or ROLLBACK, and inside it
// SAVEPOINT, RELEASE and ROLLBACK TO, as SQLite and PostgreSQL write them.
QStringList sentenciasConPuntosGuardado(PasoTransaccion paso, int nivel, const QString &iniciar);

} // namespace NVLALotes

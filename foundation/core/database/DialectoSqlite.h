#pragma once

#include "foundation/core/database/Dialecto.h"

namespace NVLALotes {

// The embedded engine. It cannot read the schema prefix of the host's functions
// (they are functions of the connection), ISNULL (a keyword there),
// @@SERVERNAME and DELETE with a join; its connection runs the stored
// procedure as C++ inside one write transaction.
class DialectoSqlite final : public Dialecto
{
public:
    Motor motor() const override { return Motor::SQLite; }
    QString nombre() const override;
    QString traducir(const QString &sql) const override;
    QStringList sentenciasTransaccion(PasoTransaccion paso, int nivel) const override;
};

} // namespace NVLALotes

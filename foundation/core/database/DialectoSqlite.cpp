#include "DialectoSqlite.h"

#include "foundation/core/database/PuntosGuardado.h"
#include "foundation/core/database/TraduccionTSql.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

QString DialectoSqlite::nombre() const
{
    return u"SQLite"_s;
}

QString DialectoSqlite::traducir(const QString &sql) const
{
    using namespace TraduccionTSql;
    return deleteConJoinComoExists(nombreServidorDeTabla(isNullComoCoalesce(quitarEsquemaDbo(sql))));
}

QStringList DialectoSqlite::sentenciasTransaccion(PasoTransaccion paso, int nivel) const
{
    // Take the write lock at once, so that two writers queue instead of one of
    // them failing halfway through its work.
    return sentenciasConPuntosGuardado(paso, nivel, u"BEGIN IMMEDIATE"_s);
}

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>

// Rewrites of the few T-SQL forms that SQLite and PostgreSQL cannot read. Each
// one leaves quoted literals alone, so a lot code such as 'ISNULL(' survives.
namespace NVLALotes::TraduccionTSql {

// dbo.fn_X( -> fn_X(  (SQLite registers the functions on the connection).
NVLA_CORE_EXPORT QString quitarEsquemaDbo(const QString &sql);
// ISNULL(a, b) -> COALESCE(a, b).
NVLA_CORE_EXPORT QString isNullComoCoalesce(const QString &sql);
// @@SERVERNAME -> the name kept in table Servidor.
NVLA_CORE_EXPORT QString nombreServidorDeTabla(const QString &sql);
// DELETE a FROM T a INNER JOIN U b ON cond WHERE filtro
//   -> DELETE FROM T AS a WHERE EXISTS (SELECT 1 FROM U b WHERE (cond) AND (filtro))
NVLA_CORE_EXPORT QString deleteConJoinComoExists(const QString &sql);

// ... UNION ... ORDER BY f.Fecha, f.Hora -> ... ORDER BY Fecha, Hora: the order of
// a union may only name the columns of its result there.
NVLA_CORE_EXPORT QString ordenDeUnionSinAlias(const QString &sql);

} // namespace NVLALotes::TraduccionTSql

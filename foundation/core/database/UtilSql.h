#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace NVLALotes {

class Dialecto;
class Comando;

namespace UtilSql {

// The engine's own message of a failed call.
QString descripcionError(const QSqlError &error);
// ErrorLotes (NumeroError::BaseDatos) with the engine's own message.
[[noreturn]] void lanzarError(const QSqlError &error, const Dialecto &dialecto);
// Runs an engine-ready statement (already translated) and checks it.
QSqlQuery ejecutar(QSqlDatabase &bd, const QString &sql, const Dialecto &dialecto);
// Prepares, binds the values in order, runs and checks.
QSqlQuery ejecutar(QSqlDatabase &bd, const QString &sql, const QVariantList &valores, const Dialecto &dialecto);
// The first column of the first row, or a null value without rows.
QVariant escalar(QSqlDatabase &bd, const QString &sql, const QVariantList &valores, const Dialecto &dialecto);
// The parameters of a stored-procedure command that the procedure receives:
// all but the return value, in their order.
QList<int> posicionesArgumentos(const Comando &comando);
// Gives the return-value parameter (if any) the value `valor`.
void fijarValorRetorno(Comando &comando, int valor);

} // namespace UtilSql
} // namespace NVLALotes

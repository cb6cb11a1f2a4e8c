#pragma once

#include "foundation/core/database/Conexion.h"
#include "tests/support/Entrada.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

// Every step can fail: a scenario (an entry class shown, the clerk's actions,
// the outcome) runs once as it is, then again and again with its 1st, 2nd,
// 3rd ... database step failing (ConexionConFallo), each time on a fresh
// database, until every step the clean run took has failed once. Each run must
// end in one of two ways:
//   - the host gets an ErrorLotes naming the failure, with every field as it
//     set them, and the lot tables as they were or, when the dialog had
//     written the lot before the error, as the clean run left them;
//   - the dialog shows its own message naming the failure and stays open and
//     usable: the same press again (the failure is spent) ends exactly as the
//     clean run did, fields and lot tables alike.
// A window that stays open after the final press (the stock windows) may also
// end a third way: it tells of a failed load in its own message, keeps what it
// had read, and the clerk leaves it with nothing written; so may a dialog that
// fails to read the rest of its list while the clerk reads on.
// A failure nobody hears of fails the test, as does any failure of the driver.
namespace NVLALotes::Pruebas {

struct EscenarioFallos
{
    // What the database holds before the scenario, beyond the schema.
    std::function<void(Conexion &)> sembrar;
    // The entry class (its fields as the host sees them) on `conexion`, its company read from that database, its fields
    // set.
    std::function<std::unique_ptr<Entrada>(std::shared_ptr<Conexion> conexion)> anfitrion;
    // The clerk's actions before the final press; null when the class answers without a dialog.
    std::function<void(QDialog *)> preparar;
    // The control of the final press.
    QString boton;
    // The control that leaves a window that stays open after the press; empty
    // when the press itself ends the dialog.
    QString cerrar = {};
    // The script of the dialog the final press opens on top of the window, if any.
    std::function<void(QDialog *)> anidado = {};
};

// Runs the loop on `motor`; records a failure (QTest) at the first run that
// breaks the rules. Answers the number of steps of the clean run (0 on failure).
[[nodiscard]] int recorrerFallos(const QString &motor, const EscenarioFallos &escenario);

// The same loop for work that answers no host and opens no dialog (the
// catalog and permissions of a form): on a fresh database holding `sembrar`'s
// data, `correr` runs the work on `conFallo`, whose step `fallarEn` fails
// (0: none), and checks the run itself on `real` (the same database, every step
// passing). Every step the clean run took fails once; the loop stops at the
// first run whose checks failed, or whose failing step was never reached.
// Answers the number of steps of the clean run (0 on a failure).
[[nodiscard]] int recorrerPasos(
    const QString &motor, const std::function<void(Conexion &)> &sembrar,
    const std::function<void(const std::shared_ptr<Conexion> &conFallo, Conexion &real, int fallarEn)> &correr);

} // namespace NVLALotes::Pruebas

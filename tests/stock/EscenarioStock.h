#pragma once

#include "tests/sales/EscenarioVentas.h"

// The test article's lots in warehouse 1, the units customers are owed, and
// the users and menu access the stock windows check.
namespace NVLALotes::Pruebas {

// A free lot with the fewest units and a blocked one, in warehouse 1.
inline const QList<LotePrueba> LotesStock{{41, QStringLiteral("3"), QStringLiteral("L-3"), QStringLiteral("2027-03-31"),
                                           QStringLiteral("A1"), QStringLiteral("10")},
                                          {42, QStringLiteral("8"), QStringLiteral("L-8"), QStringLiteral("2027-08-31"),
                                           QStringLiteral("B2"), QStringLiteral("12"), true}};

// sembrar(lotes), a customer, and the users, groups and menu access above.
void sembrarStock(Conexion &conexion, const QList<LotePrueba> &lotes);
// The article's own stock record in a warehouse.
void sembrarStockArticulo(Conexion &conexion, qint16 almacen, const QString &stock);
// An owing document line: `tipo` "F" invoice or "A" delivery note, for
// customer `cliente` of warehouse `almacen`.
void sembrarPendiente(Conexion &conexion, const QString &tipo, int codigo, int cliente, const QString &unidades,
                      const QString &suministradas, qint16 almacen = AlmacenPrueba);

// Shows the stock window modally, runs `guion` on it and leaves it with cmdSalir.
[[nodiscard]] bool ver(Entrada &stock, const std::function<void(QDialog *)> &guion);
// Picks another warehouse in the window's picker, as the clerk types it.
void elegirAlmacen(QDialog *ventana, qint16 almacen);

} // namespace NVLALotes::Pruebas

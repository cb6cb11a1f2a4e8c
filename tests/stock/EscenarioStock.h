#pragma once

#include "tests/sales/EscenarioVentas.h"
#include "tests/support/Entrada.h"

#include <nvlalotes/frmclsLotesStock.h>

// The test article's lots in warehouse 1, the units customers are owed, and
// the users and menu access the stock windows check, with the stock entry
// class pointed at them through a recording connection.
namespace NVLALotes::Pruebas {

// Users: 1 in group 1 (every menu), 3 in group 3 (granted the article form's
// menu), 5 in group 5 (no access), 9 in no group.
inline constexpr int UsuarioAdministrador = 1;
inline constexpr int UsuarioPermitido = 3;
inline constexpr int UsuarioRestringido = 5;

// A free lot with the fewest units and a blocked one, in warehouse 1; beside
// them SembrarStock puts a lot of another article, which no list may show.
inline const QList<LotePrueba> LotesStock{
    {41, QStringLiteral("3"), QStringLiteral("L-3"), QStringLiteral("2027-03-31"), QStringLiteral("A1"),
     QStringLiteral("10")},
    {42, QStringLiteral("8"), QStringLiteral("L-8"), QStringLiteral("2027-08-31"), QStringLiteral("B2"),
     QStringLiteral("12"), true},
};

void SembrarStock(Conexion &conexion, const QList<LotePrueba> &lotes);
// The article's own stock record in a warehouse.
void SembrarStockArticulo(Conexion &conexion, qint16 almacen, const QString &stock);
// An owing document line: `tipo` "F" invoice or "A" delivery note, for
// customer `cliente` of warehouse `almacen`.
void SembrarPendiente(Conexion &conexion, const QString &tipo, int codigo, int cliente, const QString &unidades,
                      const QString &suministradas, qint16 almacen = AlmacenPrueba);

struct SesionStock
{
    std::shared_ptr<EmpresaMemoria> empresa;
    std::shared_ptr<ConexionGrabadora> grabadora;
    frmclsLotesStock clase;

    SesionStock(std::shared_ptr<Conexion> conexion, const QString &modelo, int usuario = UsuarioAdministrador,
                qint16 empresaClientes = 1);
};

// Shows the window modally, runs `guion` on it and leaves it with cmdSalir.
[[nodiscard]] bool Ver(frmclsLotesStock &clase, const std::function<void(QDialog *)> &guion);
// Puts the lot grid on the first row whose column `columna` shows `texto`.
bool ElegirFila(QDialog *ventana, int columna, const QString &texto);
// Picks another warehouse in the window's picker, as the clerk types it.
void ElegirAlmacen(QDialog *ventana, qint16 almacen);

} // namespace NVLALotes::Pruebas

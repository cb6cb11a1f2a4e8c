#pragma once

#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"
#include "tests/support/Entrada.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>

#include <QDate>
#include <QList>
#include <QString>

// An article with its lots in warehouse 1 of company 1, on a fresh database,
// and an entry class pointed at it through a recording connection.
namespace NVLALotes::Pruebas {

struct LotePrueba
{
    qint32 clave;
    QString stock; // decimal text with '.', as the database takes it
    QString lote;
    QString caducidad; // yyyy-MM-dd, empty for none
    QString tono;
    QString calibre;
    bool bloqueado = false;
};

inline constexpr qint32 ArticuloPrueba = 500;
inline constexpr qint16 AlmacenPrueba = 1;
// Users: 1 in group 1 (every menu), 3 in group 3 (granted the article form's
// menu), 5 in group 5 (no access), 9 in no group.
inline constexpr int UsuarioAdministrador = 1;
inline constexpr int UsuarioPermitido = 3;
inline constexpr int UsuarioRestringido = 5;

// The lots every dialog test lists, by stock: 25 (-2), 24 (0), 28 (3), 22
// (4.99), 23 (4.996, shown as 5,00), 21 (5), 26 (8), 27 (60, blocked), 29
// (80). 25's code is 50 characters long and carries a quote.
const QList<LotePrueba> &lotesPrueba();

// A text as an SQL literal: quoted, with its quotes doubled.
QString texto(const QString &valor);
// The company, its warehouses 1 and 2, the test article with `lotes` in
// warehouse 1, and another article with a lot of its own there, which a
// list that loses its article condition shows.
void sembrar(Conexion &conexion, const QList<LotePrueba> &lotes);
// sembrar(lotesPrueba()) and an inventory count of the article: lots counted
// here, one with another expiry, one at the -1 that means "not counted", one
// typed in this count, and two counted only in warehouse 2.
void sembrarConInventario(Conexion &conexion);

// Lots of the article in the database, as "key|lot|expiry|tone|caliber", in key order.
QStringList lotesEnBase(Conexion &conexion);
// Points the class at the article and warehouse above, with the units, and
// lets it choose automatically and control lots where it has those fields.
void sobreElArticulo(Entrada &entrada, int unidades);

// An entry class on the article and warehouse above, its company in memory
// under the model (the administrator at the central office), its connection
// recorded; a null connection fails every query.
struct Sesion
{
    std::shared_ptr<EmpresaMemoria> empresa = std::make_shared<EmpresaMemoria>(1, 1);
    std::shared_ptr<ConexionGrabadora> grabadora;
    Entrada entrada;

    Sesion(const QString &clase, std::shared_ptr<Conexion> conexion, const QString &modelo, int unidades = 5);
    // "Campo=valor" sets a field of the class, "@Nombre=valor" a company parameter.
    void ajustar(const QStringList &ajustes);
    // Whether the lot stock procedure went through the connection.
    bool llamoAlProcedimiento() const;
};

} // namespace NVLALotes::Pruebas

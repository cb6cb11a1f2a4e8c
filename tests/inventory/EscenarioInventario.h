#pragma once

#include "tests/sales/EscenarioVentas.h"

#include <nvlalotes/frmclsLotesInventario.h>

// The test article's lots, and the lots recorded for it in inventory counts,
// with the inventory entry class pointed at them through a recording connection.
namespace NVLALotes::Pruebas {

struct LoteContado
{
    qint16 almacen;
    qint32 clave;
    QString lote;
    QString caducidad; // yyyy-MM-dd, empty for none
    QString tono;
    QString calibre;
    QString cantidad; // decimal text with '.'
};

void SembrarInventario(Conexion &conexion, const QList<LotePrueba> &lotes, const QList<LoteContado> &contados);

// The inventory entry class counting 4 units of the article.
struct SesionInventario : Sesion<frmclsLotesInventario>
{
    SesionInventario(std::shared_ptr<Conexion> conexion, const QString &modelo)
        : Sesion(std::move(conexion), modelo, 4)
    {}
};

// The grid's data rows, cells joined by '|', hidden key included.
QStringList FilasDeRejilla(QDialog *dialogo);

} // namespace NVLALotes::Pruebas

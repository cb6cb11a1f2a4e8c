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

struct SesionInventario
{
    std::shared_ptr<EmpresaMemoria> empresa = std::make_shared<EmpresaMemoria>(1, 1);
    std::shared_ptr<ConexionGrabadora> grabadora;
    frmclsLotesInventario clase;

    SesionInventario(std::shared_ptr<Conexion> conexion, const QString &modelo);
    void marcarSalidas() { MarcarSalidas(clase); }
    bool salidasIntactas() const { return SalidasIntactas(clase); }
};

// The grid's data rows, cells joined by '|', hidden key included.
QStringList FilasDeRejilla(QDialog *dialogo);

} // namespace NVLALotes::Pruebas

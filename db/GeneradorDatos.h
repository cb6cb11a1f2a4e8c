#pragma once

#include <QtGlobal>

namespace NVLALotes {
class Conexion;
}

namespace NVLALotes::BaseDatosHost {

// A data set of a given size for tests and benchmarks: one article with
// `lotes` lots in one warehouse, and `lineas` invoice lines plus `lineas`
// delivery-note lines of that article leaving from that warehouse.
struct TamanoDatos
{
    qint16 empresa = 1;
    qint16 almacen = 1;
    qint32 articulo = 9000;
    int lotes = 0;
    int lineas = 0;
};

struct DatosGenerados
{
    qint32 primeraClave = 0; // key of the first lot created
    int lotes = 0;
    int lineasFactura = 0;
    int lineasAlbaran = 0;
    double segundos = 0;
};

// Adds the data set in one transaction, creating the company, warehouse,
// article and customers it needs. Lots get new keys after the company's last
// one; about one lot in twenty has no stock, one in thirty-three is negative,
// one in fifty is blocked, one in five has no expiry. Invoice lines and
// delivery-note lines are partly supplied; one invoice in ten is not an
// ordinary invoice. The same sizes always give the same data.
DatosGenerados generarDatos(Conexion &conexion, const TamanoDatos &tamano);

} // namespace NVLALotes::BaseDatosHost

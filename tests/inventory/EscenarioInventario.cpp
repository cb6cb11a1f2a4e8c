#include "EscenarioInventario.h"

#include "foundation/controls/Rejilla.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

void SembrarInventario(Conexion &conexion, const QList<LotePrueba> &lotes, const QList<LoteContado> &contados)
{
    Sembrar(conexion, lotes);
    int linea = 0;
    for (const LoteContado &c : contados) {
        conexion.Ejecutar(
            u"INSERT INTO Inventario_Lotes (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea, Cod_Lote, "
            u"Lote, Caducidad, Tono, Calibre, Cantidad) VALUES (1, %1, %2, %3, %4, %5, %6, %7, %8, %9)"_s.arg(c.almacen)
                .arg(ArticuloPrueba)
                .arg(++linea)
                .arg(c.clave)
                .arg(texto(c.lote), c.caducidad.isEmpty() ? u"NULL"_s : texto(c.caducidad), texto(c.tono),
                     texto(c.calibre), c.cantidad));
    }
}

QStringList FilasDeRejilla(QDialog *dialogo)
{
    auto *rejilla = control<Rejilla>(dialogo, u"vsLotes"_s);
    QStringList filas;
    for (int fila = 1; rejilla && fila < rejilla->Rows(); ++fila) {
        QStringList celdas;
        for (int col = 0; col < rejilla->Cols(); ++col)
            celdas << rejilla->TextMatrix(fila, col);
        filas << celdas.join(u'|');
    }
    return filas;
}

} // namespace NVLALotes::Pruebas

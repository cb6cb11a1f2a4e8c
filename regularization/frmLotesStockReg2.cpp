#include "frmLotesStockReg2.h"

#include "foundation/lists/CeldasStock.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { Clave = 0, Stock = 1, TonoLote = 2, CalibreLote = 3, Fecha = 4 };

DialogoListaLotes::Diseno diseno()
{
    return {u"frmLotesStockReg2"_s,
            u"Regularización de Tono / Calibre"_s,
            {5670, 7005},
            {3000, 6570, 1065, 365},
            {4275, 6570, 1065, 365},
            {{75, 75, 5520, 6360}, CeldasStock::columnasTono(), Stock, -1}};
}

} // namespace

frmLotesStockReg2::frmLotesStockReg2(QWidget *parent)
    : frmLotesStockReg(diseno(), parent)
{
    m_lista->marcarCaducados(Fecha);
    m_lista->buscarAlTeclear(TonoLote);
}

void frmLotesStockReg2::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    // The lot code is read but not shown.
    CeldasStock::filaTono(registro, fila);
}

void frmLotesStockReg2::tomarFila(int fila)
{
    // The lot code is no part of this lot model: it comes back empty.
    terminarConLote(m_lista->claveDeFila(fila), QString(), m_lista->fecha(fila, Fecha), m_lista->texto(fila, TonoLote),
                    m_lista->texto(fila, CalibreLote));
}

} // namespace NVLALotes

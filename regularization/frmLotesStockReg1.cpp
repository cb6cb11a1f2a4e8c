#include "frmLotesStockReg1.h"

#include "foundation/lists/CeldasStock.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { Clave = 0, Stock = 1, Fecha = 2, CodigoLote = 3 };

DialogoListaLotes::Diseno diseno()
{
    return {u"frmLotesStockReg1"_s,
            u"Regularización de Lotes"_s,
            {5295, 7005},
            {2730, 6570, 1065, 365},
            {4005, 6570, 1065, 365},
            {{75, 75, 5145, 6360}, CeldasStock::columnasLote(), Stock, -1}};
}

} // namespace

frmLotesStockReg1::frmLotesStockReg1(QWidget *parent)
    : frmLotesStockReg(diseno(), parent)
{
    m_lista->marcarCaducados(Fecha);
    m_lista->buscarAlTeclear(CodigoLote);
}

void frmLotesStockReg1::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    CeldasStock::filaLote(registro, fila);
}

void frmLotesStockReg1::tomarFila(int fila)
{
    // Tone and caliber are no part of this lot model: they come back empty.
    terminarConLote(m_lista->claveDeFila(fila), m_lista->texto(fila, CodigoLote), m_lista->fecha(fila, Fecha),
                    QString(), QString());
}

} // namespace NVLALotes

#include "frmLotesStockReg1.h"

#include "foundation/controls/LineaRejilla.h"
#include "foundation/database/Registros.h"
#include "foundation/host/Formatos.h"
#include "foundation/values/Conversiones.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { Clave = 0, Stock = 1, Fecha = 2, CodigoLote = 3 };

DialogoListaLotes::Diseno diseno()
{
    using A = Rejilla::Alineacion;
    return {u"frmLotesStockReg1"_s,
            u"Regularización de Lotes"_s,
            {5295, 7005},
            {2730, 6570, 1065, 365},
            {4005, 6570, 1065, 365},
            {{75, 75, 5145, 6360},
             {{u"Stock"_s, 1200, A::DerechaCentro},
              {u"Caducidad"_s, 1000, A::CentroCentro},
              {u"Lote"_s, 0, A::IzquierdaCentro}},
             Stock,
             -1}};
}

} // namespace

frmLotesStockReg1::frmLotesStockReg1(QWidget *parent)
    : frmLotesStockReg(diseno(), parent)
{}

QString frmLotesStockReg1::filaDeRegistro(const Registros &registro) const
{
    // By position, in the order of the select list.
    const Formatos &formatos = Formatos::instancia();
    return LineaRejilla::unir({registro.Campo(0).toString(), formatos.FormatearNumero(registro.Campo(1), 2),
                               formatos.FormatearFecha(TextoDeFecha(registro.Campo(3))), registro.Campo(2).toString()});
}

void frmLotesStockReg1::tomarFila(int fila)
{
    // Tone and caliber are no part of this lot model: they come back empty.
    terminarConLote(lista->claveDeFila(fila), lista->texto(fila, CodigoLote), lista->fecha(fila, Fecha), QString(),
                    QString());
}

} // namespace NVLALotes

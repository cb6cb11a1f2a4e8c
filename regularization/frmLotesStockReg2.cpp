#include "frmLotesStockReg2.h"

#include "foundation/controls/LineaRejilla.h"
#include "foundation/database/Registros.h"
#include "foundation/host/Formatos.h"
#include "foundation/values/Conversiones.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { Clave = 0, Stock = 1, TonoLote = 2, CalibreLote = 3, Fecha = 4 };

DialogoListaLotes::Diseno diseno()
{
    using A = Rejilla::Alineacion;
    return {u"frmLotesStockReg2"_s,
            u"Regularización de Tono / Calibre"_s,
            {5670, 7005},
            {3000, 6570, 1065, 365},
            {4275, 6570, 1065, 365},
            {{75, 75, 5520, 6360},
             {{u"Stock"_s, 1200, A::DerechaCentro},
              {u"Tono"_s, 1300, A::CentroCentro},
              {u"Calibre"_s, 1300, A::CentroCentro},
              {u"Caducidad"_s, 1000, A::CentroCentro}},
             Stock,
             -1}};
}

} // namespace

frmLotesStockReg2::frmLotesStockReg2(QWidget *parent)
    : frmLotesStockReg(diseno(), parent)
{}

QString frmLotesStockReg2::filaDeRegistro(const Registros &registro) const
{
    // By position, in the order of the select list; the lot code is not shown.
    const Formatos &formatos = Formatos::instancia();
    return LineaRejilla::unir({registro.Campo(0).toString(), formatos.FormatearNumero(registro.Campo(1), 2),
                               registro.Campo(4).toString(), registro.Campo(5).toString(),
                               formatos.FormatearFecha(TextoDeFecha(registro.Campo(3)))});
}

void frmLotesStockReg2::tomarFila(int fila)
{
    // The lot code is no part of this lot model: it comes back empty.
    terminarConLote(lista->claveDeFila(fila), QString(), lista->fecha(fila, Fecha), lista->texto(fila, TonoLote),
                    lista->texto(fila, CalibreLote));
}

} // namespace NVLALotes

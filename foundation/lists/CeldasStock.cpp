#include "CeldasStock.h"

#include "foundation/controls/LineaRejilla.h"
#include "foundation/database/Registros.h"
#include "foundation/host/Formatos.h"
#include "foundation/values/Conversiones.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::CeldasStock {

namespace {

enum Campo { Clave = 0, Stock = 1, CodigoLote = 2, Fecha = 3, TonoLote = 4, CalibreLote = 5 };

const ListaLotes::Columna ColumnaStock{u"Stock"_s, 1200, Rejilla::Alineacion::DerechaCentro};
const ListaLotes::Columna ColumnaCaducidad{u"Caducidad"_s, 1000, Rejilla::Alineacion::CentroCentro};

QString stock(const Registros &registro)
{
    return Formatos::instancia().FormatearNumero(registro.Campo(Stock), 2);
}

QString caducidad(const Registros &registro)
{
    return Formatos::instancia().FormatearFecha(TextoDeFecha(registro.Campo(Fecha)));
}

} // namespace

QList<ListaLotes::Columna> ColumnasLote()
{
    return {ColumnaStock, ColumnaCaducidad, {u"Lote"_s, 0, Rejilla::Alineacion::IzquierdaCentro}};
}

QList<ListaLotes::Columna> ColumnasTono()
{
    using A = Rejilla::Alineacion;
    return {ColumnaStock, {u"Tono"_s, 1300, A::CentroCentro}, {u"Calibre"_s, 1300, A::CentroCentro}, ColumnaCaducidad};
}

QString FilaLote(const Registros &registro)
{
    return LineaRejilla::unir({registro.Campo(Clave).toString(), stock(registro), caducidad(registro),
                               registro.Campo(CodigoLote).toString()});
}

QString FilaTono(const Registros &registro, const QString *bloqueo)
{
    const QString clave = registro.Campo(Clave).toString();
    const QString tono = registro.Campo(TonoLote).toString();
    const QString calibre = registro.Campo(CalibreLote).toString();
    if (bloqueo)
        return LineaRejilla::unir({clave, *bloqueo, stock(registro), tono, calibre, caducidad(registro)});
    return LineaRejilla::unir({clave, stock(registro), tono, calibre, caducidad(registro)});
}

} // namespace NVLALotes::CeldasStock

#include "CeldasStock.h"

#include "foundation/controls/LineaRejilla.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/values/Conversiones.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::CeldasStock {

namespace {

enum Campo { Clave = 0, CampoStock = 1, CodigoLote = 2, Fecha = 3, TonoLote = 4, CalibreLote = 5, Bloqueado = 6 };

using A = Rejilla::Alineacion;
const ListaLotes::Columna ColumnaStock{u"Stock"_s, 1200, A::DerechaCentro};
const ListaLotes::Columna ColumnaCaducidad{u"Caducidad"_s, 1000, A::CentroCentro};

QString stock(const Registros &registro)
{
    return Formatos::instancia().FormatearNumero(registro.Campo(CampoStock), 2);
}

QString caducidad(const Registros &registro)
{
    return Formatos::instancia().FormatearFecha(TextoDeFecha(registro.Campo(Fecha)));
}

// Every list reads the flag the same way, so a driver that answers "True"
// shows the lot blocked in every window; a lot without the flag is free.
QString marcaBloqueo(const Registros &registro)
{
    const QVariant bloqueado = registro.Campo(Bloqueado);
    return !bloqueado.isNull() && ValorBooleano(bloqueado, u"Articulos_Lotes.Bloqueado"_s) ? u"X"_s : QString();
}

} // namespace

QList<ListaLotes::Columna> ColumnasLote(OrdenLote orden)
{
    if (orden == OrdenLote::LoteCaducidad)
        return {ColumnaStock, {u"Lote"_s, 2000, A::CentroCentro}, ColumnaCaducidad};
    return {ColumnaStock, ColumnaCaducidad, {u"Lote"_s, 0, A::IzquierdaCentro}};
}

QList<ListaLotes::Columna> ColumnasTono(bool conBloqueo, int anchoTono)
{
    QList<ListaLotes::Columna> columnas{ColumnaStock,
                                        {u"Tono"_s, anchoTono, A::CentroCentro},
                                        {u"Calibre"_s, anchoTono, A::CentroCentro},
                                        ColumnaCaducidad};
    if (conBloqueo)
        columnas.prepend({u"Blq"_s, 500, A::CentroCentro});
    return columnas;
}

QString FilaLote(const Registros &registro, OrdenLote orden)
{
    const QString clave = registro.Campo(Clave).toString();
    const QString lote = registro.Campo(CodigoLote).toString();
    if (orden == OrdenLote::LoteCaducidad)
        return LineaRejilla::unir({clave, stock(registro), lote, caducidad(registro)});
    return LineaRejilla::unir({clave, stock(registro), caducidad(registro), lote});
}

QString FilaTono(const Registros &registro, bool conBloqueo)
{
    const QString clave = registro.Campo(Clave).toString();
    const QString tono = registro.Campo(TonoLote).toString();
    const QString calibre = registro.Campo(CalibreLote).toString();
    if (conBloqueo)
        return LineaRejilla::unir({clave, marcaBloqueo(registro), stock(registro), tono, calibre, caducidad(registro)});
    return LineaRejilla::unir({clave, stock(registro), tono, calibre, caducidad(registro)});
}

Currency Stock(const Registros &registro)
{
    return Currency::fromVariant(registro.Campo(CampoStock)).value_or(Currency());
}

} // namespace NVLALotes::CeldasStock

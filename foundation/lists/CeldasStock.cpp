#include "CeldasStock.h"

#include "foundation/controls/LineaRejilla.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/values/Conversiones.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes::CeldasStock {

namespace {

enum Campo { Clave = 0, CampoStock = 1, CodigoLote = 2, Fecha = 3, TonoLote = 4, CalibreLote = 5, Bloqueado = 6 };

QString formatoStock(qint64 bruto)
{
    return Currency::fromRaw(bruto).toString(2, Formatos::instancia().locale());
}

using A = Rejilla::Alineacion;
const ListaLotes::Columna ColumnaStock{u"Stock"_s, 1200, A::DerechaCentro, formatoStock};
const ListaLotes::Columna ColumnaCaducidad{u"Caducidad"_s, 1000, A::CentroCentro, formatoCaducidad};

// A stock cell: its exact value, or the text of one only a double can show.
struct CeldaStock
{
    qint64 valor = FilaOrigen::SinValor;
    QString texto;
};

CeldaStock stock(const Registros &registro)
{
    const QVariant campo = registro.campo(CampoStock);
    const std::optional<Currency> importe = Formatos::instancia().importe(campo);
    if (importe && importe->raw() != FilaOrigen::SinValor)
        return {importe->raw(), {}};
    return {FilaOrigen::SinValor, Formatos::instancia().FormatearNumero(campo, 2)};
}

void ponerValores(FilaOrigen &fila, const CeldaStock &stock, const Registros &registro)
{
    fila.valores = {stock.valor, valorCaducidad(registro.campo(Fecha))};
}

// Every list reads the flag the same way, so a driver that answers "True"
// shows the lot blocked in every window; a lot without the flag is free.
QString marcaBloqueo(const Registros &registro)
{
    const QVariant bloqueado = registro.campo(Bloqueado);
    return !bloqueado.isNull() && valorBooleano(bloqueado, u"Articulos_Lotes.Bloqueado"_s) ? u"X"_s : QString();
}

} // namespace

QList<ListaLotes::Columna> columnasLote(OrdenLote orden)
{
    if (orden == OrdenLote::LoteCaducidad)
        return {ColumnaStock, {u"Lote"_s, 2000, A::CentroCentro}, ColumnaCaducidad};
    return {ColumnaStock, ColumnaCaducidad, {u"Lote"_s, 0, A::IzquierdaCentro}};
}

QList<ListaLotes::Columna> columnasTono(bool conBloqueo, int anchoTono)
{
    QList<ListaLotes::Columna> columnas{ColumnaStock,
                                        {u"Tono"_s, anchoTono, A::CentroCentro},
                                        {u"Calibre"_s, anchoTono, A::CentroCentro},
                                        ColumnaCaducidad};
    if (conBloqueo)
        columnas.prepend({u"Blq"_s, 500, A::CentroCentro});
    return columnas;
}

void filaLote(const Registros &registro, FilaOrigen &fila, OrdenLote orden)
{
    const LineaRejilla::CeldaDeCampo clave(registro.campo(Clave));
    const QStringView lote = registro.texto(CodigoLote);
    const CeldaStock celda = stock(registro);
    if (orden == OrdenLote::LoteCaducidad)
        LineaRejilla::unir(fila.linea, {clave.vista(), celda.texto, lote, {}});
    else
        LineaRejilla::unir(fila.linea, {clave.vista(), celda.texto, {}, lote});
    ponerValores(fila, celda, registro);
}

void filaTono(const Registros &registro, FilaOrigen &fila, bool conBloqueo)
{
    const LineaRejilla::CeldaDeCampo clave(registro.campo(Clave));
    const QStringView tono = registro.texto(TonoLote);
    const QStringView calibre = registro.texto(CalibreLote);
    const CeldaStock celda = stock(registro);
    if (conBloqueo)
        LineaRejilla::unir(fila.linea, {clave.vista(), marcaBloqueo(registro), celda.texto, tono, calibre, {}});
    else
        LineaRejilla::unir(fila.linea, {clave.vista(), celda.texto, tono, calibre, {}});
    ponerValores(fila, celda, registro);
}

qint64 valorCaducidad(const QVariant &fecha)
{
    const QDate dia = fechaDeValor(fecha);
    return dia.isValid() ? dia.toJulianDay() : FilaOrigen::SinValor;
}

QString formatoCaducidad(qint64 dia)
{
    return textoDeFecha(QDate::fromJulianDay(dia));
}

Currency stockDelLote(const Registros &registro)
{
    return Currency::fromVariant(registro.campo(CampoStock)).value_or(Currency());
}

} // namespace NVLALotes::CeldasStock

#include "EleccionLotes.h"

#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/rules/ReglasStockLotes.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/lists/ListaLotes.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <tuple>

using namespace Qt::StringLiterals;

namespace NVLALotes {

EleccionLotes::Estrategia EleccionLotes::leerEstrategia()
{
    const QString texto = ContextoCompartido::empresaRequerida()
                              .LeerParametro(u"Lotes_EstrategiaAutomatica"_s)
                              .toString()
                              .trimmed()
                              .toUpper();
    if (texto == u"FEFO")
        return Estrategia::Caducidad;
    if (texto == u"FIFO")
        return Estrategia::Antiguedad;
    return Estrategia::MenorSuficiente;
}

QString EleccionLotes::textoAutomatico(Estrategia estrategia)
{
    switch (estrategia) {
    case Estrategia::Caducidad:
        return ListaLotes::TextoAutomatico + u" Primero en caducar"_s;
    case Estrategia::Antiguedad:
        return ListaLotes::TextoAutomatico + u" Lote más antiguo"_s;
    case Estrategia::MenorSuficiente:
        break;
    }
    return ListaLotes::TextoAutomatico;
}

EleccionLotes::EleccionLotes(const ListaLotes &lista, Columnas columnas, Estrategia estrategia, QDate aceptaDesde)
    : m_lista(lista)
    , m_columnas(columnas)
    , m_estrategia(estrategia)
    , m_aceptaDesde(aceptaDesde.isValid() ? aceptaDesde.toJulianDay() : std::numeric_limits<qint64>::min())
{}

bool EleccionLotes::vidaCorta(int fila) const
{
    const QDate fecha = m_lista.fecha(fila, m_columnas.fecha);
    return corta(fecha > fechaNula() ? fecha.toJulianDay() : SinCaducidad);
}

bool EleccionLotes::corta(qint64 dia) const
{
    return dia != SinCaducidad && dia < m_aceptaDesde;
}

// Read as the list's own rule reads them, through values and views of the
// rows: a FEFO choice passes every row of a list of 100,000 lots.
std::vector<EleccionLotes::Candidato> EleccionLotes::candidatos(Currency minimo, bool alPrimero) const
{
    const ModeloRejilla &modelo = *m_lista.rejilla()->modelo();
    const Columnas &c = m_columnas;
    const bool porGrupo = c.tono >= 0 && !alPrimero;
    QHash<QString, int> grupos;
    QString formateado;
    std::vector<Candidato> lista;
    m_lista.rejilla()->buscarFila(m_lista.esFilaAutomatica(1) ? 2 : 1, [&](int fila) {
        if (c.bloqueo >= 0 && !modelo.vista(fila, c.bloqueo, formateado).isEmpty())
            return false;
        const std::optional<qint64> guardado = modelo.valor(fila, c.stock);
        const Currency stock = guardado ? ReglasStockLotes::stockMostrado(Currency::fromRaw(*guardado))
                                        : ReglasStockLotes::stockMostrado(modelo.vista(fila, c.stock, formateado));
        if (stock < minimo)
            return false;
        qint64 dia = SinCaducidad;
        if (const std::optional<qint64> valor = modelo.valor(fila, c.fecha))
            dia = *valor;
        else if (const QDate fecha = fechaDeTexto(modelo.vista(fila, c.fecha, formateado)); fecha > fechaNula())
            dia = fecha.toJulianDay();
        if (corta(dia))
            return false;
        int grupo = 0;
        if (porGrupo) {
            const QString clave = modelo.vista(fila, c.tono, formateado).toString() + u'\x1f' +
                                  modelo.vista(fila, c.calibre, formateado).toString();
            auto hallado = grupos.constFind(clave);
            if (hallado == grupos.constEnd())
                hallado = grupos.insert(clave, int(grupos.size()));
            grupo = hallado.value();
        }
        const qint32 clave =
            m_estrategia == Estrategia::Antiguedad ? qint32(valorNumerico(modelo.vista(fila, 0, formateado))) : 0;
        lista.push_back({fila, stock.raw(), dia, clave, grupo});
        return alPrimero;
    });
    return lista;
}

bool EleccionLotes::antes(const Candidato &a, const Candidato &b, bool reparto) const
{
    switch (m_estrategia) {
    case Estrategia::Caducidad:
        return std::tie(a.dia, a.stock, a.fila) < std::tie(b.dia, b.stock, b.fila);
    case Estrategia::Antiguedad:
        return std::tie(a.clave, a.fila) < std::tie(b.clave, b.fila);
    case Estrategia::MenorSuficiente:
        break;
    }
    // The list is in ascending stock: its order is the smallest sufficient
    // lot's, and the reverse takes a split from the fewest lots.
    return reparto ? std::tie(b.stock, a.fila) < std::tie(a.stock, b.fila) : a.fila < b.fila;
}

int EleccionLotes::elegir(Currency unidades) const
{
    const bool enOrden = m_estrategia == Estrategia::MenorSuficiente;
    const std::vector<Candidato> lista = candidatos(unidades, enOrden);
    const auto mejor =
        std::ranges::min_element(lista, [this](const Candidato &a, const Candidato &b) { return antes(a, b, false); });
    return mejor == lista.end() ? -1 : mejor->fila;
}

std::vector<EleccionLotes::Parte> EleccionLotes::repartir(Currency unidades) const
{
    std::vector<Candidato> lista = candidatos(Currency::fromRaw(1), false);
    std::ranges::sort(lista, [this](const Candidato &a, const Candidato &b) { return antes(a, b, true); });
    // The first tone and caliber whose lots, in order, come to the units.
    QHash<int, qint64> sumas;
    int elegido = -1;
    for (const Candidato &candidato : lista) {
        qint64 &suma = sumas[candidato.grupo];
        suma += candidato.stock;
        if (suma >= unidades.raw()) {
            elegido = candidato.grupo;
            break;
        }
    }
    std::vector<Parte> partes;
    if (elegido < 0 || unidades <= Currency())
        return partes;
    qint64 quedan = unidades.raw();
    for (const Candidato &candidato : lista) {
        if (candidato.grupo != elegido)
            continue;
        const qint64 toma = std::min(candidato.stock, quedan);
        quedan -= toma;
        partes.push_back({candidato.fila, Currency::fromRaw(toma)});
    }
    return partes;
}

} // namespace NVLALotes

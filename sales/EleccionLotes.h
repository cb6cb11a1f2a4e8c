#pragma once

#include <nvlalotes/Currency.h>

#include <QDate>
#include <QList>
#include <QString>

#include <limits>
#include <vector>

namespace NVLALotes {

class ListaLotes;

// How a sales line takes its lots by itself, from the rows the list has read:
// the automatic choice of one lot, and a line split over lots. The order is the
// company's strategy (Lotes_EstrategiaAutomatica): none, the lot with the
// smallest stock that covers the units; "FEFO", the one that expires first
// (the smaller stock on a tie); "FIFO", the oldest (the lowest key). A lot that
// expires before the first date the customer accepts is never taken, and a
// lot without expiry never falls short of it.
class EleccionLotes
{
public:
    enum class Estrategia { MenorSuficiente, Caducidad, Antiguedad };

    // Where a row keeps what the choice reads; -1 for what the list lacks.
    struct Columnas
    {
        int stock = -1;
        int fecha = -1;
        int bloqueo = -1;
        int tono = -1;
        int calibre = -1;
    };

    // A lot of a split and the units proposed from it.
    struct Parte
    {
        int fila = 0;
        Currency unidades;
    };

    // The company's strategy; an empty or unknown one is the smallest sufficient lot.
    static Estrategia leerEstrategia();
    // The automatic row's text under `estrategia`.
    static QString textoAutomatico(Estrategia estrategia);

    // `aceptaDesde`: the first expiry the customer accepts; null for any.
    EleccionLotes(const ListaLotes &lista, Columnas columnas, Estrategia estrategia, QDate aceptaDesde);

    // Whether the row's lot expires before the customer accepts.
    bool vidaCorta(int fila) const;
    // The automatic choice below the automatic row: -1 when no lot covers `unidades`.
    int elegir(Currency unidades) const;
    // A split of `unidades` over the lots that may be taken, in the strategy's
    // order (the default takes the largest stocks first, so the line needs the
    // fewest lots): every lot the split could use, the first ones with their
    // units and the rest with none, all of one tone and caliber where the list
    // has them. Empty when the lots together fall short.
    std::vector<Parte> repartir(Currency unidades) const;

private:
    static constexpr qint64 SinCaducidad = std::numeric_limits<qint64>::max();

    struct Candidato
    {
        int fila;
        qint64 stock;
        qint64 dia; // no expiry: after every date
        qint32 clave;
        int grupo;
    };

    // The rows below the automatic one that may be taken, stock from `minimo`
    // on; `alPrimero`: stops at the first one.
    std::vector<Candidato> candidatos(Currency minimo, bool alPrimero) const;
    bool antes(const Candidato &a, const Candidato &b, bool reparto) const;
    // Whether a lot expiring on day `dia` comes before the customer accepts it.
    bool corta(qint64 dia) const;

    const ListaLotes &m_lista;
    Columnas m_columnas;
    Estrategia m_estrategia;
    qint64 m_aceptaDesde;
};

} // namespace NVLALotes

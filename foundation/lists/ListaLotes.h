#pragma once

#include "foundation/controls/BusquedaEnRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/rules/ReglasStockLotes.h"

#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <functional>

namespace NVLALotes {

class Registros;
class VentanaLotes;

// The list of lots of every lot window, named vsLotes: row 0 the centred
// header, column 0 the hidden lot key, one row per record of the list query.
// A long list is read as it is needed; the rules that look for a row (the
// automatic choice, a typed lot, a row number) read only until they have their
// answer. Stock and dates are kept as values, written out only for the rows
// shown; the rules read them as displayed. A read error on any
// page fails the window's load (VentanaLotes::falloAlLeer, then ErrorDeCarga).
class NVLA_EXPORT ListaLotes final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ListaLotes)

public:
    struct Columna
    {
        Columna() = default;
        Columna(QString titulo, int ancho, Rejilla::Alineacion alinear, FormatoValor formato = {})
            : cabecera(std::move(titulo))
            , anchoTwips(ancho)
            , alineacion(alinear)
            , valor(std::move(formato))
        {}

        QString cabecera;
        int anchoTwips = 0; // 0: the rest of the grid
        Rejilla::Alineacion alineacion = Rejilla::Alineacion::IzquierdaCentro;
        // Set: the column keeps a value per row (FilaOrigen), shown through it.
        FormatoValor valor;
    };
    struct Diseno
    {
        QRect rejilla;           // twips
        QList<Columna> columnas; // after the hidden key column
        int columnaStock = -1;   // -1: the list shows no stock
        int columnaBloqueo = -1; // -1: the list shows no block flag
    };

    static const QString TextoAutomatico; // "- SELECCIÓN AUTOMÁTICA -"

    ListaLotes(VentanaLotes *ventana, Diseno diseno);

    Rejilla *rejilla() const { return m_rejilla; }

    // Columns, headers and widths; no rows below the header.
    void preparar();
    // The columns of `rejilla` from `primera` on, no rows, the header row centred.
    static void prepararColumnas(Rejilla *rejilla, const QList<Columna> &columnas, int primera);
    // No rows below the header; rows still unread are dropped unread.
    void vaciar();
    // The automatic-selection row, first below the header, merged across.
    void agregarFilaAutomatica();
    // The rows of `sql`, each written by `fila` from one record over the row
    // before it, its values cleared: the first ones now, the rest as they are
    // needed; `alAcabar` once after the last, free to append rows that close
    // the list. An error of either fails the load.
    using EscritorFila = std::function<void(const Registros &registro, FilaOrigen &fila)>;
    void llenar(const QString &sql, EscritorFila fila, std::function<void()> alAcabar = {});
    // Whether every row of the list has been read.
    bool completa() const;
    // Row 1 becomes current when the list has any row.
    void elegirPrimeraFila();
    // Whether Up in the current row leaves the list for the previous control.
    void fijarSalidaArriba(std::function<bool(int fila)> sale) { m_saleArriba = std::move(sale); }

    // Lots whose expiry in `columna` is past show it marked. Takes effect at
    // llenar(), unless the host switched it off.
    void marcarCaducados(int columna) { m_columnaCaducidad = columna; }
    // Lots that expire within `dias` from today show marked as expired ones do.
    void fijarVidaMinima(int dias) { m_vidaMinima = dias; }
    // Typing in the list moves to the first lot whose `columna` starts with what
    // was typed (case aside), reading on through a long list until one does;
    // the automatic row and merged bands are never chosen. Takes effect at
    // llenar(), unless the host switched it off.
    void buscarAlTeclear(int columna) { m_columnaBusqueda = columna; }
    // The clock the typing pauses are measured on (milliseconds, steady).
    void fijarReloj(std::function<qint64()> reloj) { m_busqueda->fijarReloj(std::move(reloj)); }

    bool esFilaAutomatica(int fila) const { return m_filaAutomatica && fila == 1; }
    bool bloqueada(int fila) const;
    Currency stockMostrado(int fila) const;
    // The first row below the automatic one whose stock covers `unidades` and
    // is not blocked; -1 when none does.
    int eleccionAutomatica(Currency unidades) const;
    // The first row holding exactly the typed cells; -1 when none does.
    int filaTecleada(const QList<ReglasStockLotes::CeldaTecleada> &celdas) const;

    qint32 claveDeFila(int fila) const;
    QString texto(int fila, int columna) const { return m_rejilla->textMatrix(fila, columna); }
    // The date of a cell, or the null date when its text is no date.
    QDate fecha(int fila, int columna) const;

Q_SIGNALS:
    // Enter pressed in the list.
    void intro();

private:
    // Runs a step of the list's reading; its error fails the window's load.
    template<class Paso> auto leyendo(Paso &&paso) -> decltype(paso());

    VentanaLotes *m_ventana;
    Rejilla *m_rejilla;
    Diseno m_diseno;
    bool m_filaAutomatica = false;
    std::function<bool(int)> m_saleArriba;
    int m_columnaCaducidad = -1;
    int m_vidaMinima = 0;
    int m_columnaBusqueda = -1;
    BusquedaEnRejilla *m_busqueda = nullptr;
};

} // namespace NVLALotes

#pragma once

#include "foundation/controls/Rejilla.h"
#include "foundation/entry/VentanaLotes.h"
#include "foundation/lists/ListaLotes.h"

#include <nvlalotes/Currency.h>

#include <QList>
#include <QRect>
#include <QString>

namespace NVLALotes {

class EtiquetasStock;
class PushButton;
class Registros;
class kxAlmacen;
struct EtiquetaLote;

// What the two lot stock windows share: the fields the entry class sets, the
// warehouse picker, the lot list and its total, the narrowing of the expiry
// control by the warehouse, the permission check that hides the buttons that
// change lots, and the creation of a lot. Each window gives its design, its
// buttons' rules, its lot row and the rows that close the list. A long list
// is read as it is needed, like every lot list; the rows after the lots come
// once the last lot is read. The windows return nothing.
class VentanaStockLotes : public VentanaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VentanaStockLotes)
    Q_PROPERTY(qint32 Cod_Articulo MEMBER Cod_Articulo)
    Q_PROPERTY(qint16 Cod_Almacen MEMBER Cod_Almacen)
    Q_PROPERTY(bool Control_Caducidad MEMBER Control_Caducidad)
    Q_PROPERTY(bool Control_Lotes MEMBER Control_Lotes)

public:
    ~VentanaStockLotes() override;

    qint32 Cod_Articulo = 0;
    // The warehouse shown first, and the picker's warehouse once a lot is
    // created there.
    qint16 Cod_Almacen = 0;
    // Narrowed at load to what the warehouse keeps; never widened.
    bool Control_Caducidad = false;
    bool Control_Lotes = false;

    // Picker, list setup, expiry narrowing, buttons, permission check and list fill.
    void Cargar() override;

    // The restriction found by the last permission check: while true the
    // clerk may not create or block lots.
    bool restringido() const { return m_restringido; }
    // The lot key of a row; 0 on the rows that are no lot (the stock, pending
    // and total rows).
    qint32 loteDeFila(int fila) const;
    qint32 loteActual() const { return loteDeFila(vsLotes->row()); }

protected:
    struct Diseno
    {
        QString nombre;
        QRect etiqueta, almacen, crear, salir; // twips
        ListaLotes::Diseno lista;
    };
    VentanaStockLotes(const Diseno &diseno, QWidget *parent);

    // The lists beside the lot list: columns, headers, widths; no rows.
    virtual void prepararListas() {}
    // A lot row from one record of the lot query, written over `fila`, the
    // row before it: every value the row keeps is set.
    virtual void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const = 0;
    // Which buttons the clerk sees, once the restriction is known.
    virtual void mostrarBotones() = 0;
    // Fills the lists for the picker's warehouse: at least leerLotes().
    virtual void llenarListas() = 0;
    // After the fill, with the list shown.
    virtual void listasLlenas() {}
    // Whether a lot's label prints its tone and caliber.
    virtual bool etiquetaConTono() const { return false; }

    // The lot list for the picker's warehouse, fewest units first. `cerrar`
    // runs once the last lot is read, with the sum of their stored stock
    // (not of the figures shown), and appends the rows that close the list.
    void leerLotes(std::function<void(Currency total)> cerrar);
    // Appends a row with `texto` in `columna`, in bold when `negrita`, painted
    // from the next column to the last like the total row.
    void agregarFilaResumen(int columna, const QString &texto, bool negrita);

    ListaLotes *m_lista = nullptr;
    Rejilla *vsLotes = nullptr;
    kxAlmacen *txtAlmacen = nullptr;
    PushButton *cmdCrear = nullptr;
    PushButton *cmdSalir = nullptr;

private:
    bool comprobarPermisos();
    bool caducidadDelAlmacen() const;
    // The lists for the picker's warehouse; a failure is told as the load's.
    void llenar();
    void crear();
    EtiquetaLote etiqueta(qint32 lote) const;

    bool m_restringido = false;
    EtiquetasStock *m_etiquetas = nullptr;
};

} // namespace NVLALotes

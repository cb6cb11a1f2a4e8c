#pragma once

#include "foundation/controls/Rejilla.h"
#include "foundation/entry/VentanaLotes.h"

#include <nvlalotes/Currency.h>

#include <QList>
#include <QRect>
#include <QString>

namespace NVLALotes {

class BusquedaEnRejilla;
class PushButton;
class Registros;
class kxAlmacen;

// What the two lot stock windows share: the fields the entry class sets, the
// warehouse picker, the lot list and its total, the narrowing of the expiry
// control by the warehouse, the permission check that hides the buttons that
// change lots, and the creation of a lot. Each window gives its design, its
// buttons' rules and its list fill. The windows return nothing.
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
    // The warehouse shown first; the picker's warehouse once a lot is created there.
    qint16 Cod_Almacen = 0;
    // Narrowed at load to what the warehouse keeps; never widened.
    bool Control_Caducidad = false;
    bool Control_Lotes = false;

    // Picker, list setup, expiry narrowing, buttons, permission check and list fill.
    void Cargar() override;

    // The restriction found by the last permission check: while true the
    // clerk may not create or block lots.
    bool restringido() const { return m_restringido; }

protected:
    struct Diseno
    {
        QString nombre;
        QRect etiqueta, almacen, lotes, crear, salir; // twips
    };
    VentanaStockLotes(const Diseno &diseno, QWidget *parent);

    // Columns, headers, widths and alignments of the lists; no rows.
    virtual void prepararListas() = 0;
    // Which buttons the clerk sees, once the restriction is known.
    virtual void mostrarBotones() = 0;
    // Fills the lists for the picker's warehouse, showing its own errors.
    virtual void llenar() = 0;

    // The lot query for the picker's warehouse, fewest units first.
    QString consultaLotes() const;
    // Runs the lot query, one row per record by `fila`; answers the sum of
    // the stock read. An error reaches the caller with the rows read so far
    // kept in the list.
    Currency leerLotes(const std::function<QString(const Registros &)> &fila);
    // Appends a row with `texto` in `columna`, in bold when `negrita`, painted
    // from the next column to the last like the total row.
    void agregarFilaResumen(int columna, const QString &texto, bool negrita);
    struct Columna
    {
        QString cabecera;
        int ancho = 0; // twips; 0: as designed
        Rejilla::Alineacion alineacion = Rejilla::Alineacion::CentroCentro;
    };
    // A grid with `columnas` from column `primera` on, no rows, its header
    // row centred and free merging.
    static void prepararRejilla(Rejilla *rejilla, const QList<Columna> &columnas, int primera);
    // The clerk's helps on the lot list, unless the host switched them off:
    // expired lots marked, and typing finds a lot by `columnaBusqueda`.
    void ayudasDeLista(int columnaBusqueda, int columnaCaducidad);

    kxAlmacen *txtAlmacen = nullptr;
    Rejilla *vsLotes = nullptr;
    PushButton *cmdCrear = nullptr;
    PushButton *cmdSalir = nullptr;

private:
    bool comprobarPermisos();
    bool caducidadDelAlmacen() const;
    void crear();

    bool m_restringido = false;
    BusquedaEnRejilla *m_busqueda = nullptr;
};

} // namespace NVLALotes

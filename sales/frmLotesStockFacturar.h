#pragma once

#include "foundation/controls/Rejilla.h"
#include "foundation/entry/DialogoLotes.h"

#include <nvlalotes/Currency.h>

#include <QDate>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

class QGroupBox;

namespace NVLALotes {

class Registros;
class kxMaskEdBox;
class kxTextBox;
class PushButton;

// What the two pick-from-stock dialogs of a sales line share: the list of the
// article's lots in the warehouse (fewest units first, with the optional
// automatic-selection row), the "Manual" frame, and Aceptar/Cancelar. Aceptar
// takes the typed lot while the manual-entry flag is set (a box of the frame
// received the focus) and the grid's current row otherwise.
class frmLotesStockFacturar : public DialogoLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockFacturar)

public:
    qint32 Cod_Articulo = 0;
    qint16 Cod_Almacen = 0;
    Currency Unidades;
    qint32 Cod_Lote = 0;
    QString Lote;
    QDate Caducidad;
    QString Tono;
    QString Calibre;
    bool ControlCaducidad = false;
    bool PermitirAutomatico = false;
    bool PermitirContinuarSinLote = false;

    void Cargar() override;

    static const QString TextoAutomatico; // "- SELECCIÓN AUTOMÁTICA -"

    // How a twin is drawn and what its list reads.
    struct Columna
    {
        QString cabecera;
        int anchoTwips = 0; // 0: the rest of the grid
        Rejilla::Alineacion alineacion = Rejilla::Alineacion::IzquierdaCentro;
    };
    struct Diseno
    {
        QString nombre;
        QString titulo;
        QSize areaCliente;
        QRect marco, rejilla, aceptar, cancelar; // twips
        QList<Columna> columnas;                 // column 0 (the key) is hidden
        QString seleccion;                       // the SELECT list of the query
        int columnaStock = 1;
        int columnaBloqueo = -1; // -1: the list shows no block flag
    };

protected:
    frmLotesStockFacturar(const Diseno &diseno, QWidget *parent);

    // A grid row (tab-separated) from one record of the query.
    virtual QString filaDeRegistro(const Registros &registro) const = 0;
    // Grid mode: the outputs from the chosen row.
    virtual void tomarFila(int fila) = 0;
    // Manual mode: the typed lot.
    virtual void aceptarManual() = 0;
    // Whether Up in the grid's current row leaves the grid.
    virtual bool arribaSaleDeRejilla(int fila) const = 0;
    // Before the grid is filled.
    virtual void antesDeCargar() {}

    // A box of the "Manual" frame: receiving the focus sets the manual-entry flag.
    kxTextBox *cajaManual(const QString &nombre, int maxLength, const QRect &twips);
    void fechaManual(const QRect &twips);

    // ControlCaducidad's check of the typed expiry; shows the message and puts
    // the focus in the date box when it fails.
    bool comprobarFechaManual();
    // The typed expiry, or the null date.
    QDate fechaTecleada() const;
    // Key of the first listed row that `coincide`; 0 when none does.
    qint32 claveListada(const std::function<bool(int fila)> &coincide) const;
    // Key of the typed lot: the listed row it matches, or the lot stock
    // procedure's key for a lot not listed.
    qint32 claveDelLoteTecleado(const std::function<bool(int fila)> &coincide, const QString &lote, const QString &tono,
                                const QString &calibre);
    QDate fechaDeColumna(int fila, int columna) const;
    qint32 claveDeFila(int fila) const;

    void terminarConLote(qint32 clave, const QString &lote, const QDate &caducidad, const QString &tono,
                         const QString &calibre);

    QGroupBox *frmNuevoLote = nullptr;
    kxMaskEdBox *txtCaducidad = nullptr;
    Rejilla *vsLotes = nullptr;
    PushButton *cmdAceptar = nullptr;
    PushButton *cmdCancelar = nullptr;

private:
    void prepararRejilla();
    void agregarFilaAutomatica();
    void llenarRejilla();
    void aceptar();
    void aceptarDesdeRejilla();
    bool filaBloqueada(int fila) const;
    bool esFilaAutomatica(int fila) const;

    Diseno m_diseno;
    bool m_entradaManual = false;
};

} // namespace NVLALotes

#pragma once

#include "foundation/entry/DialogoLotes.h"
#include "foundation/lists/ListaLotes.h"
#include "foundation/lists/MarcoManual.h"

#include <nvlalotes/Currency.h>

#include <QDate>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

namespace NVLALotes {

class PushButton;
class Registros;
class kxTextBox;

// A dialog that picks one lot of an article from a list: the list, Aceptar and
// Cancelar, and optionally the "Manual" frame. Aceptar takes the typed lot in
// new-lot mode, nothing without a mode, and the list's current row in
// selection mode: nothing on the header, the
// automatic choice on the automatic row, and a blocked row or one whose stock
// falls short (where stock is checked) refused with a message. A dialog over
// this base gives its design, its query, how a record becomes a row and how a
// row (or the typed lot) becomes its outputs. Keys are the dialog's own too:
// some answer Enter in the list (ListaLotes::intro) with Aceptar, some do not.
class NVLA_EXPORT DialogoListaLotes : public DialogoLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DialogoListaLotes)
    Q_PROPERTY(qint32 Cod_Articulo MEMBER Cod_Articulo)
    Q_PROPERTY(qint16 Cod_Almacen MEMBER Cod_Almacen)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)
    Q_PROPERTY(qint32 Cod_Lote MEMBER Cod_Lote)
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)

public:
    ~DialogoListaLotes() override;

    qint32 Cod_Articulo = 0;
    qint16 Cod_Almacen = 0;
    Currency Unidades;
    qint32 Cod_Lote = 0;
    QString Lote;
    QDate Caducidad;
    QString Tono;
    QString Calibre;

    void Cargar() override;

    struct Diseno
    {
        QString nombre;
        QString titulo;
        QSize areaCliente;
        QRect aceptar, cancelar; // twips
        ListaLotes::Diseno lista;
    };

protected:
    DialogoListaLotes(const Diseno &diseno, QWidget *parent);

    // The list query.
    virtual QString consulta() const = 0;
    // A list row from one record of the query, written over `fila`, the row
    // before it: every value the row keeps is set.
    virtual void filaDeRegistro(const Registros &registro, FilaOrigen &fila) const = 0;
    // The outputs from a chosen row.
    virtual void tomarFila(int fila) = 0;
    // New-lot mode: the typed lot. Only dialogs with the "Manual" frame.
    virtual void aceptarManual() {}
    // Whether the list opens with the automatic-selection row.
    virtual bool conFilaAutomatica() const { return false; }
    // Whether a chosen row's stock must cover Unidades.
    virtual bool comprobarStock() const { return true; }
    // Before the list is filled.
    virtual void antesDeCargar() {}
    // The automatic row's lot: -1 when none will do.
    virtual int filaAutomatica() const;
    // The automatic row found no lot; by default the clerk is told.
    virtual void sinFilaAutomatica();
    // Whether a lot row that passed the block and stock checks may be taken;
    // tells the clerk why not.
    virtual bool admitirFila(int /*fila*/) { return true; }

    // The control that has the focus when the window opens.
    virtual QWidget *controlInicial() const;

    // The "Manual" frame, before the controls it holds.
    MarcoManual *crearMarcoManual(const QRect &twips, MarcoManual::Modo inicial = MarcoManual::Modo::Seleccion);
    // Enter in a box of the frame moves the focus to Aceptar, when `cuando` holds.
    void introLlevaAAceptar(kxTextBox *caja, std::function<bool()> cuando = {});

    void terminarConLote(qint32 clave, const QString &lote, const QDate &caducidad, const QString &tono,
                         const QString &calibre);

    ListaLotes *m_lista = nullptr;
    Rejilla *vsLotes = nullptr;
    MarcoManual *m_manual = nullptr;
    PushButton *cmdAceptar = nullptr;
    PushButton *cmdCancelar = nullptr;

private:
    void aceptar();
    void aceptarDesdeLista();
};

} // namespace NVLALotes

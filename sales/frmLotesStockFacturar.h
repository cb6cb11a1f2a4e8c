#pragma once

#include "foundation/lists/DialogoListaLotes.h"
#include "sales/EleccionLotes.h"

#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QList>

namespace NVLALotes {

// What the two pick-from-stock dialogs of a sales line share: the list of the
// article's lots in the warehouse (fewest units first, only lots with stock
// when units are asked for, with the optional automatic-selection row), the
// "Manual" frame whose expiry the caller may require, and a typed lot that is
// not listed being added to the warehouse with no units. And what a host may
// ask beyond that: the company's strategy for the automatic choice, a minimum
// shelf life the lots must have left, and a line split over several lots.
class frmLotesStockFacturar : public DialogoListaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockFacturar)
    Q_PROPERTY(bool ControlCaducidad MEMBER ControlCaducidad)
    Q_PROPERTY(bool PermitirAutomatico MEMBER PermitirAutomatico)
    Q_PROPERTY(bool PermitirContinuarSinLote MEMBER PermitirContinuarSinLote)
    Q_PROPERTY(qint32 DiasVidaMinima MEMBER DiasVidaMinima)
    Q_PROPERTY(bool PermitirReparto MEMBER PermitirReparto)
    Q_PROPERTY(QList<NVLALotes::LoteReparto> Reparto MEMBER Reparto)

public:
    ~frmLotesStockFacturar() override;

    bool ControlCaducidad = false;
    bool PermitirAutomatico = false;
    bool PermitirContinuarSinLote = false;
    qint32 DiasVidaMinima = 0;
    bool PermitirReparto = false;
    QList<LoteReparto> Reparto;

    void Cargar() override;

protected:
    // Where a row of the list keeps what a choice and a split read.
    struct Columnas
    {
        EleccionLotes::Columnas eleccion;
        int lote = -1;
        QRect repartir; // the split button, twips
    };
    // `seleccion`: the SELECT list of the query.
    frmLotesStockFacturar(const Diseno &diseno, QString seleccion, Columnas columnas, QWidget *parent);

    // ControlCaducidad's check of the typed expiry; shows the message and puts
    // the focus in the date box when it fails.
    bool comprobarFechaManual();
    // Key of the typed lot: the listed row holding exactly the typed cells, or
    // the lot stock procedure's key for a lot not listed.
    qint32 claveDelLoteTecleado(const QList<ReglasStockLotes::CeldaTecleada> &celdas, const QString &lote,
                                const QString &tono, const QString &calibre);

private:
    QString consulta() const override;
    bool conFilaAutomatica() const override { return PermitirAutomatico; }
    int filaAutomatica() const override;
    void sinFilaAutomatica() override;
    bool admitirFila(int fila) override;

    // The first expiry the customer accepts; null when any will do.
    QDate aceptaDesde() const;
    EleccionLotes eleccion() const;
    void repartir();
    LoteReparto loteDeFila(int fila) const;

    QString m_seleccion;
    Columnas m_columnas;
    QList<ListaLotes::Columna> m_columnasLista;
    EleccionLotes::Estrategia m_estrategia = EleccionLotes::Estrategia::MenorSuficiente;
    PushButton *cmdRepartir = nullptr;
};

} // namespace NVLALotes

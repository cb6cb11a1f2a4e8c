#pragma once

#include "foundation/lists/DialogoListaLotes.h"

namespace NVLALotes {

// What the two pick-from-stock dialogs of a sales line share: the list of the
// article's lots in the warehouse (fewest units first, only lots with stock
// when units are asked for, with the optional automatic-selection row), the
// "Manual" frame whose expiry the caller may require, and a typed lot that is
// not listed being added to the warehouse with no units.
class frmLotesStockFacturar : public DialogoListaLotes
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLotesStockFacturar)
    Q_PROPERTY(bool ControlCaducidad MEMBER ControlCaducidad)
    Q_PROPERTY(bool PermitirAutomatico MEMBER PermitirAutomatico)
    Q_PROPERTY(bool PermitirContinuarSinLote MEMBER PermitirContinuarSinLote)

public:
    ~frmLotesStockFacturar() override;

    bool ControlCaducidad = false;
    bool PermitirAutomatico = false;
    bool PermitirContinuarSinLote = false;

protected:
    // `seleccion`: the SELECT list of the query.
    frmLotesStockFacturar(const Diseno &diseno, QString seleccion, QWidget *parent);

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

    QString m_seleccion;
};

} // namespace NVLALotes

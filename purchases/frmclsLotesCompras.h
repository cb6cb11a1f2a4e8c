#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QObject>
#include <QString>

namespace NVLALotes {

/// Lot data of a purchase line (or a purchase return): the host fills the line's
/// current lot data, calls Show, and reads back what the user typed.
class NVLA_EXPORT frmclsLotesCompras : public ClaseEntradaLotes
{
    Q_GADGET
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(bool PedirCaducidad MEMBER PedirCaducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)
    Q_PROPERTY(bool Result MEMBER Result)
    Q_PROPERTY(bool EsDevolucion MEMBER EsDevolucion)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)

public:
    QString Lote;                ///< in and out: the line's lot code, replaced by the one typed
    QDate Caducidad;             ///< 01/01/1900 is the null date
    bool PedirCaducidad = false; ///< in: ask for the expiry date too
    QString Tono;                ///< in and out: the tone (tone and caliber model)
    QString Calibre;             ///< in and out: the caliber (tone and caliber model)
    bool Result = false;         ///< out: true when the clerk accepted, or no dialog was needed
    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;
    bool EsDevolucion = false; ///< kept for the host; nothing here reads it
    Currency Unidades;         ///< above 0 a past expiry is refused
};

} // namespace NVLALotes

#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QString>

namespace NVLALotes {

// Lot data of a purchase line (or a purchase return): the host fills the line's
// current lot data, calls Show, and reads back what the user typed.
class NVLA_EXPORT frmclsLotesCompras : public ClaseEntradaLotes
{
public:
    QString Lote;
    QDate Caducidad; // 01/01/1900 is the null date
    bool PedirCaducidad = false;
    QString Tono;
    QString Calibre;
    bool Result = false;
    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;
    bool EsDevolucion = false; // kept for the host; nothing here reads it
    Currency Unidades;         // above 0 a past expiry is refused
};

} // namespace NVLALotes

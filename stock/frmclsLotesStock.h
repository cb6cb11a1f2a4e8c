#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QObject>

namespace NVLALotes {

/// The stock window of an article's lots in a warehouse: the host fills the
/// article, the warehouse and the article's lot switches and calls Show. The
/// window may create and block lots in the database; nothing comes back here.
class NVLA_EXPORT frmclsLotesStock : public ClaseEntradaLotes
{
    Q_GADGET
    Q_PROPERTY(qint16 Cod_Almacen MEMBER Cod_Almacen)
    Q_PROPERTY(qint32 Cod_Articulo MEMBER Cod_Articulo)
    Q_PROPERTY(bool Control_Lotes MEMBER Control_Lotes)
    Q_PROPERTY(bool Control_Caducidad MEMBER Control_Caducidad)

public:
    qint16 Cod_Almacen = 0;  ///< in: the warehouse shown first; the clerk may change it
    qint32 Cod_Articulo = 0; ///< in: the article
    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    /// Lot models without a stock window (1, and anything but 2, 3 and 4)
    /// return at once without an error.
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;
    bool Control_Lotes = false;     ///< in: the article is managed by lots
    bool Control_Caducidad = false; ///< in: the article keeps expiry dates (and so must the warehouse)
};

} // namespace NVLALotes

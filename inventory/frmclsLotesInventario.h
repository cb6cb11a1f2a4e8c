#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QObject>
#include <QString>

namespace NVLALotes {

/// The lot of an inventory count line: the host fills the warehouse, article,
/// counted units and the line's lot, calls Show, and reads back the lot picked
/// or typed. A typed lot that matches no known one comes back with Cod_Lote 0
/// and its typed data, for the host to create.
class NVLA_EXPORT frmclsLotesInventario : public ClaseEntradaLotes
{
    Q_GADGET
    Q_PROPERTY(qint16 Cod_Almacen MEMBER Cod_Almacen)
    Q_PROPERTY(qint32 Cod_Articulo MEMBER Cod_Articulo)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)
    Q_PROPERTY(NVLALotes::Currency peso MEMBER peso)
    Q_PROPERTY(qint32 Cod_Lote MEMBER Cod_Lote)
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)
    Q_PROPERTY(bool Result MEMBER Result)
    Q_PROPERTY(bool ControlCaducidad MEMBER ControlCaducidad)

public:
    qint16 Cod_Almacen = 0;        ///< in: the warehouse being counted
    qint32 Cod_Articulo = 0;       ///< in: the article
    Currency Unidades;             ///< in: the counted units
    Currency peso;                 ///< in: the counted weight
    qint32 Cod_Lote = 0;           ///< 1 under lot models 1 and 4
    QString Lote;                  ///< in and out: the line's lot code, replaced by the one picked or typed
    QDate Caducidad;               ///< 01/01/1900 is the null date
    QString Tono;                  ///< out: the tone (tone and caliber model)
    QString Calibre;               ///< out: the caliber (tone and caliber model)
    bool Result = false;           ///< out: true when a lot was picked or typed, or no dialog was needed
    bool ControlCaducidad = false; ///< in: the article's expiry date is mandatory
    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;
};

} // namespace NVLALotes

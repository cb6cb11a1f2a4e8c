#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QObject>
#include <QString>

namespace NVLALotes {

/// The lot a stock regularization line moves, in or out: the host fills the
/// article, warehouse, units and direction, calls Show, and reads back the
/// chosen lot.
class NVLA_EXPORT frmclsLotesRegularizar : public ClaseEntradaLotes
{
    Q_GADGET
    Q_PROPERTY(bool EsNegativo MEMBER EsNegativo)
    Q_PROPERTY(qint16 Cod_Almacen MEMBER Cod_Almacen)
    Q_PROPERTY(qint32 Cod_Articulo MEMBER Cod_Articulo)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)
    Q_PROPERTY(qint32 Cod_Lote MEMBER Cod_Lote)
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)
    Q_PROPERTY(bool Result MEMBER Result)

public:
    bool EsNegativo = false; ///< the movement takes stock out: only lots with enough stock
    qint16 Cod_Almacen = 0;  ///< in: the warehouse
    qint32 Cod_Articulo = 0; ///< in: the article
    Currency Unidades;       ///< in: the units of the movement
    qint32 Cod_Lote = 0;     ///< 1 under lot models 1 and 4
    QString Lote;            ///< out: the lot code
    QDate Caducidad;         ///< 01/01/1900 is the null date
    QString Tono;            ///< out: the tone (tone and caliber model)
    QString Calibre;         ///< out: the caliber (tone and caliber model)
    bool Result = false;     ///< out: true when a lot was chosen, or no dialog was needed
    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;
};

} // namespace NVLALotes

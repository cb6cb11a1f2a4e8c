#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QObject>
#include <QString>

namespace NVLALotes {

// The lot of an inventory count line: the host fills the warehouse, article,
// counted units and the line's lot, calls Show, and reads back the lot picked
// or typed. A typed lot that matches no known one comes back with Cod_Lote 0
// and its typed data, for the host to create.
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
    qint16 Cod_Almacen = 0;
    qint32 Cod_Articulo = 0;
    Currency Unidades;
    Currency peso;
    qint32 Cod_Lote = 0; // 1 under lot models 1 and 4
    QString Lote;
    QDate Caducidad; // 01/01/1900 is the null date
    QString Tono;
    QString Calibre;
    bool Result = false;
    bool ControlCaducidad = false;
    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;
};

} // namespace NVLALotes

#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/Currency.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

namespace NVLALotes {

/// One lot of a line split over lots, and the units taken from it.
struct NVLA_EXPORT LoteReparto
{
    Q_GADGET
    Q_PROPERTY(qint32 Cod_Lote MEMBER Cod_Lote)
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)

public:
    qint32 Cod_Lote = 0; ///< the lot's key
    QString Lote;        ///< the lot code (lot code model)
    QDate Caducidad;     ///< 01/01/1900 is the null date
    QString Tono;        ///< tone and caliber model
    QString Calibre;     ///< tone and caliber model
    Currency Unidades;   ///< the units of the line taken from this lot

    bool operator==(const LoteReparto &) const = default; ///< Every member equal.
};

/// The lot a sales line (invoice or delivery note) takes its units from: the
/// host fills the article, warehouse, units and options, calls Show, and reads
/// back the chosen lot.
class NVLA_EXPORT frmclsLotesFacturacion : public ClaseEntradaLotes
{
    Q_GADGET
    Q_PROPERTY(qint16 Cod_Almacen MEMBER Cod_Almacen)
    Q_PROPERTY(qint32 Cod_Articulo MEMBER Cod_Articulo)
    Q_PROPERTY(NVLALotes::Currency Unidades MEMBER Unidades)
    Q_PROPERTY(qint32 Cod_Lote MEMBER Cod_Lote)
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)
    Q_PROPERTY(bool ControlCaducidad MEMBER ControlCaducidad)
    Q_PROPERTY(bool Result MEMBER Result)
    Q_PROPERTY(bool PermitirAutomatico MEMBER PermitirAutomatico)
    Q_PROPERTY(bool PermitirContinuarSinLote MEMBER PermitirContinuarSinLote)
    Q_PROPERTY(qint32 DiasVidaMinima MEMBER DiasVidaMinima)
    Q_PROPERTY(bool PermitirReparto MEMBER PermitirReparto)
    Q_PROPERTY(QList<NVLALotes::LoteReparto> Reparto MEMBER Reparto)

public:
    qint16 Cod_Almacen = 0;  ///< in: the warehouse the units leave
    qint32 Cod_Articulo = 0; ///< in: the article
    Currency Unidades;       ///< in: the line's units; above 0 only lots with at least these in stock can be chosen
    qint32 Cod_Lote = 0;     ///< 1 under lot models 1 and 4; 0 when the line goes on without a lot
    QString Lote;            ///< out: the lot code
    QDate Caducidad;         ///< 01/01/1900 is the null date
    QString Tono;            ///< out: the tone (tone and caliber model)
    QString Calibre;         ///< out: the caliber (tone and caliber model)
    bool ControlCaducidad = false; ///< in: a typed lot must carry a valid expiry date
    bool Result = false;           ///< out: true when a lot was chosen, or no dialog was needed
    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;
    bool PermitirAutomatico = false;       ///< in: offer the automatic-selection row
    bool PermitirContinuarSinLote = false; ///< in: offer to go on without a tone and caliber (tone and caliber model)
    /// in: lots that expire sooner than this many days from today are refused; 0 takes any
    qint32 DiasVidaMinima = 0;
    /// in: a line no single lot covers may be split over several lots (lot code and tone and caliber models)
    bool PermitirReparto = false;
    /// out: the lots of a split line, in order, their units adding up to Unidades; the single-lot fields hold the
    /// first of them. Empty when the line takes one lot.
    QList<LoteReparto> Reparto;
};

} // namespace NVLALotes

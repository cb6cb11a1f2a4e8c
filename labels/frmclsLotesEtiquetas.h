#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>
#include <nvlalotes/nvlalotes_export.h>

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

namespace NVLALotes {

struct EtiquetaLote;

/// Lot labels for lots of the host's own documents: a GS1 barcode (GS1-128, or
/// GS1 DataMatrix where that does not fit) of the article number (01), the
/// expiry (17) and the lot code (10), which the lot boxes of the library read
/// back, with the article and the lot in text; without an article number, the
/// lot code alone for in-house use. The host fills one lot's fields and calls
/// Agregar for each lot of the run, then Show; the report viewer opens with the
/// labels to preview, print or export.
class NVLA_EXPORT frmclsLotesEtiquetas : public ClaseEntradaLotes
{
    Q_GADGET
    Q_PROPERTY(qint32 Cod_Articulo MEMBER Cod_Articulo)
    Q_PROPERTY(QString Descripcion MEMBER Descripcion)
    Q_PROPERTY(QString GTIN MEMBER GTIN)
    Q_PROPERTY(QString Lote MEMBER Lote)
    Q_PROPERTY(QDate Caducidad MEMBER Caducidad)
    Q_PROPERTY(QString Tono MEMBER Tono)
    Q_PROPERTY(QString Calibre MEMBER Calibre)
    Q_PROPERTY(qint16 Copias MEMBER Copias)
    Q_PROPERTY(bool HojaA4 MEMBER HojaA4)

public:
    frmclsLotesEtiquetas();
    ~frmclsLotesEtiquetas() override;
    /// Copies the fields and the lots added so far.
    frmclsLotesEtiquetas(const frmclsLotesEtiquetas &otra);
    /// Copies the fields and the lots added so far.
    frmclsLotesEtiquetas &operator=(const frmclsLotesEtiquetas &otra);

    qint32 Cod_Articulo = 0; ///< in: the article's code
    QString Descripcion;     ///< in: the article's description
    QString GTIN;            ///< in: the article number (8, 12, 13 or 14 digits); empty: the company's GtinArticulo
    QString Lote;            ///< in: the lot code
    QDate Caducidad;         ///< in: the expiry; null (or 01/01/1900) for none
    QString Tono;            ///< in: the tone, printed under the tone and caliber model
    QString Calibre;         ///< in: the caliber, printed under the tone and caliber model
    qint16 Copias = 1;       ///< in: labels of this lot
    bool HojaA4 = false;     ///< in: ten labels to an A4 sheet instead of one a page of a 100 x 60 mm label

    using ClaseEntradaLotes::ConexionNuvalia;
    using ClaseEntradaLotes::EmpresaNuvalia;
    /// Adds the lot in the fields, with its copies, to the run.
    void Agregar();
    /// Opens the viewer on the lots added (or, when none was, the lot in the
    /// fields) and empties the run. Modal 1 returns when the viewer closes, 0 at
    /// once with the viewer open. The lot model decides whether tone and caliber
    /// print; a model that is not 1 to 4 fails as in every entry class.
    void Show(qint16 Modal = 0, QWidget *OwnerForm = nullptr) override;

private:
    QList<EtiquetaLote> m_etiquetas;
};

} // namespace NVLALotes

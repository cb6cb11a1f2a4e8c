#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>
#include <QVariant>

namespace NVLALotes {

/// The host's company component: the three operations the library calls, and
/// an optional fourth. A host implements it over its own configuration
/// (docs/host.md) or uses EmpresaMemoria or EmpresaBaseDatos.
class NVLA_CORE_EXPORT NVLAEMP
{
public:
    virtual ~NVLAEMP();

    /// The current company's code, written into every query and passed to the
    /// lot stock procedure.
    virtual qint16 CodigoEmpresa() = 0;
    /// The company the current company's customers are kept under (the tone and
    /// caliber stock window joins table Clientes on it).
    virtual qint16 CodigoEmpresaClientes() = 0;
    /// A host parameter by name ("Lotes_ModeloUsar", "Lotes_NroObligatorio", ...:
    /// the list is in docs/host.md). An unknown name answers an empty or null value.
    virtual QVariant LeerParametro(const QString &name) = 0;
    /// The article number (GTIN-8, UPC-A, EAN-13 or GTIN-14) of article
    /// `articulo`, printed in its lot labels' GS1 barcode; empty for none.
    /// Optional: a host without it gets labels whose barcode is for in-house use.
    virtual QString GtinArticulo(qint32 articulo);
};

} // namespace NVLALotes

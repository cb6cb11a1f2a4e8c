#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>
#include <QVariant>

namespace NVLALotes {

/// The host's company component: the three operations the library calls. A host
/// implements it over its own configuration (docs/host.md) or uses EmpresaMemoria
/// or EmpresaBaseDatos.
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
};

} // namespace NVLALotes

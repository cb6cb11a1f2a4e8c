#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>
#include <QVariant>

namespace NVLALotes {

// The host's company component: the three operations the library calls.
class NVLA_CORE_EXPORT NVLAEMP
{
public:
    virtual ~NVLAEMP();

    virtual qint16 CodigoEmpresa() = 0;
    virtual qint16 CodigoEmpresaClientes() = 0;
    virtual QVariant LeerParametro(const QString &name) = 0;
};

} // namespace NVLALotes

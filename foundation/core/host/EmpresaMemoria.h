#pragma once

#include <nvlalotes/NVLAEMP.h>
#include <nvlalotes/nvlalotes_core_export.h>

#include <QHash>

namespace NVLALotes {

/// A company object whose codes and parameters are held in memory: for hosts
/// that already have their values at hand, for the workbench and for tests.
/// An unknown parameter reads as an empty text, as the host's own does.
class NVLA_CORE_EXPORT EmpresaMemoria : public NVLAEMP
{
public:
    /// A company with these codes and no parameters yet.
    explicit EmpresaMemoria(qint16 codigoEmpresa = 1, qint16 codigoEmpresaClientes = 1);

    qint16 CodigoEmpresa() override;
    qint16 CodigoEmpresaClientes() override;
    QVariant LeerParametro(const QString &name) override;
    QString GtinArticulo(qint32 articulo) override;

    void setCodigoEmpresa(qint16 codigo) { m_empresa = codigo; } ///< Changes the company code.
    /// Changes the customers' company code.
    void setCodigoEmpresaClientes(qint16 codigo) { m_empresaClientes = codigo; }
    void setParametro(const QString &name, const QVariant &valor); ///< Sets a parameter, replacing its previous value.
    void setGtin(qint32 articulo, const QString &gtin);            ///< Sets an article's GTIN; empty takes it away.

private:
    qint16 m_empresa;
    qint16 m_empresaClientes;
    QHash<QString, QVariant> m_parametros;
    QHash<qint32, QString> m_gtins;
};

} // namespace NVLALotes

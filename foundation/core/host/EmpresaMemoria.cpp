#include "EmpresaMemoria.h"

namespace NVLALotes {

NVLAEMP::~NVLAEMP() = default;

QString NVLAEMP::GtinArticulo(qint32 /*articulo*/)
{
    return {};
}

EmpresaMemoria::EmpresaMemoria(qint16 codigoEmpresa, qint16 codigoEmpresaClientes)
    : m_empresa(codigoEmpresa)
    , m_empresaClientes(codigoEmpresaClientes)
{}

qint16 EmpresaMemoria::CodigoEmpresa()
{
    return m_empresa;
}

qint16 EmpresaMemoria::CodigoEmpresaClientes()
{
    return m_empresaClientes;
}

QVariant EmpresaMemoria::LeerParametro(const QString &name)
{
    return m_parametros.value(name, QString());
}

QString EmpresaMemoria::GtinArticulo(qint32 articulo)
{
    return m_gtins.value(articulo);
}

void EmpresaMemoria::setGtin(qint32 articulo, const QString &gtin)
{
    m_gtins.insert(articulo, gtin);
}

void EmpresaMemoria::setParametro(const QString &name, const QVariant &valor)
{
    m_parametros.insert(name, valor);
}

} // namespace NVLALotes

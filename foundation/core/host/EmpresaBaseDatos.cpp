#include "EmpresaBaseDatos.h"

#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

EmpresaBaseDatos::EmpresaBaseDatos(std::shared_ptr<Conexion> conexion, qint16 codigoEmpresa, QString usuarioActual)
    : m_conexion(std::move(conexion))
    , m_empresa(codigoEmpresa)
    , m_usuario(std::move(usuarioActual))
{}

qint16 EmpresaBaseDatos::CodigoEmpresa()
{
    return m_empresa;
}

qint16 EmpresaBaseDatos::CodigoEmpresaClientes()
{
    auto registros = m_conexion->abrirConsulta(u"SELECT Cod_EmpresaClientes FROM Empresas WHERE Cod_Empresa = "_s +
                                               ValorSql::numero(m_empresa));
    if (registros->siguiente() && !registros->campo(0).isNull())
        return qint16(registros->campo(0).toInt());
    return m_empresa;
}

QVariant EmpresaBaseDatos::LeerParametro(const QString &name)
{
    if (!m_usuario.isEmpty() && name.compare(u"UsuarioActual"_s, Qt::CaseInsensitive) == 0)
        return m_usuario;
    auto registros = m_conexion->abrirConsulta(u"SELECT Valor FROM Parametros WHERE Nombre = "_s +
                                               ValorSql::texto(name) + u" AND Cod_Empresa IN (0, "_s +
                                               ValorSql::numero(m_empresa) + u") ORDER BY Cod_Empresa DESC"_s);
    if (registros->siguiente() && !registros->campo(0).isNull())
        return registros->campo(0).toString();
    return QString();
}

} // namespace NVLALotes

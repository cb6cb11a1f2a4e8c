#include "EmpresaBaseDatos.h"

#include "foundation/database/Conexion.h"
#include "foundation/database/Registros.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

QString textoSql(const QString &texto)
{
    return u'\'' + QString(texto).replace(u"'"_s, u"''"_s) + u'\'';
}

} // namespace

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
    auto registros = m_conexion->AbrirConsulta(u"SELECT Cod_EmpresaClientes FROM Empresas WHERE Cod_Empresa = "_s +
                                               QString::number(m_empresa));
    if (registros->Siguiente() && !registros->Campo(0).isNull())
        return qint16(registros->Campo(0).toInt());
    return m_empresa;
}

QVariant EmpresaBaseDatos::LeerParametro(const QString &name)
{
    if (!m_usuario.isEmpty() && name.compare(u"UsuarioActual"_s, Qt::CaseInsensitive) == 0)
        return m_usuario;
    auto registros = m_conexion->AbrirConsulta(u"SELECT Valor FROM Parametros WHERE Nombre = "_s + textoSql(name) +
                                               u" AND Cod_Empresa IN (0, "_s + QString::number(m_empresa) +
                                               u") ORDER BY Cod_Empresa DESC"_s);
    if (registros->Siguiente() && !registros->Campo(0).isNull())
        return registros->Campo(0).toString();
    return QString();
}

} // namespace NVLALotes

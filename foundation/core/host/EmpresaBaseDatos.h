#pragma once

#include <nvlalotes/NVLAEMP.h>
#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>

#include <memory>

namespace NVLALotes {

class Conexion;

/// A company object that reads the host database: the clients' company code from
/// table Empresas and the parameters from table Parametros, where a row of the
/// company overrides the installation-wide one (company 0). The current user is
/// the one given here; without one, parameter "UsuarioActual" of the table.
/// An unknown parameter reads as an empty text.
class NVLA_CORE_EXPORT EmpresaBaseDatos : public NVLAEMP
{
public:
    /// Reads company `codigoEmpresa` on `conexion`; `usuarioActual` answers "UsuarioActual" when given.
    EmpresaBaseDatos(std::shared_ptr<Conexion> conexion, qint16 codigoEmpresa, QString usuarioActual = {});

    qint16 CodigoEmpresa() override;
    qint16 CodigoEmpresaClientes() override;
    QVariant LeerParametro(const QString &name) override;

    /// Changes the user "UsuarioActual" answers; empty reads it from the table.
    void setUsuarioActual(const QString &usuario) { m_usuario = usuario; }

private:
    std::shared_ptr<Conexion> m_conexion;
    qint16 m_empresa;
    QString m_usuario;
};

} // namespace NVLALotes

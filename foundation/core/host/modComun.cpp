#include "modComun.h"

#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/values/ErrorLotes.h"

#include <nvlalotes/NVLAEMP.h>

using namespace Qt::StringLiterals;

namespace NVLALotes::modComun {

namespace {

const QString SoloGrupoAdministrador = u",1,"_s;
const QString OrigenGrupos = u"modComun::Grupos"_s;

bool sinRegistrosQueConcedan(const QString &consulta)
{
    auto registros = ContextoCompartido::conexionRequerida().abrirConsulta(consulta);
    return !registros->siguiente() || registros->campo(u"NumRegs").toLongLong() == 0;
}

QString leerGrupos()
{
    // The user's code goes in as the host gives it, once it is seen to be a
    // number: anything else would only make a broken statement.
    const QString usuario =
        ValorSql::entero(ContextoCompartido::empresaRequerida().LeerParametro(u"UsuarioActual"_s).toString(),
                         u"UsuarioActual"_s, OrigenGrupos);
    auto registros = ContextoCompartido::conexionRequerida().abrirConsulta(
        u"SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario="_s + usuario);
    QString lista = u","_s;
    while (registros->siguiente())
        lista += registros->campo(u"CodGrupo").toString() + u',';
    return lista.size() == 1 ? QString() : lista;
}

// The codes of a group list (",3,7,") as the list of an IN: "3,7". Each code
// was read from the database and goes back into a statement, so each is
// checked to be a number.
QString listaSql(const QString &grupos)
{
    QStringList codigos = grupos.mid(1, grupos.size() - 2).split(u',');
    for (QString &codigo : codigos)
        codigo = ValorSql::entero(codigo, u"CodGrupo"_s, u"modComun::MenuRestringido"_s);
    return codigos.join(u',');
}

} // namespace

QString Grupos()
{
    try {
        return leerGrupos();
    } catch (const ErrorLotes &error) {
        throw ErrorLotes(error.Number(), error.Description(), OrigenGrupos);
    } catch (const std::exception &error) {
        throw ErrorLotes(NumeroError::BaseDatos, QString::fromLocal8Bit(error.what()), OrigenGrupos);
    }
}

bool MenuRestringido(qint32 CodMenu, const QString &NombreInterno, qint16 Modulo)
{
    if (CodMenu == 0 && NombreInterno.isEmpty())
        return false;
    const QString grupos = Grupos();
    if (grupos.contains(SoloGrupoAdministrador))
        return false;
    if (grupos.isEmpty())
        return true;
    const QString lista = listaSql(grupos);
    if (CodMenu != 0)
        return sinRegistrosQueConcedan(u"SELECT COUNT(*) as NumRegs FROM SGD_XTR_Menus_Grupos a "_s +
                                       u"WHERE a.Modulo="_s + ValorSql::numero(Modulo) + u" AND a.CodMenu="_s +
                                       ValorSql::numero(CodMenu) + u" AND a.CodGrupo IN ("_s + lista +
                                       u") AND TipoAcceso=2"_s);
    return sinRegistrosQueConcedan(u"SELECT COUNT(*) as NumRegs FROM SGD_Menus,SGD_Menus_Grupos "_s +
                                   u" WHERE SGD_Menus.Codigo=SGD_Menus_Grupos.CodMenu AND SGD_Menus.NombreInterno="_s +
                                   ValorSql::texto(NombreInterno) + u" AND SGD_Menus_Grupos.CodGrupo IN ("_s + lista +
                                   u") AND SGD_Menus_Grupos.TipoAcceso=2"_s + u" AND SGD_Menus.Modulo="_s +
                                   ValorSql::numero(Modulo));
}

} // namespace NVLALotes::modComun

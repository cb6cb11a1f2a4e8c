#include "ContextoCompartido.h"

#include "foundation/core/values/ErrorLotes.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace NVLALotes::ContextoCompartido {

namespace {
struct Contexto
{
    // The connection held here is closed and removed from Qt SQL when the process
    // ends, which needs Qt SQL's null connection and its registry of connections
    // still there. Statics end in the reverse order of their making, so making
    // those two first (in that order) keeps them past this context, even when
    // the host set its company object before it opened any database.
    Contexto()
    {
        const QSqlDatabase ninguna;
        QSqlDatabase::connectionNames();
    }

    std::shared_ptr<NVLAEMP> empresa;
    std::shared_ptr<Conexion> conexion;
};

Contexto &contexto()
{
    static Contexto instancia;
    return instancia;
}
} // namespace

void setEmpresa(std::shared_ptr<NVLAEMP> empresa)
{
    contexto().empresa = std::move(empresa);
}

void setConexion(std::shared_ptr<Conexion> conexion)
{
    contexto().conexion = std::move(conexion);
}

std::shared_ptr<NVLAEMP> empresa()
{
    return contexto().empresa;
}

std::shared_ptr<Conexion> conexion()
{
    return contexto().conexion;
}

NVLAEMP &empresaRequerida()
{
    if (!contexto().empresa)
        throw ErrorLotes(NumeroError::ConexionNoValida, u"No se ha indicado el objeto de empresa (EmpresaNuvalia)."_s,
                         u"NVLALotes"_s);
    return *contexto().empresa;
}

Conexion &conexionRequerida()
{
    if (!contexto().conexion)
        throw ErrorLotes(NumeroError::ConexionNoValida,
                         u"No se ha indicado la conexión a la base de datos (ConexionNuvalia)."_s, u"NVLALotes"_s);
    return *contexto().conexion;
}

} // namespace NVLALotes::ContextoCompartido

#include "RegistroAlmacen.h"

#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/host/RegistroAlmacenTabla.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"

#include <nvlalotes/NVLAEMP.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

std::function<std::unique_ptr<RegistroAlmacen>()> &fabricaActual()
{
    static std::function<std::unique_ptr<RegistroAlmacen>()> instancia;
    return instancia;
}

const QString Origen = u"RegistroAlmacen::Cargar"_s;

} // namespace

RegistroAlmacen::~RegistroAlmacen() = default;

void RegistroAlmacen::setFabrica(std::function<std::unique_ptr<RegistroAlmacen>()> fabrica)
{
    fabricaActual() = std::move(fabrica);
}

std::unique_ptr<RegistroAlmacen> RegistroAlmacen::crear()
{
    if (const auto &fabrica = fabricaActual()) {
        if (auto registro = fabrica())
            return registro;
        throw ErrorLotes(NumeroError::ClaseNoDisponible, u"El objeto de almacén del programa no se ha podido crear."_s,
                         u"RegistroAlmacen::crear"_s);
    }
    return std::make_unique<RegistroAlmacenTabla>();
}

void RegistroAlmacenTabla::setEmpresa(std::shared_ptr<NVLAEMP> empresa)
{
    m_empresa = std::move(empresa);
}

void RegistroAlmacenTabla::setConexion(std::shared_ptr<Conexion> conexion)
{
    m_conexion = std::move(conexion);
}

void RegistroAlmacenTabla::setCodigoAlmacen(qint16 codigo)
{
    m_almacen = codigo;
}

void RegistroAlmacenTabla::Cargar(QObject * /*objeto*/)
{
    if (!m_empresa || !m_conexion)
        throw ErrorLotes(NumeroError::ConexionNoValida,
                         u"El almacén no tiene objeto de empresa o conexión con la que leerse."_s, Origen);
    auto registros = m_conexion->abrirConsulta(u"SELECT Control_Caducidad FROM Almacenes WHERE Cod_Empresa = "_s +
                                               ValorSql::numero(m_empresa->CodigoEmpresa()) + u" AND Cod_Almacen = "_s +
                                               ValorSql::numero(m_almacen));
    m_controlCaducidad = registros->siguiente() && valorBooleano(registros->campo(0), Origen);
}

bool RegistroAlmacenTabla::ControlCaducidad() const
{
    return m_controlCaducidad;
}

} // namespace NVLALotes

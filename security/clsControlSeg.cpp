#include "clsControlSeg.h"

#include "foundation/controls/Mensajes.h"
#include "foundation/core/catalog/CatalogoControles.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"
#include "security/ColeccionControles.h"
#include "security/ReglasAcceso.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

const QString TituloError = u"clsControlSeg:SetStateAllControl"_s;
const QString Origen = u"NVLALotes.clsControlSeg"_s;

template<class T> T &requerido(const std::shared_ptr<T> &objeto, const QString &que)
{
    if (!objeto)
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"No se ha indicado %1."_s.arg(que), Origen);
    return *objeto;
}

QWidget &formularioRequerido(QWidget *formulario)
{
    if (!formulario)
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"No se ha indicado el formulario (ContentForm)."_s, Origen);
    return *formulario;
}

QString textoPermisos(const QString &formulario, qint32 usuario)
{
    return u"SELECT gc.Cod_Grupo, f.Nombre AS Formulario, c.Nombre AS Control, c.Indice, gc.Permiso"_s +
           u" FROM SGD_Controles_Grupos gc"_s + u" INNER JOIN SGD_Formularios f"_s +
           u" ON gc.Cod_Formulario = f.Cod_Formulario "_s + u" INNER JOIN SGD_Controles c"_s +
           u" ON gc.Cod_Formulario = c.Cod_Formulario AND gc.Cod_Control = c.Cod_Control"_s + u" WHERE f.Nombre = "_s +
           ValorSql::texto(formulario) +
           u" AND (gc.Cod_Grupo = 0 OR gc.Cod_Grupo IN (SELECT CodGrupo FROM SGD_Usuarios_Grupos WHERE CodUsuario = "_s +
           ValorSql::numero(usuario) + u"))"_s + u" ORDER BY c.Nombre, gc.Permiso ASC"_s;
}

} // namespace

clsControlSeg::clsControlSeg(QObject *parent)
    : QObject(parent)
{}

clsControlSeg::~clsControlSeg() = default;

void clsControlSeg::cEmpresa(std::shared_ptr<NVLAEMP> Emp)
{
    m_empresa = std::move(Emp);
}

void clsControlSeg::Conexion(std::shared_ptr<NVLALotes::Conexion> pconexion)
{
    m_conexion = std::move(pconexion);
}

QWidget *clsControlSeg::ContentForm() const
{
    return m_form;
}

void clsControlSeg::ContentForm(QWidget *vData)
{
    m_form = vData;
}

void clsControlSeg::SetStateAllControl()
{
    try {
        RegistrarControles();
        if (valorBooleano(requerido(m_empresa, u"la empresa"_s).LeerParametro(u"NoProcesarPermisosControles"_s),
                          Origen))
            return;
        aplicarPermisos();
        Q_EMIT AfterSetStateAllControls();
    } catch (const ErrorLotes &error) {
        Mensajes::critico(m_form, TituloError, error.Description());
    } catch (const std::exception &error) {
        Mensajes::critico(m_form, TituloError, QString::fromLocal8Bit(error.what()));
    }
}

void clsControlSeg::aplicarPermisos()
{
    const QString formulario = formularioRequerido(m_form).objectName();
    const auto filas = requerido(m_conexion, u"la conexión"_s).abrirConsulta(textoPermisos(formulario, Usuario));
    const QList<QWidget *> controles = ColeccionControles::de(m_form);
    // The rows of one control come from the least to the most restrictive, so the last one stays.
    while (filas->siguiente()) {
        // The map is built by the first row that needs it: a form without
        // permissions is never mapped, nor told of keys it repeats.
        const QHash<QString, qint32> &mapa = MapaControles();
        const QString nombre = filas->campo(u"Control").toString();
        const QString clave = nombre + u'!' + filas->campo(u"Indice").toString().trimmed();
        const auto posicion = mapa.constFind(clave);
        // A control no longer on the form (or no longer where the map saw it) keeps nothing.
        if (posicion == mapa.cend() || *posicion >= controles.size())
            continue;
        QWidget *control = controles.at(*posicion);
        if (control->objectName() == nombre)
            setControlState(control, filas->campo(u"Permiso").toInt());
    }
}

void clsControlSeg::setControlState(QWidget *Ctrl, qint32 state)
{
    if (!Ctrl || ReglasAcceso::aplicarNivelPropio(Ctrl, state))
        return;
    ReglasAcceso::aplicarReglaGenerica(Ctrl, state);
    Q_EMIT AfterSetStateControl(Ctrl, state);
}

bool clsControlSeg::EsMatriz(const QWidget *Ctrl) const
{
    return ColeccionControles::esElementoMatriz(Ctrl);
}

QString clsControlSeg::IndiceControl(const QWidget *Ctrl) const
{
    return EsMatriz(Ctrl) ? ColeccionControles::indice(Ctrl) : QString();
}

QString clsControlSeg::OrdenTabulacion(const QWidget *Ctrl) const
{
    const std::optional<int> posicion = ColeccionControles::posicionTabulacion(m_form, Ctrl);
    return QString::number(posicion ? *posicion : ColeccionControles::de(m_form).size());
}

const QHash<QString, qint32> &clsControlSeg::MapaControles()
{
    if (m_mapa)
        return *m_mapa;
    m_mapa = std::make_unique<QHash<QString, qint32>>();
    const QList<QWidget *> controles = ColeccionControles::de(m_form);
    for (qint32 posicion = 0; posicion < controles.size(); ++posicion) {
        const QWidget *control = controles.at(posicion);
        const QString clave = control->objectName() + u'!' + IndiceControl(control);
        if (m_mapa->contains(clave)) {
            // What was mapped so far stays the map of this object.
            Mensajes::critico(m_form, u"NVLALotes"_s,
                              u"Esta clave ya está asociada a un elemento de esta colección.\n"_s +
                                  control->objectName() + IndiceControl(control));
            break;
        }
        m_mapa->insert(clave, posicion);
    }
    return *m_mapa;
}

void clsControlSeg::RegistrarControles()
{
    if (m_catalogoHecho)
        return;
    const QString formulario = formularioRequerido(m_form).objectName();
    QList<CatalogoControles::ControlCatalogo> controles;
    for (const QWidget *control : ColeccionControles::de(m_form))
        controles.append({control->objectName(), IndiceControl(control), OrdenTabulacion(control)});
    CatalogoControles::registrar(ContextoCompartido::conexionRequerida(), formulario, controles);
    // Only a registration that went through to the end is not repeated.
    m_catalogoHecho = true;
}

} // namespace NVLALotes

#include "MarcoManual.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/LectorGs1.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/values/Conversiones.h"

#include <QGroupBox>

using namespace Qt::StringLiterals;

namespace NVLALotes {

MarcoManual::MarcoManual(QWidget *ventana, const QRect &twips, Modo inicial)
    : QObject(ventana)
    , m_marco(Formulario::marco(ventana, u"frmNuevoLote"_s, u"Manual"_s, twips))
    , m_modo(inicial)
{}

kxTextBox *MarcoManual::caja(const QString &nombre, int maxLength, const QRect &twips)
{
    kxTextBox *caja = Formulario::cajaTexto(m_marco, nombre, maxLength, twips);
    connect(caja, &kxTextBox::FocoRecibido, this, [this] { m_modo = Modo::NuevoLote; });
    return caja;
}

kxMaskEdBox *MarcoManual::fecha(const QRect &twips)
{
    m_fecha = Formulario::cajaFecha(m_marco, twips);
    connect(m_fecha, &kxTextBox::FocoRecibido, this, [this] { m_modo = Modo::NuevoLote; });
    return m_fecha;
}

void MarcoManual::seleccionDesde(Rejilla *lista)
{
    connect(lista, &Rejilla::FocoRecibido, this, [this] { m_modo = Modo::Seleccion; });
}

void MarcoManual::cargar()
{
    if (m_etiquetas)
        LeerEtiquetasGs1(m_etiquetas, m_fecha);
}

QString MarcoManual::textoModo() const
{
    switch (m_modo) {
    case Modo::NuevoLote:
        return u"nuevo_lote"_s;
    case Modo::Seleccion:
        return u"seleccion_lote"_s;
    case Modo::Ninguno:
        break;
    }
    return {};
}

bool MarcoManual::comprobarFecha(bool obligatoria, const QString &mensaje)
{
    if (!obligatoria || EsFecha(textoFecha()))
        return true;
    Mensajes::Atencion(m_marco->window(), mensaje);
    m_fecha->setFocus(Qt::OtherFocusReason);
    return false;
}

QString MarcoManual::textoFecha() const
{
    return m_fecha->Valor();
}

QDate MarcoManual::fechaTecleada() const
{
    return FechaDeTexto(textoFecha());
}

} // namespace NVLALotes

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
    connect(caja, &kxTextBox::focoRecibido, this, [this] { m_modo = Modo::NuevoLote; });
    return caja;
}

kxMaskEdBox *MarcoManual::fecha(const QRect &twips)
{
    m_fecha = Formulario::cajaFecha(m_marco, twips);
    connect(m_fecha, &kxTextBox::focoRecibido, this, [this] { m_modo = Modo::NuevoLote; });
    return m_fecha;
}

void MarcoManual::seleccionDesde(Rejilla *lista)
{
    connect(lista, &Rejilla::focoRecibido, this, [this] { m_modo = Modo::Seleccion; });
}

void MarcoManual::cargar()
{
    if (m_etiquetas)
        NVLALotes::leerEtiquetasGs1(m_etiquetas, m_fecha);
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
    if (!obligatoria || esFecha(textoFecha()))
        return true;
    Mensajes::atencion(m_marco->window(), mensaje);
    m_fecha->setFocus(Qt::OtherFocusReason);
    return false;
}

QString MarcoManual::textoFecha() const
{
    return m_fecha->Valor();
}

QDate MarcoManual::fechaTecleada() const
{
    return fechaDeTexto(textoFecha());
}

} // namespace NVLALotes

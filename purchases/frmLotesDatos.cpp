#include "frmLotesDatos.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/values/Conversiones.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmLotesDatos::frmLotesDatos(QWidget *parent)
    : DialogoLotes(parent)
{
    setWindowTitle(u"Control de Lotes"_s);
}

frmLotesDatos::~frmLotesDatos() = default;

void frmLotesDatos::disenar(const QString &nombre, int anchoTwips, int altoTwips)
{
    setObjectName(nombre);
    fijarAreaSinAnclados(anchoTwips, altoTwips, false);
}

void frmLotesDatos::colocarFechaYBotones(const QRect &fechaTwips)
{
    txtCaducidad = Formulario::cajaFecha(this, fechaTwips);
    cmdAceptar = Formulario::boton(this, u"cmdAceptar"_s, u"&Aceptar"_s, {4020, 90, 1065, 360});
    cmdCancelar = Formulario::boton(this, u"cmdCancelar"_s, u"&Cancelar"_s, {4020, 510, 1065, 360});
    connect(cmdAceptar, &QAbstractButton::clicked, this, [this] { protegido(u"Aceptar"_s, [this] { aceptar(); }); });
    connect(cmdCancelar, &QAbstractButton::clicked, this, &frmLotesDatos::terminarCancelando);
}

void frmLotesDatos::cargarCaducidad(const QString &textoFecha)
{
    if (!textoFecha.isEmpty())
        txtCaducidad->setText(Formatos::instancia().FormatearFecha(textoFecha));
    txtCaducidad->setHabilitado(PedirCaducidad);
    if (!PedirCaducidad)
        txtCaducidad->setText(QString());
}

bool frmLotesDatos::aceptarCaducidad()
{
    if (!PedirCaducidad) {
        Caducidad = fechaNula();
        return true;
    }
    const QString valor = txtCaducidad->Valor();
    if (!esFecha(valor)) {
        Mensajes::atencion(this, u"Especifique la fecha de caducidad"_s);
        txtCaducidad->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const QDate fecha = fechaDeTexto(valor);
    // Returns (zero or negative units) may carry any date; stock coming in may not be expired.
    if (Unidades > Currency(0) && fecha < QDate::currentDate()) {
        Mensajes::atencion(this, u"La fecha de caducidad tiene que ser mayor a la fecha actual"_s);
        txtCaducidad->setFocus(Qt::OtherFocusReason);
        return false;
    }
    Caducidad = fecha;
    return true;
}

} // namespace NVLALotes

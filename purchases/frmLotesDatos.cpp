#include "frmLotesDatos.h"

#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Twips.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/host/Formatos.h"
#include "foundation/values/Conversiones.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmLotesDatos::frmLotesDatos(QWidget *parent)
    : DialogoLotes(parent)
{
    setWindowTitle(u"Control de Lotes"_s);
}

QLabel *frmLotesDatos::etiqueta(const QString &nombre, const QString &texto, const QRect &twips)
{
    auto *label = new QLabel(texto, this);
    label->setObjectName(nombre);
    Twips::colocar(label, twips.x(), twips.y(), twips.width(), twips.height());
    return label;
}

kxTextBox *frmLotesDatos::cajaTexto(const QString &nombre, int maxLength, const QRect &twips)
{
    auto *caja = new kxTextBox(this);
    caja->setObjectName(nombre);
    caja->setMaxLength(maxLength);
    Twips::colocar(caja, twips.x(), twips.y(), twips.width(), twips.height());
    return caja;
}

kxMaskEdBox *frmLotesDatos::cajaFecha(const QRect &twips)
{
    txtCaducidad = new kxMaskEdBox(this);
    txtCaducidad->setObjectName(u"txtCaducidad"_s);
    Twips::colocar(txtCaducidad, twips.x(), twips.y(), twips.width(), twips.height());
    return txtCaducidad;
}

void frmLotesDatos::colocarBotones()
{
    cmdAceptar = new PushButton(u"&Aceptar"_s, this);
    cmdAceptar->setObjectName(u"cmdAceptar"_s);
    Twips::colocar(cmdAceptar, 4020, 90, 1065, 360);
    cmdCancelar = new PushButton(u"&Cancelar"_s, this);
    cmdCancelar->setObjectName(u"cmdCancelar"_s);
    Twips::colocar(cmdCancelar, 4020, 510, 1065, 360);
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
        Caducidad = FechaNula();
        return true;
    }
    const QString valor = txtCaducidad->Valor();
    if (!EsFecha(valor)) {
        Mensajes::Atencion(this, u"Especifique la fecha de caducidad"_s);
        txtCaducidad->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const QDate fecha = FechaDeTexto(valor);
    // Returns (zero or negative units) may carry any date; stock coming in may not be expired.
    if (Unidades > Currency(0) && fecha < QDate::currentDate()) {
        Mensajes::Atencion(this, u"La fecha de caducidad tiene que ser mayor a la fecha actual"_s);
        txtCaducidad->setFocus(Qt::OtherFocusReason);
        return false;
    }
    Caducidad = fecha;
    return true;
}

} // namespace NVLALotes

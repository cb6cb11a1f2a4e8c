#include "frmLotesDatos2.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/values/Conversiones.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmLotesDatos2::frmLotesDatos2(QWidget *parent)
    : frmLotesDatos(parent)
{
    disenar(u"frmLotesDatos2"_s, 5250, 1410);
    Formulario::etiqueta(this, u"lblCaducidad"_s, u"Caducidad:"_s, {90, 165, 810, 195});
    colocarFechaYBotones({945, 120, 1320, 300});
    Formulario::etiqueta(this, u"lblTono"_s, u"Tono:"_s, {90, 600, 420, 195});
    txtTono = Formulario::cajaTexto(this, u"txtTono"_s, 20, {945, 540, 2880, 300});
    Formulario::etiqueta(this, u"lblCalibre"_s, u"Calibre:"_s, {90, 1035, 525, 195});
    txtCalibre = Formulario::cajaTexto(this, u"txtCalibre"_s, 20, {945, 975, 2880, 300});
    Formulario::ordenTabulacion({txtCaducidad, txtTono, txtCalibre, cmdAceptar, cmdCancelar});
}

void frmLotesDatos2::Cargar()
{
    txtTono->setText(Tono);
    txtCalibre->setText(Calibre);
    // Unlike the lot-code dialog, the stored expiry shows whatever it is, the null date included.
    cargarCaducidad(textoDeFecha(Caducidad));
    if (PedirCaducidad)
        txtCaducidad->setFocus(Qt::OtherFocusReason);
    else
        txtTono->setFocus(Qt::OtherFocusReason);
}

void frmLotesDatos2::aceptar()
{
    if (!aceptarCaducidad())
        return;
    if (txtTono->text().isEmpty() && txtCalibre->text().isEmpty()) {
        Mensajes::atencion(this, u"Debe especificar Tono y/o Calibre"_s);
        return;
    }
    Lote.clear();
    Tono = txtTono->text();
    Calibre = txtCalibre->text();
    terminarAceptando();
}

} // namespace NVLALotes

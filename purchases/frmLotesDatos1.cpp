#include "frmLotesDatos1.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/LectorGs1.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmLotesDatos1::frmLotesDatos1(QWidget *parent)
    : frmLotesDatos(parent)
{
    disenar(u"frmLotesDatos1"_s, 5250, 975);
    Formulario::etiqueta(this, u"Label1"_s, u"Lote:"_s, {90, 180, 360, 195});
    txtLote = Formulario::cajaTexto(this, u"txtLote"_s, 15, {945, 120, 2880, 300});
    Formulario::etiqueta(this, u"Label2"_s, u"Caducidad:"_s, {90, 600, 810, 195});
    colocarFechaYBotones({945, 540, 1320, 300});
    Formulario::ordenTabulacion({txtLote, txtCaducidad, cmdAceptar, cmdCancelar});
}

void frmLotesDatos1::Cargar()
{
    txtLote->setText(Lote);
    // The null date and dates of no real lot (up to 01/01/2000) show an empty box.
    cargarCaducidad(Caducidad > QDate(2000, 1, 1) ? textoDeFecha(Caducidad) : QString());
    leerEtiquetasGs1(txtLote, txtCaducidad);
    txtLote->setFocus(Qt::OtherFocusReason);
}

void frmLotesDatos1::aceptar()
{
    const bool loteObligatorio = valorBooleano(
        ContextoCompartido::empresaRequerida().LeerParametro(u"Lotes_NroObligatorio"_s), u"frmLotesDatos1"_s);
    // Only the empty text is refused: blanks are a lot code the host accepts.
    if (loteObligatorio && txtLote->text().isEmpty()) {
        Mensajes::atencion(this, u"Especifique el código de lote"_s);
        txtLote->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!aceptarCaducidad())
        return;
    Lote = txtLote->text();
    terminarAceptando();
}

} // namespace NVLALotes

#include "frmInventarioLotes.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Teclado.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/values/Conversiones.h"

#include <QGroupBox>

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmInventarioLotes::frmInventarioLotes(const Diseno &diseno, const QRect &marcoTwips, QWidget *parent)
    : DialogoListaLotes(diseno, parent)
{
    crearMarcoManual(marcoTwips, MarcoManual::Modo::Ninguno);
    lista->fijarSalidaArriba([](int fila) { return fila == 1; });
    // Enter in the list accepts its current row.
    connect(lista, &ListaLotes::Intro, cmdAceptar, &QAbstractButton::click);
}

frmInventarioLotes::~frmInventarioLotes() = default;

QString frmInventarioLotes::modo() const
{
    return manual->textoModo();
}

QLabel *frmInventarioLotes::crearFecha(const QRect &etiquetaTwips, const QRect &cajaTwips)
{
    QLabel *etiqueta = Formulario::etiqueta(manual->marco(), u"lblCaducidad"_s, u"Caducidad:"_s, etiquetaTwips);
    txtCaducidad = manual->fecha(cajaTwips);
    connect(txtCaducidad, &kxTextBox::TeclaAbajo, this, [](int tecla) {
        if (tecla == CodigosTecla::FlechaAbajo)
            Teclado::instancia().FocoSiguiente();
    });
    return etiqueta;
}

kxTextBox *frmInventarioLotes::crearCaja(const QString &nombre, int maxLength, const QRect &twips)
{
    kxTextBox *caja = manual->caja(nombre, maxLength, twips);
    caja->keyUpChangeFocus = true;
    return caja;
}

void frmInventarioLotes::antesDeCargar()
{
    txtCaducidad->setHabilitado(ControlCaducidad);
}

std::optional<QString> frmInventarioLotes::textoCaducidadTecleada()
{
    if (!manual->comprobarFecha(ControlCaducidad, u"La caducidad del lote es obligatoria."_s))
        return std::nullopt;
    const QString valor = manual->textoFecha();
    return EsFecha(valor) ? valor : u"01/01/1900"_s;
}

qint32 frmInventarioLotes::claveTecleada(const QList<ReglasStockLotes::CeldaTecleada> &celdas) const
{
    const int fila = lista->filaTecleada(celdas);
    return fila > 0 ? lista->claveDeFila(fila) : 0;
}

} // namespace NVLALotes

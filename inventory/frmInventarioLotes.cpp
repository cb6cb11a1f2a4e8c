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
    m_lista->fijarSalidaArriba([](int fila) { return fila == 1; });
    // Enter in the list accepts its current row.
    connect(m_lista, &ListaLotes::intro, cmdAceptar, &QAbstractButton::click);
}

frmInventarioLotes::~frmInventarioLotes() = default;

QString frmInventarioLotes::modo() const
{
    return m_manual->textoModo();
}

QLabel *frmInventarioLotes::crearFecha(const QRect &etiquetaTwips, const QRect &cajaTwips)
{
    QLabel *etiqueta = Formulario::etiqueta(m_manual->marco(), u"lblCaducidad"_s, u"Caducidad:"_s, etiquetaTwips);
    txtCaducidad = m_manual->fecha(cajaTwips);
    connect(txtCaducidad, &kxTextBox::teclaAbajo, this, [](int tecla) {
        if (tecla == CodigosTecla::FlechaAbajo)
            Teclado::instancia().FocoSiguiente();
    });
    return etiqueta;
}

kxTextBox *frmInventarioLotes::crearCaja(const QString &nombre, int maxLength, const QRect &twips)
{
    kxTextBox *caja = m_manual->caja(nombre, maxLength, twips);
    caja->keyUpChangeFocus = true;
    return caja;
}

void frmInventarioLotes::antesDeCargar()
{
    txtCaducidad->setHabilitado(ControlCaducidad);
}

std::optional<QString> frmInventarioLotes::textoCaducidadTecleada()
{
    if (!m_manual->comprobarFecha(ControlCaducidad, u"La caducidad del lote es obligatoria."_s))
        return std::nullopt;
    const QString valor = m_manual->textoFecha();
    return esFecha(valor) ? valor : u"01/01/1900"_s;
}

qint32 frmInventarioLotes::claveTecleada(const QList<ReglasStockLotes::CeldaTecleada> &celdas) const
{
    const int fila = m_lista->filaTecleada(celdas);
    return fila > 0 ? m_lista->claveDeFila(fila) : 0;
}

} // namespace NVLALotes

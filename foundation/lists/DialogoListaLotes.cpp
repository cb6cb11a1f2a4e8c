#include "DialogoListaLotes.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxTextBox.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

DialogoListaLotes::DialogoListaLotes(const Diseno &diseno, QWidget *parent)
    : DialogoLotes(parent)
{
    setObjectName(diseno.nombre);
    setWindowTitle(diseno.titulo);
    // Fitted to screens smaller than the one it was laid out for.
    fijarAreaSinAnclados(diseno.areaCliente.width(), diseno.areaCliente.height(), true);

    m_lista = new ListaLotes(this, diseno.lista);
    vsLotes = m_lista->rejilla();
    cmdAceptar = Formulario::boton(this, u"cmdAceptar"_s, u"&Aceptar"_s, diseno.aceptar);
    connect(cmdAceptar, &QAbstractButton::clicked, this, [this] { protegido(u"Aceptar"_s, [this] { aceptar(); }); });
    cmdCancelar = Formulario::boton(this, u"cmdCancelar"_s, u"&Cancelar"_s, diseno.cancelar);
    connect(cmdCancelar, &QAbstractButton::clicked, this, &DialogoListaLotes::terminarCancelando);
}

DialogoListaLotes::~DialogoListaLotes() = default;

MarcoManual *DialogoListaLotes::crearMarcoManual(const QRect &twips, MarcoManual::Modo inicial)
{
    m_manual = new MarcoManual(this, twips, inicial);
    m_manual->seleccionDesde(vsLotes);
    return m_manual;
}

void DialogoListaLotes::introLlevaAAceptar(kxTextBox *caja, std::function<bool()> cuando)
{
    connect(caja, &kxTextBox::teclaPulsada, this, [this, cuando = std::move(cuando)](int caracter) {
        if (caracter == CodigosTecla::Intro && (!cuando || cuando()))
            cmdAceptar->setFocus(Qt::OtherFocusReason);
    });
}

QWidget *DialogoListaLotes::controlInicial() const
{
    return vsLotes;
}

void DialogoListaLotes::Cargar()
{
    antesDeCargar();
    m_lista->preparar();
    if (conFilaAutomatica())
        m_lista->agregarFilaAutomatica();
    m_lista->llenar(consulta(),
                    [this](const Registros &registro, FilaOrigen &fila) { filaDeRegistro(registro, fila); });
    m_lista->elegirPrimeraFila();
    if (m_manual)
        m_manual->cargar();
    controlInicial()->setFocus(Qt::OtherFocusReason);
}

void DialogoListaLotes::aceptar()
{
    switch (m_manual ? m_manual->modo() : MarcoManual::Modo::Seleccion) {
    case MarcoManual::Modo::NuevoLote:
        aceptarManual();
        break;
    case MarcoManual::Modo::Seleccion:
        aceptarDesdeLista();
        break;
    case MarcoManual::Modo::Ninguno:
        // No control has had the focus yet: nothing says what to take.
        break;
    }
}

void DialogoListaLotes::aceptarDesdeLista()
{
    const int fila = vsLotes->row();
    if (fila <= 0)
        return;
    if (m_lista->esFilaAutomatica(fila)) {
        const int elegida = filaAutomatica();
        if (elegida < 0) {
            sinFilaAutomatica();
            return;
        }
        tomarFila(elegida);
        return;
    }
    if (m_lista->bloqueada(fila)) {
        Mensajes::atencion(this, u"El lote seleccionado está bloqueado."_s);
        return;
    }
    if (comprobarStock() && m_lista->stockMostrado(fila) < Unidades) {
        Mensajes::atencion(this, u"El lote seleccionado no tiene stock suficiente"_s);
        return;
    }
    if (admitirFila(fila))
        tomarFila(fila);
}

int DialogoListaLotes::filaAutomatica() const
{
    return m_lista->eleccionAutomatica(Unidades);
}

void DialogoListaLotes::sinFilaAutomatica()
{
    Mensajes::atencion(this, u"No existe un lote con stock suficiente"_s);
}

void DialogoListaLotes::terminarConLote(qint32 clave, const QString &lote, const QDate &caducidad, const QString &tono,
                                        const QString &calibre)
{
    Cod_Lote = clave;
    Lote = lote;
    Caducidad = caducidad;
    Tono = tono;
    Calibre = calibre;
    terminarAceptando();
}

} // namespace NVLALotes

#include "DialogoListaLotes.h"

#include "foundation/controls/CodigosTecla.h"
#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxTextBox.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

DialogoListaLotes::DialogoListaLotes(const Diseno &diseno, QWidget *parent)
    : VentanaListaLotes(parent)
{
    setObjectName(diseno.nombre);
    setWindowTitle(diseno.titulo);
    // Fitted to screens smaller than the one it was laid out for.
    fijarAreaSinAnclados(diseno.areaCliente.width(), diseno.areaCliente.height(), true);

    crearLista(diseno.lista);
    cmdAceptar = Formulario::boton(this, u"cmdAceptar"_s, u"&Aceptar"_s, diseno.aceptar);
    connect(cmdAceptar, &QAbstractButton::clicked, this, [this] { protegido(u"Aceptar"_s, [this] { aceptar(); }); });
    cmdCancelar = Formulario::boton(this, u"cmdCancelar"_s, u"&Cancelar"_s, diseno.cancelar);
    connect(cmdCancelar, &QAbstractButton::clicked, this, &DialogoListaLotes::terminarCancelando);
}

DialogoListaLotes::~DialogoListaLotes() = default;

MarcoManual *DialogoListaLotes::crearMarcoManual(const QRect &twips, MarcoManual::Modo inicial)
{
    manual = new MarcoManual(this, twips, inicial);
    manual->seleccionDesde(vsLotes);
    return manual;
}

void DialogoListaLotes::introLlevaAAceptar(kxTextBox *caja, std::function<bool()> cuando)
{
    connect(caja, &kxTextBox::TeclaPulsada, this, [this, cuando = std::move(cuando)](int caracter) {
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
    lista->preparar();
    if (conFilaAutomatica())
        lista->agregarFilaAutomatica();
    lista->llenar(consulta(), [this](const Registros &registro) { return filaDeRegistro(registro); });
    lista->elegirPrimeraFila();
    if (manual)
        manual->cargar();
    controlInicial()->setFocus(Qt::OtherFocusReason);
}

void DialogoListaLotes::aceptar()
{
    switch (manual ? manual->modo() : MarcoManual::Modo::Seleccion) {
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
    const int fila = vsLotes->Row();
    if (fila <= 0)
        return;
    if (lista->esFilaAutomatica(fila)) {
        const int elegida = lista->eleccionAutomatica(Unidades);
        if (elegida < 0) {
            Mensajes::Atencion(this, u"No existe un lote con stock suficiente"_s);
            return;
        }
        tomarFila(elegida);
        return;
    }
    if (lista->bloqueada(fila)) {
        Mensajes::Atencion(this, u"El lote seleccionado está bloqueado."_s);
        return;
    }
    if (comprobarStock() && lista->stockMostrado(fila) < Unidades) {
        Mensajes::Atencion(this, u"El lote seleccionado no tiene stock suficiente"_s);
        return;
    }
    tomarFila(fila);
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

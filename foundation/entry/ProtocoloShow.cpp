#include "ProtocoloShow.h"

#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QWindow>

#include <cmath>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

QString textoDelModelo()
{
    return ContextoCompartido::empresaRequerida().LeerParametro(u"Lotes_ModeloUsar"_s).toString();
}

int modeloDeTexto(const QString &texto)
{
    const double modelo = valorNumerico(texto);
    // 2.5 is no model: only whole values 1 to 4 pick a dialog.
    return modelo == std::trunc(modelo) && std::abs(modelo) < 1000 ? int(modelo) : 0;
}

// The dialog has one owner, the Show that created it: it is no Qt child of the
// host's window, which the host may delete while the dialog runs. It stays over
// that window as its transient child, and a window that goes ends it as a
// cancel.
void atarAlPropietario(VentanaLotes &ventana, QWidget *owner)
{
    if (!owner)
        return;
    if (QWindow *superior = owner->window()->windowHandle()) {
        ventana.winId();
        ventana.windowHandle()->setTransientParent(superior);
    }
    QObject::connect(owner, &QObject::destroyed, &ventana, &QDialog::reject);
}

void mostrar(VentanaLotes &ventana, qint16 modal)
{
    if (modal == 1) {
        ventana.exec();
        return;
    }
    // A modeless show cannot wait for the user: the window closes again at once.
    ventana.show();
    ventana.close();
}

} // namespace

int leerModeloLotes()
{
    return modeloDeTexto(textoDelModelo());
}

void ejecutarShow(const QString &clase, qint16 modal, QWidget *owner, bool *result,
                  const std::function<PlanModelo(int)> &planDelModelo)
{
    const QString origen = clase + u".Show"_s;
    const QString textoModelo = textoDelModelo();
    const PlanModelo plan = planDelModelo(modeloDeTexto(textoModelo));
    if (plan.m_responder) {
        plan.m_responder();
        return;
    }
    if (!plan.m_crear)
        throw ErrorLotes(
            NumeroError::ModeloLotesNoValido,
            u"El modelo de lotes \"%1\" (Lotes_ModeloUsar) no es válido: debe ser 1, 2, 3 o 4."_s.arg(textoModelo),
            origen);
    // Modal only matters to a show: a model without a dialog has answered above.
    if (modal != 0 && modal != 1)
        throw ErrorLotes(NumeroError::LlamadaNoValida, u"Valor de Modal no válido: %1 (debe ser 0 o 1)."_s.arg(modal),
                         origen);

    const std::unique_ptr<VentanaLotes> ventana = plan.m_crear();
    atarAlPropietario(*ventana, owner);
    plan.m_copiarEntrada(*ventana);
    ventana->Cargar();
    mostrar(*ventana, modal);
    if (!plan.m_resultado)
        return;
    const bool aceptado = plan.m_resultado(*ventana);
    if (aceptado)
        plan.m_copiarSalida(*ventana);
    if (result)
        *result = aceptado;
}

} // namespace NVLALotes

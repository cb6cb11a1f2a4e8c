#pragma once

#include "foundation/entry/CopiaCampos.h"
#include "foundation/entry/DialogoLotes.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace NVLALotes {

// What an entry class does under one lot model: answer at once, open a dialog
// (created fresh, fields copied in, outputs copied back only on Result True),
// open a window that returns nothing (fields copied in only), or fail because
// the model has no dialog.
class PlanModelo
{
public:
    static PlanModelo fallo() { return {}; }

    static PlanModelo inmediato(std::function<void()> responder)
    {
        PlanModelo plan;
        plan.m_responder = std::move(responder);
        return plan;
    }

    // `entrada`: the fields set in the dialog before it loads; `salida`: the
    // fields the class takes back on Result True, chosen when they are copied.
    template<class Dialogo, class Clase>
    static PlanModelo dialogo(Clase &clase, Campos entrada, std::function<Campos()> salida)
    {
        PlanModelo plan = ventana<Dialogo>(clase, std::move(entrada));
        plan.m_resultado = [](const VentanaLotes &v) {
            const auto &dialogo = static_cast<const DialogoLotes &>(v);
            // A load that failed while the dialog was open fails the Show: nothing comes back.
            dialogo.comprobarCarga();
            return dialogo.Result;
        };
        plan.m_copiarSalida = [&clase, salida = std::move(salida)](VentanaLotes &v) {
            CopiaCampos::aClase(v, Clase::staticMetaObject, &clase, salida());
        };
        return plan;
    }
    template<class Dialogo, class Clase> static PlanModelo dialogo(Clase &clase, Campos entrada, Campos salida)
    {
        return dialogo<Dialogo>(clase, std::move(entrada), [salida = std::move(salida)] { return salida; });
    }

    // A window that only shows: the class's `entrada` fields are set in it
    // before it loads, and nothing comes back.
    template<class Ventana, class Clase> static PlanModelo ventana(const Clase &clase, Campos entrada)
    {
        PlanModelo plan;
        plan.m_crear = [] { return std::unique_ptr<VentanaLotes>(std::make_unique<Ventana>()); };
        plan.m_copiarEntrada = [&clase, entrada = std::move(entrada)](VentanaLotes &v) {
            CopiaCampos::aDialogo(Clase::staticMetaObject, &clase, v, entrada);
        };
        return plan;
    }

private:
    friend void ejecutarShow(const QString &clase, qint16 modal, QWidget *owner, bool *result,
                             const std::function<PlanModelo(int modelo)> &planDelModelo);

    std::function<void()> m_responder;
    std::function<std::unique_ptr<VentanaLotes>()> m_crear;
    std::function<void(VentanaLotes &)> m_copiarEntrada;
    // A dialog's Result, and the copy of its outputs; none for a window.
    std::function<bool(const VentanaLotes &)> m_resultado;
    std::function<void(VentanaLotes &)> m_copiarSalida;
};

// The lot model of the installation: numeric value of "Lotes_ModeloUsar".
int leerModeloLotes();

// The one Show of every entry class: reads the lot model, asks the class for
// its plan, and runs it. `result` is the class's Result field, null for a class
// that has none. A plan that answers at once ignores Modal; an unknown model,
// or a Modal other than 0 or 1 for a window, throws ErrorLotes before any
// field changes.
void ejecutarShow(const QString &clase, qint16 modal, QWidget *owner, bool *result,
                  const std::function<PlanModelo(int modelo)> &planDelModelo);
inline void ejecutarShow(const QString &clase, qint16 modal, QWidget *owner, bool &result,
                         const std::function<PlanModelo(int modelo)> &planDelModelo)
{
    ejecutarShow(clase, modal, owner, &result, planDelModelo);
}

} // namespace NVLALotes

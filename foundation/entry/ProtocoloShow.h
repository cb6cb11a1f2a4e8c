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
// or fail because the model has no dialog.
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
        PlanModelo plan;
        plan.m_crear = [] { return std::unique_ptr<DialogoLotes>(std::make_unique<Dialogo>()); };
        plan.m_copiarEntrada = [&clase, entrada = std::move(entrada)](DialogoLotes &d) {
            CopiaCampos::aDialogo(Clase::staticMetaObject, &clase, d, entrada);
        };
        plan.m_copiarSalida = [&clase, salida = std::move(salida)](DialogoLotes &d) {
            CopiaCampos::aClase(d, Clase::staticMetaObject, &clase, salida());
        };
        return plan;
    }
    template<class Dialogo, class Clase> static PlanModelo dialogo(Clase &clase, Campos entrada, Campos salida)
    {
        return dialogo<Dialogo>(clase, std::move(entrada), [salida = std::move(salida)] { return salida; });
    }

private:
    friend void EjecutarShow(const QString &clase, qint16 modal, QWidget *owner, bool &result,
                             const std::function<PlanModelo(int modelo)> &planDelModelo);

    std::function<void()> m_responder;
    std::function<std::unique_ptr<DialogoLotes>()> m_crear;
    std::function<void(DialogoLotes &)> m_copiarEntrada;
    std::function<void(DialogoLotes &)> m_copiarSalida;
};

// The lot model of the installation: numeric value of "Lotes_ModeloUsar".
int LeerModeloLotes();

// The one Show of every entry class: reads the lot model, asks the class for
// its plan, and runs it. `Result` is the class's field. A plan that answers at
// once ignores Modal; an unknown model, or a Modal other than 0 or 1 for a
// dialog, throws ErrorLotes before any field changes.
void EjecutarShow(const QString &clase, qint16 modal, QWidget *owner, bool &result,
                  const std::function<PlanModelo(int modelo)> &planDelModelo);

} // namespace NVLALotes

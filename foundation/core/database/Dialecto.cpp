#include "Dialecto.h"

#include "foundation/core/database/PuntosGuardado.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

Dialecto::~Dialecto() = default;

QStringList Dialecto::sentenciasTransaccion(PasoTransaccion paso, int nivel) const
{
    const QString punto = u"nvla_%1"_s.arg(nivel);
    switch (paso) {
    case PasoTransaccion::Iniciar:
        return {nivel == 0 ? u"BEGIN TRANSACTION"_s : u"SAVE TRANSACTION "_s + punto};
    case PasoTransaccion::Confirmar:
        // A savepoint of SQL Server needs no release: the outer commit keeps it.
        return nivel == 0 ? QStringList{u"COMMIT TRANSACTION"_s} : QStringList{};
    case PasoTransaccion::Deshacer:
        return {nivel == 0 ? u"ROLLBACK TRANSACTION"_s : u"ROLLBACK TRANSACTION "_s + punto};
    }
    return {};
}

QStringList sentenciasConPuntosGuardado(PasoTransaccion paso, int nivel, const QString &iniciar)
{
    const QString punto = u"nvla_%1"_s.arg(nivel);
    switch (paso) {
    case PasoTransaccion::Iniciar:
        return {nivel == 0 ? iniciar : u"SAVEPOINT "_s + punto};
    case PasoTransaccion::Confirmar:
        return {nivel == 0 ? u"COMMIT"_s : u"RELEASE SAVEPOINT "_s + punto};
    case PasoTransaccion::Deshacer:
        if (nivel == 0)
            return {u"ROLLBACK"_s};
        return {u"ROLLBACK TO SAVEPOINT "_s + punto, u"RELEASE SAVEPOINT "_s + punto};
    }
    return {};
}

} // namespace NVLALotes

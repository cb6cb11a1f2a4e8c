#include "RegistroComponentes.h"

#include "foundation/core/values/ErrorLotes.h"

#include <QHash>

#include <array>

using namespace Qt::StringLiterals;

namespace NVLALotes::Registro {

namespace {

struct IdentidadClase
{
    const char *nombre;  // The class name, such as "frmclsLotesCompras".
    const char *claseId; // Its class identifier.
};

constexpr std::array<IdentidadClase, 7> Tabla{{
    {"frmclsLotesCompras", "467AEFB2-B541-4C0C-A141-D5C6100B49CA"},
    {"frmclsLotesFacturacion", "C23CE54A-753C-4E21-AD0B-C74F3B2A027B"},
    {"frmclsLotesRegularizar", "E26860AB-5344-4968-8087-82426FB6941D"},
    {"frmclsLotesInventario", "12334DD8-5591-4A7B-88B4-6089E806B7E9"},
    {"frmclsLotesTraspaso", "0220F91A-BDC4-425B-BCB0-6416F104DACA"},
    {"frmclsLotesStock", "77D87724-49C3-4C41-B8F1-5276F41C0B30"},
    {"frmclsLotesEtiquetas", "67FBB65C-B941-48D2-8C81-77490694EBB5"},
}};

// The classes this build carries, by class identifier. Filled while the
// library loads, so it is made on first use rather than as a static of its own,
// whose turn among the subsystems' statics would be unknown.
QHash<QString, Fabrica> &fabricas()
{
    static QHash<QString, Fabrica> porClaseId;
    return porClaseId;
}

const IdentidadClase *buscar(const QString &claseIdONombre)
{
    QString clave = claseIdONombre.trimmed();
    if (clave.startsWith(u'{') && clave.endsWith(u'}'))
        clave = clave.mid(1, clave.size() - 2);
    for (const IdentidadClase &identidad : Tabla) {
        if (clave.compare(QLatin1String(identidad.claseId), Qt::CaseInsensitive) == 0 ||
            clave.compare(QLatin1String(identidad.nombre), Qt::CaseInsensitive) == 0)
            return &identidad;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<ClaseEntradaLotes> crearClase(const QString &claseIdONombre)
{
    const QString origen = u"NVLALotes.Registro"_s;
    const IdentidadClase *identidad = buscar(claseIdONombre);
    if (!identidad)
        throw ErrorLotes(
            NumeroError::ClaseNoDisponible,
            u"No existe ninguna clase registrada con el identificador o nombre \"%1\"."_s.arg(claseIdONombre), origen);
    const Fabrica fabrica = fabricas().value(QLatin1String(identidad->claseId));
    if (!fabrica)
        throw ErrorLotes(
            NumeroError::ClaseNoDisponible,
            u"La clase %1 no está disponible en esta versión de la librería."_s.arg(QLatin1String(identidad->nombre)),
            origen);
    return fabrica();
}

Alta::Alta(const char *claseId, Fabrica fabrica)
{
    fabricas().emplace(QLatin1String(claseId), std::move(fabrica));
}

} // namespace NVLALotes::Registro

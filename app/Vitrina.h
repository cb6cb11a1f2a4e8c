#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace NVLALotes {
class ClaseEntradaLotes;
class Conexion;
} // namespace NVLALotes

// Every dialog and window of the library, opened on the demo data the way a
// host opens it. The README's pictures (nvla-capturas) and the test that every
// caption shows whole walk the same rows, so a new window adds one row here.
namespace NVLALotes::Vitrina {

struct Ventana
{
    // The window's objectName; its picture is docs/<nombre>.png.
    QString nombre;
    // The class a host creates to open it, as the README names it.
    QString abiertaPor;
    // Opens it on the demo database behind the connection and returns once it
    // has been closed again (a modal show does that by itself).
    std::function<void(const std::shared_ptr<Conexion> &conexion)> abrir;
};

const QList<Ventana> &ventanas();

// What an entry-class row does: the demo company under lot model `modelo`, the
// connection, and a modal Show.
void mostrarClase(ClaseEntradaLotes &clase, int modelo, const std::shared_ptr<Conexion> &conexion);

} // namespace NVLALotes::Vitrina

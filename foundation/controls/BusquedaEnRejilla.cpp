#include "BusquedaEnRejilla.h"

#include "foundation/controls/ModeloRejilla.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QElapsedTimer>

namespace NVLALotes {

BusquedaEnRejilla::BusquedaEnRejilla(Rejilla *rejilla, std::function<bool(int fila)> esBuscable)
    : QObject(rejilla)
    , m_rejilla(rejilla)
    , m_esBuscable(std::move(esBuscable))
{
    QElapsedTimer reloj;
    reloj.start();
    m_reloj = [reloj] { return reloj.elapsed(); };
    connect(rejilla, &Rejilla::teclaPulsada, this, [this](int caracter) { teclear(QChar(caracter)); });
}

void BusquedaEnRejilla::teclear(QChar caracter)
{
    if (m_columna < 0)
        return;
    const QString buscado = m_tecleado.agregar(caracter, m_reloj());
    if (buscado.isEmpty())
        return;
    const ModeloRejilla &modelo = *m_rejilla->modelo();
    int encontrada = -1;
    QString formateado;
    try {
        encontrada = m_rejilla->buscarFila(1, [&](int fila) {
            return m_esBuscable(fila) &&
                   modelo.vista(fila, m_columna, formateado).startsWith(buscado, Qt::CaseInsensitive);
        });
    } catch (const ErrorLotes &) {
        // A key press cannot carry an error: the list that failed to read
        // has told its window, and the search stops.
        return;
    }
    if (encontrada > 0)
        m_rejilla->setRow(encontrada);
}

} // namespace NVLALotes

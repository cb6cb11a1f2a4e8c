#include "ModeloRejilla.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QScopedValueRollback>

#include <utility>

// How the grid's table takes its rows from a source: as the views scroll, or
// as code asks for rows by number.
namespace NVLALotes {

void ModeloRejilla::fijarOrigen(OrigenFilas origen, std::function<void()> alAcabar)
{
    m_origen = std::move(origen);
    m_alAcabar = std::move(alAcabar);
}

void ModeloRejilla::leerDelOrigen(int cuantas)
{
    if (m_leyendo)
        return;
    bool acabado = false;
    {
        const QScopedValueRollback<bool> leyendo(m_leyendo, true);
        const int antes = int(m_filas.size());
        try {
            FilaOrigen fila;
            for (int leidas = 0; m_origen && leidas < cuantas && !acabado; ++leidas) {
                acabado = !m_origen(fila);
                if (!acabado)
                    anexar(fila);
            }
        } catch (...) {
            // The rows read before the error are shown like any other: no rule
            // may use a row the clerk cannot see.
            fijarOrigen({});
            publicarDesde(antes);
            throw;
        }
        publicarDesde(antes);
    }
    if (acabado) {
        // What follows the source's rows (a total, say) comes once they are all in.
        const std::function<void()> alAcabar = std::exchange(m_alAcabar, {});
        m_origen = {};
        if (alAcabar)
            alAcabar();
    }
}

void ModeloRejilla::fijarLecturaEnBloque(bool enBloque)
{
    m_enBloque = enBloque;
    if (enBloque)
        return;
    // Shown as a read: a view that asks for more on seeing them waits for its next turn.
    const QScopedValueRollback<bool> leyendo(m_leyendo, true);
    publicarDesde(m_publicadas);
}

void ModeloRejilla::publicarDesde(int antes)
{
    const int despues = int(m_filas.size());
    if (!m_redibujar || m_enBloque || despues == antes || m_publicadas != antes)
        return;
    beginInsertRows({}, antes, despues - 1);
    m_publicadas = despues;
    endInsertRows();
}

bool ModeloRejilla::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && quedanFilasPorLeer();
}

void ModeloRejilla::fetchMore(const QModelIndex &parent)
{
    constexpr int FilasPorLectura = 1000;
    if (parent.isValid())
        return;
    try {
        leerDelOrigen(FilasPorLectura);
    } catch (const ErrorLotes &error) {
        Q_EMIT errorDeLectura(error.Description());
    } catch (const std::exception &error) {
        Q_EMIT errorDeLectura(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace NVLALotes

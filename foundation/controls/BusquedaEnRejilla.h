#pragma once

#include "foundation/controls/BusquedaTeclada.h"

#include <nvlalotes/nvlalotes_export.h>

#include <QObject>

#include <functional>

namespace NVLALotes {

class Rejilla;

// Typing in a grid moves its current row to the first row the owner counts
// as searchable whose text in the search column starts with what was typed
// (case aside), reading on through rows of a long list not read yet. A text
// that matches nothing leaves the row where it is.
class NVLA_EXPORT BusquedaEnRejilla : public QObject
{
    Q_OBJECT

public:
    BusquedaEnRejilla(Rejilla *rejilla, std::function<bool(int fila)> esBuscable);

    // The column searched; below 0 typing searches nothing.
    void fijarColumna(int columna) { m_columna = columna; }
    // The clock the typing pauses are measured on (milliseconds, steady).
    void fijarReloj(std::function<qint64()> reloj) { m_reloj = std::move(reloj); }

private:
    void teclear(QChar caracter);

    Rejilla *m_rejilla;
    std::function<bool(int)> m_esBuscable;
    int m_columna = -1;
    BusquedaTeclada m_tecleado;
    std::function<qint64()> m_reloj;
};

} // namespace NVLALotes

#include "BusquedaTeclada.h"

namespace NVLALotes {

QString BusquedaTeclada::agregar(QChar caracter, qint64 ahoraMs)
{
    if (ahoraMs - m_ultimaMs > PausaMs)
        m_texto.clear();
    const bool sigue = !m_texto.isEmpty() && caracter == u' ';
    if (!sigue && (!caracter.isPrint() || caracter.isSpace()))
        return {};
    m_ultimaMs = ahoraMs;
    m_texto += caracter;
    return m_texto;
}

} // namespace NVLALotes

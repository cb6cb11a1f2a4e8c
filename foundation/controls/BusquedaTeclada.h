#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QString>

#include <limits>

namespace NVLALotes {

// What the clerk has typed into a list to find a row: characters that come
// within a second of each other add up, a longer pause starts anew. Letters,
// digits and signs start a search; a blank only goes on with one, since lot
// codes may hold blanks but nobody starts looking for one with a blank.
class NVLA_EXPORT BusquedaTeclada
{
public:
    static constexpr qint64 PausaMs = 1000;

    // The text to look for after `caracter`, typed at `ahoraMs` (any steady
    // clock); empty when the character searches for nothing.
    QString agregar(QChar caracter, qint64 ahoraMs);

private:
    QString m_texto;
    qint64 m_ultimaMs = std::numeric_limits<qint64>::min() / 2;
};

} // namespace NVLALotes

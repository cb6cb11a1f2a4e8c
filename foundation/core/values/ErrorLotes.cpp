#include "ErrorLotes.h"

namespace NVLALotes {

ErrorLotes::ErrorLotes(qint32 number, const QString &description, const QString &source)
    : std::runtime_error((source + QLatin1String(": ") + description).toStdString())
    , m_number(number)
    , m_description(description)
    , m_source(source)
{}

} // namespace NVLALotes

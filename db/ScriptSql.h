#pragma once

#include <QString>
#include <QStringList>

namespace NVLALotes::BaseDatosHost {

// The statements of a script, split at the semicolons that end them: not those
// inside quotes, dollar-quoted bodies ($$ ... $$) or comments. Comment-only
// pieces are dropped.
QStringList sentenciasDe(const QString &script);

} // namespace NVLALotes::BaseDatosHost

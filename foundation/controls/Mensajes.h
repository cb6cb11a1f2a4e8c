#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QString>

class QWidget;

// Every message box of the library is raised here, so that all of them carry
// the same title, icon and single OK button.
namespace NVLALotes::Mensajes {

NVLA_EXPORT extern const QString TituloAtencion; // "¡ Atención !"

// A validation message: exclamation icon, OK, title "¡ Atención !".
NVLA_EXPORT void atencion(QWidget *parent, const QString &texto);
// An error shown to the user: critical icon, OK, the given title.
NVLA_EXPORT void critico(QWidget *parent, const QString &titulo, const QString &texto);

} // namespace NVLALotes::Mensajes

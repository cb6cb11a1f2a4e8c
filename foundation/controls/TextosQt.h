#pragma once

#include <nvlalotes/nvlalotes_export.h>

// Qt's own dialogs (a file dialog, a print dialog, a message box's standard
// buttons) speak the clerk's language as the library's windows do.
namespace NVLALotes::TextosQt {

// Installs Qt's Spanish translations once per application, unless the host has
// already installed a translation of Qt's texts of its own: its choice stands.
// Without the translation files installed, Qt's texts stay as they are.
NVLA_EXPORT void asegurarEspanol();

} // namespace NVLALotes::TextosQt

#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QString>

class QPagedPaintDevice;

namespace NVLALotes {

class Reporte;

// Every page of a report on a paged device (the preview, a printer, a PDF
// file), in the report's page layout; where the device carries a page range
// (chosen in the print dialog) only those pages. Fails with ErrorLotes when
// the device cannot be painted on.
NVLA_EXPORT void pintarReporte(const Reporte &reporte, QPagedPaintDevice &dispositivo);

// Writes the whole report as a PDF file; needs no printer.
NVLA_EXPORT void escribirPdf(const Reporte &reporte, const QString &ruta);

} // namespace NVLALotes

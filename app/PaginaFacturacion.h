#pragma once

#include <functional>

class QWidget;

namespace NVLALotes {
class ClaseEntradaLotes;
}

namespace NVLALotes::Banco {

// The sales page: the invoicing class's fields (the split's lots among them)
// and, above them, the company's strategy for the automatic choice, which the
// class reads as a parameter when it shows.
QWidget *paginaFacturacion(const std::function<void(ClaseEntradaLotes &)> &prepararContexto);

} // namespace NVLALotes::Banco

#include "PaginaFacturacion.h"

#include "PaginaEntrada.h"
#include "foundation/core/host/ContextoCompartido.h"

#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesFacturacion.h>

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

QWidget *paginaFacturacion(const std::function<void(ClaseEntradaLotes &)> &prepararContexto)
{
    auto *pagina = new QWidget;
    auto *estrategia = new QComboBox(pagina);
    estrategia->setObjectName(u"Lotes_EstrategiaAutomatica"_s);
    estrategia->addItem(u"(vacío) el lote de menos stock que cubre"_s, QString());
    estrategia->addItem(u"FEFO: el primero que caduca"_s, u"FEFO"_s);
    estrategia->addItem(u"FIFO: el lote más antiguo"_s, u"FIFO"_s);
    auto *parametro = new QFormLayout;
    parametro->addRow(u"Lotes_EstrategiaAutomatica"_s, estrategia);

    auto facturacion = std::make_unique<frmclsLotesFacturacion>();
    facturacion->Cod_Almacen = 1;
    facturacion->Cod_Articulo = 101;
    facturacion->Unidades = 5;
    facturacion->PermitirAutomatico = true;
    facturacion->PermitirContinuarSinLote = true;
    // The company the workbench hands the class gets the strategy chosen here.
    auto *entrada = new PaginaEntrada(
        std::move(facturacion),
        [prepararContexto, estrategia](ClaseEntradaLotes &clase) {
            prepararContexto(clase);
            if (auto empresa = std::dynamic_pointer_cast<EmpresaMemoria>(ContextoCompartido::empresa()))
                empresa->setParametro(u"Lotes_EstrategiaAutomatica"_s, estrategia->currentData().toString());
        },
        pagina);
    auto *layout = new QVBoxLayout(pagina);
    layout->setContentsMargins({});
    layout->addLayout(parametro);
    layout->addWidget(entrada);
    return pagina;
}

} // namespace NVLALotes::Banco

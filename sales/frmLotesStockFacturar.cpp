#include "frmLotesStockFacturar.h"

#include "foundation/controls/PushButton.h"
#include "foundation/core/database/ProcedimientoStockLotes.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/ErrorLotes.h"
#include "foundation/lists/MarcoManual.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

frmLotesStockFacturar::frmLotesStockFacturar(const Diseno &diseno, QString seleccion, QWidget *parent)
    : DialogoListaLotes(diseno, parent)
    , m_seleccion(std::move(seleccion))
{
    // Enter in the list is Aceptar.
    connect(m_lista, &ListaLotes::intro, cmdAceptar, &QAbstractButton::click);
}

frmLotesStockFacturar::~frmLotesStockFacturar() = default;

QString frmLotesStockFacturar::consulta() const
{
    return ReglasStockLotes::consulta(m_seleccion, ContextoCompartido::empresaRequerida().CodigoEmpresa(), Cod_Almacen,
                                      Cod_Articulo, Unidades > Currency(0));
}

bool frmLotesStockFacturar::comprobarFechaManual()
{
    return m_manual->comprobarFecha(ControlCaducidad, u"Debe especificar la fecha de caducidad"_s);
}

qint32 frmLotesStockFacturar::claveDelLoteTecleado(const QList<ReglasStockLotes::CeldaTecleada> &celdas,
                                                   const QString &lote, const QString &tono, const QString &calibre)
{
    const int listada = m_lista->filaTecleada(celdas);
    if (listada > 0)
        return m_lista->claveDeFila(listada);
    LlamadaStockLote llamada;
    llamada.empresa = ContextoCompartido::empresaRequerida().CodigoEmpresa();
    llamada.almacen = Cod_Almacen;
    llamada.articulo = Cod_Articulo;
    llamada.lote = lote;
    llamada.caducidad = m_manual->fechaTecleada();
    llamada.tono = tono;
    llamada.calibre = calibre;
    try {
        return actualizarStockLote(ContextoCompartido::conexionRequerida(), llamada);
    } catch (const ErrorLotes &error) {
        throw ErrorLotes(error.Number(),
                         u"No se ha podido dar de alta el lote tecleado en el almacén; no se ha elegido ningún "
                         u"lote.\n\n"_s +
                             error.Description(),
                         error.Source());
    }
}

} // namespace NVLALotes

#include "frmLotesStockFacturar1.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/lists/CeldasStock.h"
#include "foundation/lists/MarcoManual.h"

#include <QGroupBox>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { Clave = 0, Stock = 1, Fecha = 2, CodigoLote = 3 };

DialogoListaLotes::Diseno diseno()
{
    return {u"frmLotesStockFacturar1"_s,
            u"Lotes en Stock"_s,
            {4905, 7005},
            {2220, 6570, 1065, 365},
            {3495, 6570, 1065, 365},
            {{75, 1380, 4740, 5055}, CeldasStock::columnasLote(), Stock, -1}};
}

} // namespace

frmLotesStockFacturar1::frmLotesStockFacturar1(QWidget *parent)
    : frmLotesStockFacturar(diseno(), u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad"_s,
                            {{Stock, Fecha}, CodigoLote, {1035, 6570, 1065, 365}}, parent)
{
    crearMarcoManual({75, 45, 4740, 1230});
    Formulario::etiqueta(m_manual->marco(), u"lblCaducidad"_s, u"Caducidad:"_s, {180, 375, 810, 195});
    txtCaducidad = m_manual->fecha({1035, 300, 1320, 315});
    Formulario::etiqueta(m_manual->marco(), u"lblLote"_s, u"Lote:"_s, {180, 795, 360, 195});
    txtLote = m_manual->caja(u"txtLote"_s, 20, {1035, 735, 3555, 315});
    introLlevaAAceptar(txtLote);
    m_lista->fijarSalidaArriba([](int fila) { return fila <= 1; });
    m_lista->marcarCaducados(Fecha);
    m_lista->buscarAlTeclear(CodigoLote);
    m_manual->leerEtiquetasGs1(txtLote);
    Formulario::ordenTabulacion({vsLotes, cmdAceptar, cmdCancelar, txtCaducidad, txtLote});
}

void frmLotesStockFacturar1::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    CeldasStock::filaLote(registro, fila);
}

void frmLotesStockFacturar1::tomarFila(int fila)
{
    terminarConLote(m_lista->claveDeFila(fila), m_lista->texto(fila, CodigoLote), m_lista->fecha(fila, Fecha), Tono,
                    Calibre);
}

void frmLotesStockFacturar1::aceptarManual()
{
    txtLote->setText(txtLote->text().trimmed());
    if (!comprobarFechaManual())
        return;
    const QString lote = txtLote->text();
    const qint32 clave = claveDelLoteTecleado({{Fecha, m_manual->textoFecha()}, {CodigoLote, lote}}, lote, {}, {});
    terminarConLote(clave, lote, m_manual->fechaTecleada(), QString(), QString());
}

} // namespace NVLALotes

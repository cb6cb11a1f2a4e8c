#include "frmLotesStockFacturar2.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/lists/CeldasStock.h"
#include "foundation/lists/MarcoManual.h"

#include <QGroupBox>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { Clave = 0, Bloqueo = 1, Stock = 2, TonoLote = 3, CalibreLote = 4, Fecha = 5 };

DialogoListaLotes::Diseno diseno()
{
    return {u"frmLotesStockFacturar2"_s,
            u"Especifique Tono / Calibre"_s,
            {6015, 7005},
            {3570, 6570, 1065, 365},
            {4755, 6570, 1065, 365},
            {{75, 1350, 5865, 5085}, CeldasStock::columnasTono(true), Stock, Bloqueo}};
}

} // namespace

frmLotesStockFacturar2::frmLotesStockFacturar2(QWidget *parent)
    : frmLotesStockFacturar(diseno(),
                            u"SELECT a.Cod_Lote, a.Stock_Actual, b.Lote, b.Caducidad, b.Tono, b.Calibre, b.Bloqueado"_s,
                            {{Stock, Fecha, Bloqueo, TonoLote, CalibreLote}, -1, {2580, 6570, 930, 365}}, parent)
{
    crearMarcoManual({75, 45, 5865, 1230});
    Formulario::etiqueta(m_manual->marco(), u"lblCaducidad"_s, u"Caducidad:"_s, {255, 375, 810, 195});
    txtCaducidad = m_manual->fecha({1110, 300, 1320, 315});
    Formulario::etiqueta(m_manual->marco(), u"lblTono"_s, u"Tono:"_s, {3555, 375, 420, 195});
    txtTono = m_manual->caja(u"txtTono"_s, 20, {4140, 315, 1425, 315});
    Formulario::etiqueta(m_manual->marco(), u"lblCalibre"_s, u"Calibre:"_s, {3555, 795, 525, 195});
    txtCalibre = m_manual->caja(u"txtCalibre"_s, 20, {4140, 735, 1425, 315});
    introLlevaAAceptar(txtCalibre, [this] { return vsLotes->row() > 0; });
    m_lista->fijarSalidaArriba([](int fila) { return fila == 1; });
    m_lista->marcarCaducados(Fecha);
    m_lista->buscarAlTeclear(TonoLote);

    cmdContinuar =
        Formulario::boton(this, u"cmdContinuar"_s, u"C&ontinuar sin Tono / Calibre"_s, {195, 6570, 2325, 365});
    connect(cmdContinuar, &QAbstractButton::clicked, this, &frmLotesStockFacturar2::continuarSinLote);

    Formulario::posicionesTab({{vsLotes, 0},
                               {cmdAceptar, 1},
                               {cmdCancelar, 2},
                               {txtCaducidad, 3},
                               {txtTono, 4},
                               {txtCalibre, 5},
                               {cmdContinuar, 10}});
}

void frmLotesStockFacturar2::antesDeCargar()
{
    txtCaducidad->setHabilitado(ControlCaducidad);
    cmdContinuar->setVisible(PermitirContinuarSinLote);
}

void frmLotesStockFacturar2::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    CeldasStock::filaTono(registro, fila, true);
}

void frmLotesStockFacturar2::tomarFila(int fila)
{
    terminarConLote(m_lista->claveDeFila(fila), QString(), m_lista->fecha(fila, Fecha), m_lista->texto(fila, TonoLote),
                    m_lista->texto(fila, CalibreLote));
}

void frmLotesStockFacturar2::aceptarManual()
{
    txtTono->setText(txtTono->text().trimmed());
    txtCalibre->setText(txtCalibre->text().trimmed());
    if (!comprobarFechaManual())
        return;
    const QString tono = txtTono->text();
    const QString calibre = txtCalibre->text();
    if (tono.isEmpty() && calibre.isEmpty()) {
        Mensajes::atencion(this, u"Debe especificar Tono y/o Calibre"_s);
        txtTono->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A typed lot is taken as it is: blocked or short of stock, it is the clerk's choice.
    const qint32 clave = claveDelLoteTecleado(
        {{TonoLote, tono}, {Fecha, m_manual->textoFecha()}, {CalibreLote, calibre}}, QString(), tono, calibre);
    terminarConLote(clave, QString(), m_manual->fechaTecleada(), tono, calibre);
}

void frmLotesStockFacturar2::continuarSinLote()
{
    terminarConLote(0, QString(), fechaNula(), QString(), QString());
}

} // namespace NVLALotes

#include "frmInventarioLotes1.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/LineaRejilla.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/database/Registros.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "foundation/core/host/Formatos.h"
#include "foundation/core/host/NVLAEMP.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/lists/CeldasStock.h"

#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

enum Columna { Clave = 0, Fecha = 1, CodigoLote = 2 };

DialogoListaLotes::Diseno diseno()
{
    using A = Rejilla::Alineacion;
    return {
        u"frmInventarioLotes1"_s,
        u"Lotes de Artículos"_s,
        {4905, 6930},
        {2355, 6510, 1065, 365},
        {3570, 6510, 1065, 365},
        {{45, 975, 4740, 5430},
         {{u"Caducidad"_s, 1000, A::CentroCentro, CeldasStock::formatoCaducidad}, {u"Lote"_s, 0, A::IzquierdaCentro}}}};
}

} // namespace

frmInventarioLotes1::frmInventarioLotes1(QWidget *parent)
    : frmInventarioLotes(diseno(), {75, 75, 4740, 765}, parent)
{
    QLabel *lblCaducidad = crearFecha({120, 360, 810, 195}, {975, 300, 1320, 315});
    QLabel *lblLote = Formulario::etiqueta(m_manual->marco(), u"lblLote"_s, u"Lote:"_s, {2505, 360, 360, 195});
    kxLote = crearCaja(u"kxLote"_s, 50, {2910, 300, 1695, 315});
    introLlevaAAceptar(kxLote);
    m_lista->marcarCaducados(Fecha);
    m_lista->buscarAlTeclear(CodigoLote);
    m_manual->leerEtiquetasGs1(kxLote);
    Formulario::posicionesTab({{m_manual->marco(), 0},
                               {lblCaducidad, 1},
                               {txtCaducidad, 2},
                               {lblLote, 3},
                               {kxLote, 4},
                               {vsLotes, 5},
                               {cmdAceptar, 6},
                               {cmdCancelar, 7}});
}

QString frmInventarioLotes1::consulta() const
{
    const QString empresa = ValorSql::numero(ContextoCompartido::empresaRequerida().CodigoEmpresa());
    const QString articulo = ValorSql::numero(Cod_Articulo);
    // Lots known to the article and lots recorded in any count of it; a lot
    // whose expiry differs between the two shows twice under one key.
    return u"SELECT Cod_Lote, Lote, Caducidad FROM Articulos_Lotes"_s + u" WHERE Cod_Empresa = "_s + empresa +
           u" AND Cod_Articulo = "_s + articulo + u" UNION"_s +
           u" SELECT Cod_Lote, Lote, Caducidad FROM Inventario_Lotes"_s + u" WHERE Cod_Empresa = "_s + empresa +
           u" AND Cod_Articulo = "_s + articulo + u" ORDER BY Cod_Lote"_s;
}

void frmInventarioLotes1::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    // Read by position: the select list above fixes the order.
    LineaRejilla::unir(fila.linea, {LineaRejilla::CeldaDeCampo(registro.campo(0)).vista(), {}, registro.texto(1)});
    fila.valores[0] = CeldasStock::valorCaducidad(registro.campo(2));
}

QWidget *frmInventarioLotes1::controlInicial() const
{
    // The first control in tab order that takes the focus: the window opens
    // ready for a typed lot.
    return txtCaducidad->isEnabled() ? static_cast<QWidget *>(txtCaducidad) : kxLote;
}

void frmInventarioLotes1::tomarFila(int fila)
{
    terminarConLote(m_lista->claveDeFila(fila), m_lista->texto(fila, CodigoLote), m_lista->fecha(fila, Fecha),
                    QString(), QString());
}

void frmInventarioLotes1::aceptarManual()
{
    const std::optional<QString> caducidad = textoCaducidadTecleada();
    if (!caducidad)
        return;
    const QString lote = kxLote->text();
    // A date typed as 01/01/1900 is no date either.
    if (*caducidad == u"01/01/1900" && lote.isEmpty()) {
        Mensajes::atencion(this, u"Debe proporcionar fecha de caducidad y/o descripción del lote."_s);
        txtCaducidad->setFocus(Qt::OtherFocusReason);
        return;
    }
    const bool loteObligatorio = valorBooleano(
        ContextoCompartido::empresaRequerida().LeerParametro(u"Lotes_NroObligatorio"_s), u"frmInventarioLotes1"_s);
    if (loteObligatorio && lote.isEmpty()) {
        Mensajes::atencion(this, u"El código del lote es obligatorio."_s);
        kxLote->setFocus(Qt::OtherFocusReason);
        return;
    }
    const qint32 clave = claveTecleada({{CodigoLote, lote}, {Fecha, txtCaducidad->Valor()}});
    terminarConLote(clave, lote, fechaDeTexto(*caducidad), QString(), QString());
}

} // namespace NVLALotes

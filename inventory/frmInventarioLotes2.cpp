#include "frmInventarioLotes2.h"

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

enum Columna { Clave = 0, TonoLote = 1, CalibreLote = 2, Fecha = 3, Cantidad = 4 };

// The counted units as plain text: no grouping, no trailing zeros; -1 marks a
// lot not counted yet and shows as nothing.
QString formatoCantidad(qint64 bruto)
{
    const Currency cantidad = Currency::fromRaw(bruto);
    if (cantidad == Currency(-1))
        return {};
    static const QLocale locale = [] {
        QLocale sinGrupos = Formatos::instancia().locale();
        sinGrupos.setNumberOptions(QLocale::OmitGroupSeparator);
        return sinGrupos;
    }();
    QString texto = cantidad.toString(4, locale);
    while (texto.endsWith(u'0'))
        texto.chop(1);
    if (texto.endsWith(locale.decimalPoint()))
        texto.chop(locale.decimalPoint().size());
    return texto;
}

DialogoListaLotes::Diseno diseno()
{
    using A = Rejilla::Alineacion;
    return {u"frmInventarioLotes2"_s,
            u"Especifique Tono / Calibre"_s,
            {4905, 6810},
            {2415, 6375, 1065, 365},
            {3615, 6375, 1065, 365},
            {{75, 1410, 4740, 4860},
             {{u"Tono"_s, 1200, A::CentroCentro},
              {u"Calibre"_s, 1200, A::CentroCentro},
              {u"Caducidad"_s, 1000, A::CentroCentro, CeldasStock::formatoCaducidad},
              {u"Unidades"_s, 0, A::DerechaCentro, formatoCantidad}}}};
}

} // namespace

frmInventarioLotes2::frmInventarioLotes2(QWidget *parent)
    : frmInventarioLotes(diseno(), {75, 75, 4740, 1230}, parent)
{
    QLabel *lblCaducidad = crearFecha({105, 405, 810, 195}, {960, 330, 1320, 315});
    QLabel *lblTono = Formulario::etiqueta(m_manual->marco(), u"lblTono"_s, u"Tono:"_s, {2565, 405, 420, 195});
    kxTono = crearCaja(u"kxTono"_s, 20, {3150, 345, 1425, 315});
    QLabel *lblCalibre = Formulario::etiqueta(m_manual->marco(), u"lblCalibre"_s, u"Calibre:"_s, {2565, 825, 525, 195});
    kxCalibre = crearCaja(u"kxCalibre"_s, 20, {3150, 765, 1425, 315});
    introLlevaAAceptar(kxCalibre);
    m_lista->marcarCaducados(Fecha);
    m_lista->buscarAlTeclear(TonoLote);
    Formulario::posicionesTab({{vsLotes, 0},
                               {cmdAceptar, 1},
                               {cmdCancelar, 2},
                               {txtCaducidad, 3},
                               {kxTono, 4},
                               {kxCalibre, 5},
                               {m_manual->marco(), 6},
                               {lblCaducidad, 7},
                               {lblTono, 8},
                               {lblCalibre, 9}});
}

QString frmInventarioLotes2::consulta() const
{
    const QString empresa = ValorSql::numero(ContextoCompartido::empresaRequerida().CodigoEmpresa());
    const QString almacen = ValorSql::numero(Cod_Almacen);
    const QString articulo = ValorSql::numero(Cod_Articulo);
    // Every lot of the article once: counted in this warehouse with its units,
    // any other with -1 (shown empty).
    return u"SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, -1 AS Cantidad FROM Articulos_Lotes"_s +
           u" WHERE Cod_Empresa = "_s + empresa + u" AND Cod_Articulo = "_s + articulo +
           u" AND Cod_Lote NOT IN (SELECT Cod_Lote FROM Inventario_Lotes WHERE Cod_Empresa = "_s + empresa +
           u" AND Cod_Almacen ="_s + almacen + u" AND Cod_Articulo = "_s + articulo + u")"_s + u" UNION"_s +
           u" SELECT Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad FROM Inventario_Lotes"_s +
           u" WHERE Cod_Empresa = "_s + empresa + u" AND Cod_Almacen ="_s + almacen + u" AND Cod_Articulo = "_s +
           articulo + u" ORDER BY Cod_Lote"_s;
}

void frmInventarioLotes2::filaDeRegistro(const Registros &registro, FilaOrigen &fila) const
{
    // Read by position: the select list above fixes the order; the lot code
    // is selected but not shown.
    const QVariant campoCantidad = registro.campo(5);
    const std::optional<Currency> cantidad = Currency::fromVariant(campoCantidad);
    const bool exacta = cantidad && cantidad->raw() != FilaOrigen::SinValor;
    LineaRejilla::unir(fila.linea, {LineaRejilla::CeldaDeCampo(registro.campo(0)).vista(), registro.texto(3),
                                    registro.texto(4), QString(), exacta ? QString() : campoCantidad.toString()});
    fila.valores = {CeldasStock::valorCaducidad(registro.campo(2)), exacta ? cantidad->raw() : FilaOrigen::SinValor};
}

void frmInventarioLotes2::tomarFila(int fila)
{
    terminarConLote(m_lista->claveDeFila(fila), QString(), m_lista->fecha(fila, Fecha), m_lista->texto(fila, TonoLote),
                    m_lista->texto(fila, CalibreLote));
}

void frmInventarioLotes2::aceptarManual()
{
    const std::optional<QString> caducidad = textoCaducidadTecleada();
    if (!caducidad)
        return;
    const QString tono = kxTono->text();
    const QString calibre = kxCalibre->text();
    if (tono.isEmpty()) {
        Mensajes::atencion(this, u"El tono del lote es obligatorio."_s);
        kxTono->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (calibre.isEmpty()) {
        Mensajes::atencion(this, u"El calibre del lote es obligatorio."_s);
        kxCalibre->setFocus(Qt::OtherFocusReason);
        return;
    }
    const qint32 clave = claveTecleada({{TonoLote, tono}, {Fecha, txtCaducidad->Valor()}, {CalibreLote, calibre}});
    terminarConLote(clave, QString(), fechaDeTexto(*caducidad), tono, calibre);
}

} // namespace NVLALotes

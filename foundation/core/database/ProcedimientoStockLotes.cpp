#include "ProcedimientoStockLotes.h"

#include "foundation/core/database/Comando.h"
#include "foundation/core/database/Conexion.h"
#include "foundation/core/values/ErrorLotes.h"

using namespace Qt::StringLiterals;

namespace NVLALotes {

qint32 actualizarStockLote(Conexion &conexion, const LlamadaStockLote &llamada)
{
    Comando comando;
    comando.setTiempoEspera(500);
    comando.setTexto(u"GES_Almacen_Articulo_Lotes_Update"_s);
    comando.setTipo(TipoComando::ProcedimientoAlmacenado);

    using D = DireccionParametro;
    comando.agregarParametro(u"Return"_s, TipoDato::Entero, D::ValorRetorno, 0);
    comando.agregarParametro(u"@Cod_Empresa"_s, TipoDato::EnteroByte, D::Entrada, 0);
    comando.agregarParametro(u"@Cod_Almacen"_s, TipoDato::EnteroCorto, D::Entrada, 0);
    comando.agregarParametro(u"@Cod_Articulo"_s, TipoDato::Entero, D::Entrada, 0);
    comando.agregarParametro(u"@Unidades"_s, TipoDato::Moneda, D::Entrada, 0);
    comando.agregarParametro(u"@Lote"_s, TipoDato::TextoVariable, D::Entrada, 50);
    comando.agregarParametro(u"@Caducidad"_s, TipoDato::FechaHora, D::Entrada, 0);
    comando.agregarParametro(u"@Tono"_s, TipoDato::TextoVariable, D::Entrada, 20);
    comando.agregarParametro(u"@Calibre"_s, TipoDato::TextoVariable, D::Entrada, 20);
    comando.agregarParametro(u"@Cod_Lote"_s, TipoDato::Entero,
                             llamada.claveEntradaSalida ? D::EntradaSalida : D::Salida, 0);

    comando.setValor(1, llamada.empresa);
    comando.setValor(2, llamada.almacen);
    comando.setValor(3, llamada.articulo);
    comando.setValor(4, QVariant::fromValue(llamada.unidades));
    comando.setValor(5, llamada.lote);
    comando.setValor(6, llamada.caducidad);
    comando.setValor(7, llamada.tono);
    comando.setValor(8, llamada.calibre);
    comando.setValor(9, 0);

    conexion.ejecutarComando(comando);

    const QVariant clave = comando.valor(9);
    bool esNumero = false;
    const qint32 resultado = clave.toInt(&esNumero);
    if (clave.isNull() || !esNumero)
        throw ErrorLotes(NumeroError::ProcedimientoSinClave,
                         u"El procedimiento GES_Almacen_Articulo_Lotes_Update no ha devuelto la clave del lote."_s,
                         u"NVLALotes.ActualizarStockLote"_s);
    return resultado;
}

} // namespace NVLALotes

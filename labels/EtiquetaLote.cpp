#include "EtiquetaLote.h"

#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/Gs1.h"

#include <memory>
#include <vector>
#include <zint.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// A label's GS1 fields, each empty when the label has none, in the order they
// are written: the fixed-length ones first, so the lot code needs no separator.
struct CamposGs1
{
    QString gtin, caducidad, lote;

    QList<std::pair<QString, QString>> pares() const
    {
        QList<std::pair<QString, QString>> lista;
        for (const auto &[ai, valor] : {std::pair{u"01"_s, gtin}, {u"17"_s, caducidad}, {u"10"_s, lote}}) {
            if (!valor.isEmpty())
                lista.append({ai, valor});
        }
        return lista;
    }

    // The text with each identifier between `abre` and `cierra`: zint's input
    // "[01]...", the readable "(01)...", and a scanner's "01..." after "]C1".
    QString texto(QStringView abre, QStringView cierra) const
    {
        QString resultado;
        for (const auto &[ai, valor] : pares())
            resultado.append(abre).append(ai).append(cierra).append(valor);
        return resultado;
    }
};

// An article number as GS1 writes it, 14 digits: EAN-8, UPC-A and EAN-13 are
// padded with zeros; anything else is kept as it came and the reader refuses it.
QString gtin14(const QString &gtin)
{
    QString limpio = gtin.trimmed();
    if (limpio.size() == 8 || limpio.size() == 12 || limpio.size() == 13)
        return limpio.rightJustified(14, u'0');
    return limpio;
}

CamposGs1 camposGs1(const EtiquetaLote &etiqueta)
{
    CamposGs1 campos{gtin14(etiqueta.gtin), {}, etiqueta.lote};
    if (etiqueta.caducidad.isValid() && etiqueta.caducidad != fechaNula())
        campos.caducidad = etiqueta.caducidad.toString(u"yyMMdd"_s);
    return campos;
}

// Whether a scanner reading the fields would fill back the same ones.
bool seLeeIgual(const CamposGs1 &campos, QDate hoy)
{
    const std::optional<LecturaGs1> lectura = leerGs1(u"]C1"_s + campos.texto(u"", u""), hoy);
    if (!lectura)
        return false;
    const auto igual = [](const std::optional<QString> &leido, const QString &escrito) {
        return leido.value_or(QString()) == escrito;
    };
    const QString caducidad = lectura->caducidad ? lectura->caducidad->toString(u"yyMMdd"_s) : QString();
    return igual(lectura->lote, campos.lote) && igual(lectura->articulo, campos.gtin) && caducidad == campos.caducidad;
}

// Why the fields cannot go in a barcode; empty when they can.
QString motivoSinCodigo(const CamposGs1 &campos, QDate hoy)
{
    if (campos.pares().isEmpty())
        return u"Sin código de barras: el lote no tiene código ni caducidad"_s;
    if (seLeeIgual(campos, hoy))
        return {};
    if (!campos.lote.isEmpty() && !seLeeIgual({{}, {}, campos.lote}, hoy))
        return campos.lote.size() > 20 ? u"Sin código de barras: el lote pasa de los 20 caracteres que admite GS1"_s
                                       : u"Sin código de barras: el lote tiene caracteres que GS1 no admite"_s;
    if (!campos.gtin.isEmpty() && !seLeeIgual({campos.gtin, {}, {}}, hoy))
        return u"Sin código de barras: el GTIN del artículo no es válido"_s;
    return u"Sin código de barras: la caducidad no se puede escribir en GS1"_s;
}

// The bars of a GS1-128 symbol of `datos` (zint's bracketed input), or why zint refused it.
void codificar(const QString &datos, CodigoEtiqueta &codigo)
{
    const std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> simbolo(ZBarcode_Create(), &ZBarcode_Delete);
    if (!simbolo) {
        codigo.sinCodigo = u"Sin código de barras: no hay memoria para crearlo"_s;
        return;
    }
    simbolo->symbology = BARCODE_GS1_128;
    simbolo->input_mode = GS1_MODE;
    simbolo->show_hrt = 0;          // the readable line is drawn with the label's own face
    simbolo->whitespace_width = 10; // the quiet zones GS1-128 asks for
    const QByteArray texto = datos.toLatin1();
    const std::vector<unsigned char> bytes(texto.cbegin(), texto.cend());
    if (ZBarcode_Encode_and_Buffer_Vector(simbolo.get(), bytes.data(), int(bytes.size()), 0) >= ZINT_ERROR) {
        codigo.sinCodigo = u"Sin código de barras: "_s + QString::fromLatin1(simbolo->errtxt);
        return;
    }
    const qreal alto = simbolo->vector->height;
    for (const zint_vector_rect *barra = simbolo->vector->rectangles; barra != nullptr; barra = barra->next)
        codigo.barras.append({barra->x, barra->y / alto, barra->width, barra->height / alto});
    codigo.ancho = simbolo->vector->width;
}

} // namespace

CodigoEtiqueta codigoEtiqueta(const EtiquetaLote &etiqueta, QDate hoy)
{
    const CamposGs1 campos = camposGs1(etiqueta);
    CodigoEtiqueta codigo;
    codigo.sinCodigo = motivoSinCodigo(campos, hoy);
    if (!codigo.sinCodigo.isEmpty())
        return codigo;
    codigo.legible = campos.texto(u"(", u")");
    codificar(campos.texto(u"[", u"]"), codigo);
    return codigo;
}

} // namespace NVLALotes

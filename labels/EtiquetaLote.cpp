#include "EtiquetaLote.h"

#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/Gs1.h"

#include <algorithm>
#include <cmath>
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

// Whether a scanner reading the fields would fill back the same ones, every
// rule of GS1's table kept: what the library prints is never a string GS1 refuses.
bool seLeeIgual(const CamposGs1 &campos, QDate hoy)
{
    const std::optional<LecturaGs1> lectura = leerGs1(u"]C1"_s + campos.texto(u"", u""), hoy, RigorGs1::Impresion);
    if (!lectura)
        return false;
    const auto igual = [](const std::optional<QString> &leido, const QString &escrito) {
        return leido.value_or(QString()) == escrito;
    };
    const QString caducidad = lectura->caducidad ? lectura->caducidad->toString(u"yyMMdd"_s) : QString();
    return igual(lectura->lote, campos.lote) && igual(lectura->articulo, campos.gtin) && caducidad == campos.caducidad;
}

// Whether the lot fits a GS1 field alone (its characters and length).
bool loteGs1(const QString &lote, QDate hoy)
{
    return leerGs1(u"(01)00000000000000(10)"_s + lote, hoy).has_value();
}

// Why the fields cannot go in a GS1 barcode; empty when they can.
QString motivoSinCodigo(const CamposGs1 &campos, QDate hoy)
{
    if (campos.pares().isEmpty())
        return u"Sin código de barras: el lote no tiene código ni caducidad"_s;
    if (seLeeIgual(campos, hoy))
        return {};
    if (!campos.lote.isEmpty() && !loteGs1(campos.lote, hoy))
        return campos.lote.size() > 20 ? u"Sin código de barras: el lote pasa de los 20 caracteres que admite GS1"_s
                                       : u"Sin código de barras: el lote tiene caracteres que GS1 no admite"_s;
    if (!seLeeIgual({campos.gtin, {}, {}}, hoy))
        return u"Sin código de barras: el GTIN del artículo no es válido"_s;
    return u"Sin código de barras: la caducidad no se puede escribir en GS1"_s;
}

// A lot code a plain Code 128 carries as typed: printable ASCII.
bool loteInterno(const QString &lote)
{
    return !lote.isEmpty() && std::ranges::all_of(lote, [](QChar c) { return c >= u' ' && c <= u'~'; });
}

using Zint = std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)>;

// `datos` as symbology `simbologia` of zint, in whole modules; empty and why
// not in `motivo` when zint refused it. GS1 data comes bracketed ("[01]...").
SimboloEtiqueta codificar(int simbologia, bool gs1, const QString &datos, QString &motivo)
{
    const Zint simbolo(ZBarcode_Create(), &ZBarcode_Delete);
    if (!simbolo) {
        motivo = u"Sin código de barras: no hay memoria para crearlo"_s;
        return {};
    }
    const bool matriz = simbologia == BARCODE_DATAMATRIX;
    simbolo->symbology = simbologia;
    simbolo->input_mode = gs1 ? GS1_MODE : DATA_MODE;
    simbolo->show_hrt = 0; // the readable line is drawn with the label's own face
    simbolo->option_3 = matriz ? DM_SQUARE : 0;
    // The quiet zones: ten modules beside a linear symbol, one round a DataMatrix.
    simbolo->whitespace_width = matriz ? 1 : 10;
    simbolo->whitespace_height = matriz ? 1 : 0;
    const QByteArray texto = datos.toLatin1();
    const std::vector<unsigned char> bytes(texto.cbegin(), texto.cend());
    if (ZBarcode_Encode_and_Buffer_Vector(simbolo.get(), bytes.data(), int(bytes.size()), 0) >= ZINT_ERROR) {
        motivo = u"Sin código de barras: "_s + QString::fromLatin1(simbolo->errtxt);
        return {};
    }
    const double unidad = double(simbolo->vector->width) / double(simbolo->width + 2 * simbolo->whitespace_width);
    const auto modulos = [unidad](double medida) { return int(std::lround(medida / unidad)); };
    SimboloEtiqueta resultado{{}, modulos(simbolo->vector->width), matriz ? modulos(simbolo->vector->height) : 0};
    for (const zint_vector_rect *r = simbolo->vector->rectangles; r != nullptr; r = r->next)
        resultado.modulos.append(
            {modulos(r->x), matriz ? modulos(r->y) : 0, modulos(r->width), matriz ? modulos(r->height) : 1});
    return resultado;
}

} // namespace

CodigoEtiqueta codigoEtiqueta(const EtiquetaLote &etiqueta, QDate hoy)
{
    const CamposGs1 campos = camposGs1(etiqueta);
    CodigoEtiqueta codigo;
    if (campos.gtin.isEmpty() && !campos.lote.isEmpty()) {
        // No article number: no GS1 string can be made, the lot alone for the house's own boxes.
        if (!loteInterno(campos.lote)) {
            codigo.sinCodigo = u"Sin código de barras: el lote tiene caracteres que el código de barras no admite"_s;
            return codigo;
        }
        codigo.interno = true;
        codigo.legible = campos.lote + u"  (uso interno)"_s;
        codigo.lineal = codificar(BARCODE_CODE128, false, campos.lote, codigo.sinCodigo);
        codigo.matriz = codificar(BARCODE_DATAMATRIX, false, campos.lote, codigo.sinCodigo);
        return codigo;
    }
    codigo.sinCodigo = campos.gtin.isEmpty() && !campos.pares().isEmpty()
                           ? u"Sin código de barras: el artículo no tiene GTIN"_s
                           : motivoSinCodigo(campos, hoy);
    if (!codigo.sinCodigo.isEmpty())
        return codigo;
    codigo.legible = campos.texto(u"(", u")");
    const QString datos = campos.texto(u"[", u"]");
    codigo.lineal = codificar(BARCODE_GS1_128, true, datos, codigo.sinCodigo);
    codigo.matriz = codificar(BARCODE_DATAMATRIX, true, datos, codigo.sinCodigo);
    return codigo;
}

} // namespace NVLALotes

#include "Gs1Comprobaciones.h"

#include <algorithm>

namespace NVLALotes::Gs1 {

namespace {

// The codes GS1 checks countries and currencies against, run together in
// fixed widths: ISO 3166-1 numeric and alpha-2, ISO 4217 numeric.
constexpr QStringView Paises =
    u"004008010012016020024028031032036040044048050051052056060064068070072074076084086090092096"
    u"100104108112116120124132136140144148152156158162166170174175178180184188191192196203204208"
    u"212214218222226231232233234238239242246248250254258260262266268270275276288292296300304308"
    u"312316320324328332334336340344348352356360364368372376380384388392398400404408410414417418"
    u"422426428430434438440442446450454458462466470474478480484492496498499500504508512516520524"
    u"528531533534535540548554558562566570574578580581583584585586591598600604608612616620624626"
    u"630634638642643646652654659660662663666670674678682686688690694702703704705706710716724728"
    u"729732740744748752756760762764768772776780784788792795796798800804807818826831832833834840"
    u"850854858860862876882887894";
constexpr QStringView PaisesAlfa =
    u"ADAEAFAGAIALAMAOAQARASATAUAWAXAZBABBBDBEBFBGBHBIBJBLBMBNBOBQBRBSBTBVBWBYBZCACCCDCFCGCHCICK"
    u"CLCMCNCOCRCUCVCWCXCYCZDEDJDKDMDODZECEEEGEHERESETFIFJFKFMFOFRGAGBGDGEGFGGGHGIGLGMGNGPGQGRGS"
    u"GTGUGWGYHKHMHNHRHTHUIDIEILIMINIOIQIRISITJEJMJOJPKEKGKHKIKMKNKPKRKWKYKZLALBLCLILKLRLSLTLULV"
    u"LYMAMCMDMEMFMGMHMKMLMMMNMOMPMQMRMSMTMUMVMWMXMYMZNANCNENFNGNINLNONPNRNUNZOMPAPEPFPGPHPKPLPM"
    u"PNPRPSPTPWPYQARERORSRURWSASBSCSDSESGSHSISJSKSLSMSNSOSRSSSTSVSXSYSZTCTDTFTGTHTJTKTLTMTNTOTR"
    u"TTTVTWTZUAUGUMUSUYUZVAVCVEVGVIVNVUWFWSYEYTZAZMZW";
constexpr QStringView Monedas =
    u"008012032036044048050051052060064068072084090096104108116124132136144152156170174188191192"
    u"203208214222230232238242262270292320324328332340344348352356360364368376388392398400404408"
    u"410414417418422426430434446454458462480484496498504512516524532533548554558566578586590598"
    u"600604608634643646654682690694702704706710728748752756760764776780784788800807818826834840"
    u"858860882886901925926927928929930931932933934936938940941943944946947948949950951952953955"
    u"956957958959960961962963964965967968969970971972973975976977978979980981984985986990994997"
    u"999";

bool esDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool enLista(QStringView lista, QStringView codigo)
{
    for (qsizetype i = 0; i + codigo.size() <= lista.size(); i += codigo.size()) {
        if (lista.sliced(i, codigo.size()) == codigo)
            return true;
    }
    return false;
}

bool digitoControlCorrecto(QStringView numero)
{
    int suma = 0;
    const qsizetype ultimo = numero.size() - 1;
    for (qsizetype i = 0; i < ultimo; ++i)
        suma += (numero[i].unicode() - u'0') * ((ultimo - i) % 2 == 1 ? 3 : 1);
    return (10 - suma % 10) % 10 == numero[ultimo].unicode() - u'0';
}

// Percent-encoding: every % starts two hexadecimal digits.
bool porcientoCorrecto(QStringView texto)
{
    for (qsizetype i = texto.indexOf(u'%'); i >= 0; i = texto.indexOf(u'%', i + 1)) {
        const auto hexadecimal = [](QChar c) { return c.isDigit() || QStringView(u"ABCDEFabcdef").contains(c); };
        if (i + 2 >= texto.size() || !hexadecimal(texto[i + 1]) || !hexadecimal(texto[i + 2]))
            return false;
    }
    return true;
}

// A piece of a total, a position in a sequence: from 1 to the total.
bool parteDeTotal(QStringView pieza, QStringView total)
{
    const int n = pieza.toInt();
    return n >= 1 && n <= total.toInt();
}

bool horaCorrecta(QStringView texto, int maximo)
{
    return texto.toInt() <= maximo;
}

// The checks that compare a component with a few values or a range.
std::optional<bool> comprobacionSimple(QStringView texto, QStringView nombre)
{
    const auto es = [&](QStringView valores) { return texto.size() == 1 && valores.contains(texto[0]); };
    if (nombre == u"hyphen")
        return texto == u"-";
    if (nombre == u"yesno")
        return es(u"01");
    if (nombre == u"zero")
        return texto == u"0";
    if (nombre == u"winding")
        return es(u"019");
    if (nombre == u"iso5218")
        return es(u"0129");
    if (nombre == u"importeridx")
        return es(u"-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz");
    if (nombre == u"nonzero")
        return texto.toLongLong() != 0;
    if (nombre == u"nozeroprefix")
        return texto.size() == 1 || !texto.startsWith(u'0');
    if (nombre == u"hasnondigit")
        return !std::ranges::all_of(texto, esDigito);
    if (nombre == u"latitude")
        return texto.toLongLong() <= 1800000000;
    if (nombre == u"longitude")
        return texto.toLongLong() <= 3600000000;
    if (nombre == u"mediatype")
        return (texto >= u"01" && texto <= u"10") || texto >= u"80";
    return std::nullopt;
}

} // namespace

std::optional<QDate> fechaYYMMDD(QStringView texto, QDate hoy)
{
    const int yy = texto.sliced(0, 2).toInt();
    const int mes = texto.sliced(2, 2).toInt();
    const int dia = texto.sliced(4, 2).toInt();
    const int actual = hoy.year();
    int anio = actual - actual % 100 + yy;
    if (anio > actual + 50)
        anio -= 100;
    else if (anio < actual - 49)
        anio += 100;
    if (mes < 1 || mes > 12)
        return std::nullopt;
    const QDate fecha(anio, mes, dia == 0 ? QDate(anio, mes, 1).daysInMonth() : dia);
    if (!fecha.isValid())
        return std::nullopt;
    return fecha;
}

bool enJuego(QStringView texto, QChar juego)
{
    if (juego == u'Z') {
        qsizetype relleno = 0;
        while (texto.endsWith(u'=')) {
            texto.chop(1);
            ++relleno;
        }
        if (relleno > 2 || (relleno > 0 && (texto.size() + relleno) % 3 != 0))
            return false;
    }
    return std::ranges::all_of(texto, [juego](QChar c) {
        const bool alfanumerico = esDigito(c) || (c >= u'A' && c <= u'Z');
        switch (juego.unicode()) {
        case u'N':
            return esDigito(c);
        case u'Y':
            return alfanumerico || QStringView(u"#-/").contains(c);
        case u'Z':
            return alfanumerico || (c >= u'a' && c <= u'z') || c == u'-' || c == u'_';
        default:
            return c > u' ' && c <= u'~' && !QStringView(u"#$@[\\]^`{|}~").contains(c);
        }
    });
}

bool comprobacionCorrecta(QStringView texto, QStringView nombre, QDate hoy)
{
    if (const std::optional<bool> simple = comprobacionSimple(texto, nombre))
        return *simple;
    if (nombre == u"csum")
        return digitoControlCorrecto(texto);
    if (nombre == u"yymmd0")
        return fechaYYMMDD(texto, hoy).has_value();
    if (nombre == u"yymmdd")
        return texto.sliced(4) != u"00" && fechaYYMMDD(texto, hoy);
    if (nombre == u"yyyymmdd")
        return QDate(texto.first(4).toInt(), texto.sliced(4, 2).toInt(), texto.sliced(6).toInt()).isValid();
    if (nombre == u"hhmi")
        return horaCorrecta(texto.first(2), 23) && horaCorrecta(texto.sliced(2), 59);
    if (nombre == u"hh")
        return horaCorrecta(texto, 23);
    if (nombre == u"mi" || nombre == u"ss")
        return horaCorrecta(texto, 59);
    if (nombre == u"iso3166")
        return enLista(Paises, texto);
    if (nombre == u"iso3166999") // 999: a country not told
        return texto == u"999" || enLista(Paises, texto);
    if (nombre == u"iso3166alpha2")
        return enLista(PaisesAlfa, texto);
    if (nombre == u"iso4217")
        return enLista(Monedas, texto);
    if (nombre == u"pieceoftotal")
        return parteDeTotal(texto.first(texto.size() / 2), texto.sliced(texto.size() / 2));
    if (nombre == u"posinseqslash")
        return texto.size() == 3 && texto[1] == u'/' && esDigito(texto[0]) && esDigito(texto[2]) &&
               parteDeTotal(texto.first(1), texto.sliced(2));
    if (nombre == u"pcenc")
        return porcientoCorrecto(texto);
    return true;
}

} // namespace NVLALotes::Gs1

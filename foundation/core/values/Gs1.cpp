#include "Gs1.h"

#include <QHash>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr QChar Separador = QChar(29);

// GS1's table of identifiers: `desde` to `hasta` (as many digits each); a
// predefined length means no separator follows. The format's parts,
// blank-separated: N digits, X, Y, Z GS1's character sets 82, 39, 64; N6
// exactly 6, X..20 1 to 20; [..] optional; csum a check digit last; yymmd0 a
// date whose day may be 00, yymmdd and yyyymmdd real dates.
struct Identificador
{
    QStringView desde;
    QStringView hasta;
    bool predefinido;
    QStringView formato;
};

constexpr auto Identificadores = std::to_array<Identificador>({
#include "foundation/core/values/Gs1Identificadores.inc"
});

// The row of GS1's table for the identifier `texto` starts with, if any.
// Identifiers are prefix-free: at most one of its first 2, 3 or 4 digits is.
const Identificador *identificador(QStringView texto)
{
    for (qsizetype digitos = 2; digitos <= 4 && digitos <= texto.size(); ++digitos) {
        const QStringView ai = texto.first(digitos);
        for (const Identificador &fila : Identificadores) {
            if (fila.desde.size() == digitos && fila.desde <= ai && ai <= fila.hasta)
                return &fila;
        }
    }
    return nullptr;
}

bool esDigito(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// GS1's character sets: N digits; X set 82 (printable ASCII without the blank
// and # $ @ [ \ ] ^ ` { | } ~); Y set 39 (# - / digits, capitals); Z set 64
// (digits, letters, - and _, with = only as padding at the end).
bool enJuego(QStringView texto, QChar juego)
{
    while (juego == u'Z' && texto.endsWith(u'='))
        texto.chop(1);
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

bool digitoControlCorrecto(QStringView numero)
{
    int suma = 0;
    const qsizetype ultimo = numero.size() - 1;
    for (qsizetype i = 0; i < ultimo; ++i)
        suma += (numero[i].unicode() - u'0') * ((ultimo - i) % 2 == 1 ? 3 : 1);
    return (10 - suma % 10) % 10 == numero[ultimo].unicode() - u'0';
}

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

// One part of a field's format, as GS1's table writes it: "N13,csum",
// "[X..17]"...
struct Parte
{
    QChar juego;
    qsizetype minimo = 0;
    qsizetype maximo = 0;
    bool opcional = false;
    QStringView control; // a check digit or a kind of date; empty for none
};

Parte parte(QStringView texto)
{
    Parte resultado;
    if (const qsizetype coma = texto.indexOf(u','); coma >= 0) {
        resultado.control = texto.sliced(coma + 1);
        texto = texto.first(coma);
    }
    resultado.opcional = texto.startsWith(u'[');
    if (resultado.opcional)
        texto = texto.sliced(1, texto.size() - 2);
    resultado.juego = texto[0];
    const bool variable = texto.sliced(1).startsWith(u"..");
    resultado.maximo = texto.sliced(variable ? 3 : 1).toInt();
    resultado.minimo = variable ? 1 : resultado.maximo;
    return resultado;
}

bool controlCorrecto(QStringView texto, QStringView control, QDate hoy)
{
    if (control == u"csum")
        return digitoControlCorrecto(texto);
    if (control == u"yymmd0")
        return fechaYYMMDD(texto, hoy).has_value();
    if (control == u"yymmdd")
        return texto.sliced(4) != u"00" && fechaYYMMDD(texto, hoy);
    if (control == u"yyyymmdd")
        return QDate(texto.first(4).toInt(), texto.sliced(4, 2).toInt(), texto.sliced(6).toInt()).isValid();
    return true; // a part with nothing to check
}

// Whether `datos` is a whole field of `formato`: its parts in order, each of
// its length and characters; only the last part runs to a maximum, and the
// optional ones come last.
bool campoValido(QStringView datos, QStringView formato, QDate hoy)
{
    for (const QStringView texto : formato.tokenize(u' ')) {
        const Parte p = parte(texto);
        if (datos.isEmpty() && p.opcional)
            return true;
        const QStringView trozo = datos.first(std::min(datos.size(), p.maximo));
        if (trozo.size() < p.minimo || !enJuego(trozo, p.juego) || !controlCorrecto(trozo, p.control, hoy))
            return false;
        datos = datos.sliced(trozo.size());
    }
    return datos.isEmpty();
}

// The length of a field whose length is predefined: all its parts are fixed.
qsizetype largoPredefinido(QStringView formato)
{
    qsizetype largo = 0;
    for (const QStringView texto : formato.tokenize(u' '))
        largo += parte(texto).maximo;
    return largo;
}

// Collects the fields of a string; false when it is not GS1.
class Lector
{
public:
    explicit Lector(QDate hoy)
        : m_hoy(hoy)
    {}

    bool campo(QStringView ai, QStringView datos, const Identificador &fila)
    {
        if (!campoValido(datos, fila.formato, m_hoy))
            return false;
        // The same field twice is one reading; with two values it is a broken
        // string, not a choice between them.
        const QString clave = ai.toString();
        if (m_campos.contains(clave))
            return m_campos.value(clave) == datos;
        m_campos.insert(clave, datos.toString());
        return true;
    }

    std::optional<LecturaGs1> resultado() const
    {
        if (m_campos.isEmpty())
            return std::nullopt;
        LecturaGs1 lectura;
        if (m_campos.contains(u"10"_s))
            lectura.lote = m_campos.value(u"10"_s);
        if (m_campos.contains(u"17"_s))
            lectura.caducidad = fechaYYMMDD(m_campos.value(u"17"_s), m_hoy);
        if (m_campos.contains(u"01"_s))
            lectura.articulo = m_campos.value(u"01"_s);
        return lectura;
    }

private:
    QDate m_hoy;
    QHash<QString, QString> m_campos;
};

std::optional<LecturaGs1> leerEntreParentesis(QStringView texto, QDate hoy)
{
    Lector lector(hoy);
    qsizetype pos = 0;
    while (pos < texto.size()) {
        if (texto[pos] != u'(')
            return std::nullopt;
        const qsizetype cierre = texto.indexOf(u')', pos);
        if (cierre < 0)
            return std::nullopt;
        const QStringView ai = texto.sliced(pos + 1, cierre - pos - 1);
        const Identificador *fila = identificador(ai);
        if (!fila || ai.size() != fila->desde.size())
            return std::nullopt;
        qsizetype fin = texto.indexOf(u'(', cierre + 1);
        if (fin < 0)
            fin = texto.size();
        if (!lector.campo(ai, texto.sliced(cierre + 1, fin - cierre - 1), *fila))
            return std::nullopt;
        pos = fin;
    }
    return lector.resultado();
}

std::optional<LecturaGs1> leerSeguido(QStringView texto, QDate hoy)
{
    Lector lector(hoy);
    qsizetype pos = 0;
    while (pos < texto.size()) {
        const QStringView resto = texto.sliced(pos);
        const Identificador *fila = identificador(resto);
        if (!fila)
            return std::nullopt;
        const qsizetype digitos = fila->desde.size();
        const QStringView datos = resto.sliced(digitos);
        qsizetype largo = datos.indexOf(Separador);
        if (largo < 0)
            largo = datos.size();
        if (fila->predefinido)
            largo = std::min(largoPredefinido(fila->formato), largo);
        if (!lector.campo(resto.first(digitos), datos.first(largo), *fila))
            return std::nullopt;
        pos += digitos + largo;
        // A separator ends a variable field; some printers put one after a
        // fixed one too.
        if (pos < texto.size() && texto[pos] == Separador)
            ++pos;
    }
    return lector.resultado();
}

} // namespace

std::optional<LecturaGs1> leerGs1(QStringView texto, QDate hoy)
{
    bool marcado = texto.contains(Separador);
    for (QStringView prefijo : {u"]C1", u"]d2", u"]Q3", u"]e0"}) {
        if (texto.startsWith(prefijo)) {
            texto = texto.sliced(prefijo.size());
            marcado = true;
            break;
        }
    }
    // Some scanners send the leading function character as a separator.
    if (texto.startsWith(Separador))
        texto = texto.sliced(1);
    if (texto.startsWith(u'('))
        return marcado ? std::nullopt : leerEntreParentesis(texto, hoy);
    // Unmarked, only an article number (whose check digit the table has
    // checked) tells a label from a lot code.
    if (!marcado && !texto.startsWith(u"01") && !texto.startsWith(u"02"))
        return std::nullopt;
    return leerSeguido(texto, hoy);
}

} // namespace NVLALotes

#include "Gs1.h"

#include "foundation/core/values/Gs1Comprobaciones.h"

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
// exactly 6, X..20 1 to 20; [..] optional; after commas, the checks of the
// part's content. `requiere`: blank-separated, each a list of alternatives
// one of which must stand beside it, an alternative being identifiers joined
// by +; `excluye`, those that may not. In both an n stands for any digit.
struct Identificador
{
    QStringView desde;
    QStringView hasta;
    bool predefinido;
    QStringView formato;
    QStringView requiere;
    QStringView excluye;
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

// One part of a field's format, as GS1's table writes it: "N13,csum,gcppos1",
// "[N3],iso3166"...
struct Parte
{
    QChar juego;
    qsizetype minimo = 0;
    qsizetype maximo = 0;
    bool opcional = false;
    QStringView comprobaciones; // comma-separated; empty for none
};

Parte parte(QStringView texto)
{
    Parte resultado;
    if (const qsizetype coma = texto.indexOf(u','); coma >= 0) {
        resultado.comprobaciones = texto.sliced(coma + 1);
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

bool parteCorrecta(QStringView trozo, const Parte &p, QDate hoy)
{
    if (trozo.size() < p.minimo || !Gs1::enJuego(trozo, p.juego))
        return false;
    return std::ranges::all_of(p.comprobaciones.tokenize(u','),
                               [&](QStringView nombre) { return Gs1::comprobacionCorrecta(trozo, nombre, hoy); });
}

// Whether `datos` is a whole field of `formato`: its parts in order, each of
// its length and characters; only the last part runs to a maximum, and the
// optional ones come last.
bool campoValido(QStringView datos, QStringView formato, QDate hoy)
{
    for (const QStringView texto : formato.tokenize(u' ', Qt::SkipEmptyParts)) {
        const Parte p = parte(texto);
        if (datos.isEmpty() && p.opcional)
            return true;
        const QStringView trozo = datos.first(std::min(datos.size(), p.maximo));
        if (!parteCorrecta(trozo, p, hoy))
            return false;
        datos = datos.sliced(trozo.size());
    }
    return datos.isEmpty();
}

// The length of a field whose length is predefined: all its parts are fixed.
qsizetype largoPredefinido(QStringView formato)
{
    qsizetype largo = 0;
    for (const QStringView texto : formato.tokenize(u' ', Qt::SkipEmptyParts))
        largo += parte(texto).maximo;
    return largo;
}

// Whether identifier `ai` fits `patron`, where an n stands for any digit.
bool encaja(QStringView ai, QStringView patron)
{
    if (ai.size() != patron.size())
        return false;
    for (qsizetype i = 0; i < ai.size(); ++i)
        if (patron[i] != u'n' && patron[i] != ai[i])
            return false;
    return true;
}

// Collects the fields of a string; false when it is not GS1.
class Lector
{
public:
    Lector(QDate hoy, RigorGs1 rigor)
        : m_hoy(hoy)
        , m_rigor(rigor)
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
        m_filas.insert(clave, &fila);
        return true;
    }

    std::optional<LecturaGs1> resultado() const
    {
        if (m_campos.isEmpty() || !asociacionesCorrectas())
            return std::nullopt;
        LecturaGs1 lectura;
        if (m_campos.contains(u"10"_s))
            lectura.lote = m_campos.value(u"10"_s);
        if (m_campos.contains(u"17"_s))
            lectura.caducidad = Gs1::fechaYYMMDD(m_campos.value(u"17"_s), m_hoy);
        if (m_campos.contains(u"01"_s))
            lectura.articulo = m_campos.value(u"01"_s);
        return lectura;
    }

private:
    // Whether an identifier fitting `patron` other than `propio` is in the string.
    bool hay(QStringView patron, QStringView propio = {}) const
    {
        return std::ranges::any_of(m_campos.keys(),
                                   [&](const QString &ai) { return ai != propio && encaja(ai, patron); });
    }

    // Whether one of the alternatives of `lista` stands whole in the string.
    bool algunaPresente(QStringView lista) const
    {
        for (const QStringView alternativa : lista.tokenize(u','))
            if (std::ranges::all_of(alternativa.tokenize(u'+'), [this](QStringView ai) { return hay(ai); }))
                return true;
        return false;
    }

    // GS1's pairs: what each field needs beside it and what it may not stand with.
    bool asociacionesCorrectas() const
    {
        for (auto it = m_filas.cbegin(); it != m_filas.cend(); ++it) {
            const QString &ai = it.key();
            for (const QStringView excluido : it.value()->excluye.tokenize(u',', Qt::SkipEmptyParts))
                if (hay(excluido, ai))
                    return false;
            // A supplier's label with a lot or an expiry but without what GS1
            // asks beside them is read all the same: the clerk should not type a
            // lot because the supplier's label is incomplete.
            if (m_rigor == RigorGs1::Lectura && (ai == u"10" || ai == u"17"))
                continue;
            for (const QStringView lista : it.value()->requiere.tokenize(u' ', Qt::SkipEmptyParts))
                if (!algunaPresente(lista))
                    return false;
        }
        return true;
    }

    QDate m_hoy;
    RigorGs1 m_rigor;
    QHash<QString, QString> m_campos;
    QHash<QString, const Identificador *> m_filas;
};

std::optional<LecturaGs1> leerEntreParentesis(QStringView texto, Lector lector)
{
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

std::optional<LecturaGs1> leerSeguido(QStringView texto, Lector lector)
{
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

std::optional<LecturaGs1> leerGs1(QStringView texto, QDate hoy, RigorGs1 rigor)
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
        return marcado ? std::nullopt : leerEntreParentesis(texto, Lector(hoy, rigor));
    // Unmarked, only an article number (whose check digit the table has
    // checked) tells a label from a lot code.
    if (!marcado && !texto.startsWith(u"01") && !texto.startsWith(u"02"))
        return std::nullopt;
    return leerSeguido(texto, Lector(hoy, rigor));
}

} // namespace NVLALotes

#include "Gs1.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr QChar Separador = QChar(29);

// How a field is read, by the first two digits of its identifier. Predefined
// fields have a known length and need no separator after them; the others run
// to the separator or to the end.
struct Identificador
{
    int digitos = 0; // 0: no such identifier
    int minimo = 0;
    int maximo = 0;
    bool numerico = false;
    bool predefinido = false;
};

constexpr Identificador Fijo(int digitos, int largo)
{
    return {digitos, largo, largo, true, true};
}

constexpr Identificador Variable(int digitos, int maximo, bool numerico = false)
{
    return {digitos, 1, maximo, numerico, false};
}

constexpr std::array<Identificador, 100> tablaIdentificadores()
{
    std::array<Identificador, 100> tabla{};
    tabla[0] = Fijo(2, 18); // SSCC
    tabla[1] = tabla[2] = tabla[3] = Fijo(2, 14);
    tabla[4] = Fijo(2, 16);
    tabla[10] = Variable(2, 20); // lot
    for (int fecha : {11, 12, 13, 15, 16, 17})
        tabla.at(fecha) = Fijo(2, 6);
    tabla[20] = Fijo(2, 2);
    tabla[21] = tabla[22] = Variable(2, 20);
    tabla[24] = tabla[25] = Variable(3, 30);
    tabla[30] = tabla[37] = Variable(2, 8, true);
    for (int medida = 31; medida <= 36; ++medida)
        tabla.at(medida) = Fijo(4, 6);
    tabla[39] = Variable(4, 15, true);
    tabla[40] = Variable(3, 30);
    tabla[41] = Fijo(3, 13);
    tabla[42] = Variable(3, 20);
    tabla[70] = tabla[72] = Variable(4, 30);
    tabla[71] = Variable(3, 20);
    tabla[80] = tabla[81] = tabla[82] = Variable(4, 70);
    tabla[90] = Variable(2, 30);
    for (int interno = 91; interno <= 99; ++interno)
        tabla.at(interno) = Variable(2, 90);
    return tabla;
}

constexpr std::array<Identificador, 100> Identificadores = tablaIdentificadores();

bool soloDigitos(QStringView texto)
{
    for (const QChar c : texto) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return !texto.isEmpty();
}

// Printable ASCII without the blank: what a label can carry in a field.
bool caracteresValidos(QStringView texto)
{
    return std::ranges::all_of(texto, [](QChar c) { return c.unicode() >= 0x21 && c.unicode() <= 0x7e; });
}

Identificador identificador(QStringView texto)
{
    if (texto.size() < 2 || !soloDigitos(texto.first(2)))
        return {};
    return Identificadores.at(size_t(texto.first(2).toInt()));
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

// Collects the fields the library wants; false when the string is not GS1.
class Lector
{
public:
    explicit Lector(QDate hoy)
        : m_hoy(hoy)
    {}

    bool campo(QStringView ai, QStringView datos, const Identificador &tipo)
    {
        if (datos.size() < tipo.minimo || datos.size() > tipo.maximo || !caracteresValidos(datos))
            return false;
        if (tipo.numerico && !soloDigitos(datos))
            return false;
        ++m_campos;
        // The same field twice is a broken string, not a choice between two.
        if (ai == u"10") {
            if (m_lectura.lote)
                return false;
            m_lectura.lote = datos.toString();
        } else if (ai == u"17") {
            if (m_lectura.caducidad)
                return false;
            m_lectura.caducidad = fechaYYMMDD(datos, m_hoy);
            return m_lectura.caducidad.has_value();
        }
        return true;
    }

    std::optional<LecturaGs1> resultado() const
    {
        if (m_campos == 0)
            return std::nullopt;
        return m_lectura;
    }

private:
    QDate m_hoy;
    LecturaGs1 m_lectura;
    int m_campos = 0;
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
        const Identificador tipo = identificador(ai);
        if (tipo.digitos == 0 || ai.size() != tipo.digitos || !soloDigitos(ai))
            return std::nullopt;
        qsizetype fin = texto.indexOf(u'(', cierre + 1);
        if (fin < 0)
            fin = texto.size();
        if (!lector.campo(ai, texto.sliced(cierre + 1, fin - cierre - 1), tipo))
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
        const Identificador tipo = identificador(resto);
        if (tipo.digitos == 0 || resto.size() <= tipo.digitos || !soloDigitos(resto.first(tipo.digitos)))
            return std::nullopt;
        const QStringView datos = resto.sliced(tipo.digitos);
        qsizetype largo = datos.indexOf(Separador);
        if (largo < 0)
            largo = datos.size();
        if (tipo.predefinido)
            largo = std::min<qsizetype>(tipo.minimo, largo);
        if (!lector.campo(resto.first(tipo.digitos), datos.first(largo), tipo))
            return std::nullopt;
        pos += tipo.digitos + largo;
        // A separator ends a variable field; some printers put one after a
        // fixed one too.
        if (pos < texto.size() && texto[pos] == Separador)
            ++pos;
    }
    return lector.resultado();
}

} // namespace

std::optional<LecturaGs1> LeerGs1(QStringView texto, QDate hoy)
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
    if (!marcado) {
        const bool conArticulo = texto.startsWith(u"01") || texto.startsWith(u"02");
        if (!conArticulo || texto.size() < 16 || !soloDigitos(texto.sliced(2, 14)) ||
            !digitoControlCorrecto(texto.sliced(2, 14)))
            return std::nullopt;
    }
    return leerSeguido(texto, hoy);
}

} // namespace NVLALotes

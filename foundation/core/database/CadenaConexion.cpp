#include "CadenaConexion.h"

#include "foundation/core/values/ErrorLotes.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// One "key=value" piece from `desde`; braces protect ';' inside a value.
qsizetype finDelPar(const QString &texto, qsizetype desde)
{
    int llaves = 0;
    for (qsizetype i = desde; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == u'{')
            ++llaves;
        else if (c == u'}' && llaves > 0)
            --llaves;
        else if (c == u';' && llaves == 0)
            return i;
    }
    return texto.size();
}

QString sinLlaves(const QString &valor)
{
    if (valor.size() >= 2 && valor.startsWith(u'{') && valor.endsWith(u'}'))
        return valor.mid(1, valor.size() - 2);
    return valor;
}

bool esClave(QStringView clave)
{
    return clave.compare(u"Pwd", Qt::CaseInsensitive) == 0 || clave.compare(u"Password", Qt::CaseInsensitive) == 0;
}

} // namespace

CadenaConexion::CadenaConexion(const QString &texto)
{
    qsizetype i = 0;
    while (i < texto.size()) {
        const qsizetype fin = finDelPar(texto, i);
        const QString par = texto.mid(i, fin - i).trimmed();
        i = fin + 1;
        if (par.isEmpty())
            continue;
        const qsizetype igual = par.indexOf(u'=');
        if (igual <= 0)
            throw ErrorLotes(NumeroError::ConexionNoValida,
                             u"La cadena de conexión tiene un elemento sin valor: «%1»."_s.arg(par),
                             u"NVLALotes.Conexion"_s);
        m_pares.append({par.left(igual).trimmed(), par.mid(igual + 1).trimmed()});
    }
    if (m_pares.isEmpty())
        throw ErrorLotes(NumeroError::ConexionNoValida, u"La cadena de conexión está vacía."_s,
                         u"NVLALotes.Conexion"_s);
}

QString CadenaConexion::valor(QStringView clave, const QString &predeterminado) const
{
    for (const auto &[nombre, valor] : m_pares) {
        if (clave.compare(nombre, Qt::CaseInsensitive) == 0)
            return sinLlaves(valor);
    }
    return predeterminado;
}

QString CadenaConexion::valor(std::initializer_list<QStringView> claves, const QString &predeterminado) const
{
    for (QStringView clave : claves) {
        if (contiene(clave))
            return valor(clave);
    }
    return predeterminado;
}

int CadenaConexion::esperaBloqueoMs() const
{
    bool numero = false;
    const int ms = valor(u"BusyTimeout").toInt(&numero);
    return numero && ms >= 0 ? ms : EsperaBloqueoMs;
}

bool CadenaConexion::driverOdbc() const
{
    const auto driver = std::ranges::find_if(
        m_pares, [](const auto &par) { return par.first.compare(u"Driver", Qt::CaseInsensitive) == 0; });
    return driver != m_pares.end() && driver->second.size() >= 2 && driver->second.startsWith(u'{') &&
           driver->second.endsWith(u'}');
}

bool CadenaConexion::contiene(QStringView clave) const
{
    return std::ranges::any_of(m_pares,
                               [&](const auto &par) { return clave.compare(par.first, Qt::CaseInsensitive) == 0; });
}

QString CadenaConexion::textoSinClave() const
{
    QStringList partes;
    for (const auto &[nombre, valor] : m_pares)
        partes << nombre + u'=' + (esClave(nombre) ? u"***"_s : valor);
    return partes.join(u';');
}

} // namespace NVLALotes

#include "TraduccionTSql.h"

#include <QRegularExpression>

#include <functional>

using namespace Qt::StringLiterals;

namespace NVLALotes::TraduccionTSql {

namespace {

// Applies `cambio` to every stretch of the text outside single-quoted literals
// ('' inside a literal is a quote, as in T-SQL).
QString fueraDeLiterales(const QString &sql, const std::function<QString(const QString &)> &cambio)
{
    QString resultado;
    resultado.reserve(sql.size() + 16);
    qsizetype inicio = 0;
    qsizetype i = 0;
    while (i < sql.size()) {
        if (sql.at(i) != u'\'') {
            ++i;
            continue;
        }
        resultado += cambio(sql.mid(inicio, i - inicio));
        qsizetype fin = i + 1;
        while (fin < sql.size()) {
            if (sql.at(fin) == u'\'' && fin + 1 < sql.size() && sql.at(fin + 1) == u'\'')
                fin += 2;
            else if (sql.at(fin) == u'\'')
                break;
            else
                ++fin;
        }
        fin = qMin(fin + 1, sql.size());
        resultado += sql.mid(i, fin - i);
        inicio = i = fin;
    }
    resultado += cambio(sql.mid(inicio));
    return resultado;
}

// The text with every quoted literal blanked out, same length, to search the code alone.
QString literalesEnBlanco(const QString &sql)
{
    QString copia = sql;
    bool enLiteral = false;
    for (QChar &letra : copia) {
        if (letra == u'\'')
            enLiteral = !enLiteral; // '' inside a literal closes and reopens it: same result
        else if (enLiteral)
            letra = u' ';
    }
    return copia;
}

QString reemplazarFuera(const QString &sql, const QRegularExpression &patron, const QString &por)
{
    return fueraDeLiterales(sql, [&](const QString &codigo) {
        QString copia = codigo;
        return copia.replace(patron, por);
    });
}

} // namespace

QString quitarEsquemaDbo(const QString &sql)
{
    static const QRegularExpression patron(u"\\bdbo\\.(?=\\w)"_s, QRegularExpression::CaseInsensitiveOption);
    return reemplazarFuera(sql, patron, QString());
}

QString isNullComoCoalesce(const QString &sql)
{
    static const QRegularExpression patron(u"\\bISNULL\\s*\\("_s, QRegularExpression::CaseInsensitiveOption);
    return reemplazarFuera(sql, patron, u"COALESCE("_s);
}

QString nombreServidorDeTabla(const QString &sql)
{
    static const QRegularExpression patron(u"@@SERVERNAME\\b"_s, QRegularExpression::CaseInsensitiveOption);
    return reemplazarFuera(sql, patron, u"(SELECT MAX(Nombre) FROM Servidor)"_s);
}

QString deleteConJoinComoExists(const QString &sql)
{
    static const QRegularExpression patron(
        u"^\\s*DELETE\\s+(\\w+)\\s+FROM\\s+(\\w+)\\s+(?:AS\\s+)?(\\w+)\\s+INNER\\s+JOIN\\s+(\\w+)\\s+(?:AS\\s+)?(\\w+)"
        "\\s+ON\\s+(.+?)(?:\\s+WHERE\\s+(.+?))?\\s*;?\\s*$"_s,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    // A literal left open would swallow the brackets around the condition: the
    // engine gets the text as it is and says what is wrong with it.
    if (sql.count(u'\'') % 2 != 0)
        return sql;
    // The words are found in the code alone, so a WHERE inside a lot code does
    // not split the join's condition; the parts are then taken from the text.
    const QRegularExpressionMatch m = patron.match(literalesEnBlanco(sql));
    const auto parte = [&](int n) { return sql.mid(m.capturedStart(n), m.capturedLength(n)); };
    if (!m.hasMatch() || parte(1).compare(parte(3), Qt::CaseInsensitive) != 0)
        return sql;
    QString condicion = u"(%1)"_s.arg(parte(6));
    if (m.hasCaptured(7) && !parte(7).isEmpty())
        condicion += u" AND (%1)"_s.arg(parte(7));
    return u"DELETE FROM %1 AS %2 WHERE EXISTS (SELECT 1 FROM %3 %4 WHERE %5)"_s.arg(parte(2), parte(3), parte(4),
                                                                                     parte(5), condicion);
}

QString ordenDeUnionSinAlias(const QString &sql)
{
    static const QRegularExpression palabraUnion(u"\\bUNION\\b"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression orden(u"\\bORDER\\s+BY\\b"_s, QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression alias(u"\\b\\w+\\.(?=\\w)"_s);
    // Only the code outside literals decides where the union's order starts.
    const QString codigo = literalesEnBlanco(sql);
    const qsizetype ultimaUnion = codigo.lastIndexOf(palabraUnion);
    if (ultimaUnion < 0)
        return sql;
    const QRegularExpressionMatch m = orden.match(codigo, ultimaUnion);
    if (!m.hasMatch())
        return sql;
    return sql.left(m.capturedEnd()) + reemplazarFuera(sql.mid(m.capturedEnd()), alias, QString());
}

} // namespace NVLALotes::TraduccionTSql

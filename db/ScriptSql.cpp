#include "ScriptSql.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace NVLALotes::BaseDatosHost {

namespace {

// Where the construct opened at `i` ends (the index just past it), or -1 when
// nothing opens there.
qsizetype finDeBloque(const QString &s, qsizetype i)
{
    if (s.at(i) == u'\'') {
        qsizetype j = i + 1;
        while (j < s.size()) {
            if (s.at(j) == u'\'' && j + 1 < s.size() && s.at(j + 1) == u'\'')
                j += 2;
            else if (s.at(j++) == u'\'')
                return j;
        }
        return s.size();
    }
    if (s.mid(i, 2) == u"--"_s) {
        const qsizetype fin = s.indexOf(u'\n', i);
        return fin < 0 ? s.size() : fin;
    }
    if (s.mid(i, 2) == u"/*"_s) {
        const qsizetype fin = s.indexOf(u"*/"_s, i + 2);
        return fin < 0 ? s.size() : fin + 2;
    }
    if (s.at(i) == u'$') {
        static const QRegularExpression etiqueta(u"\\$[A-Za-z_]*\\$"_s);
        const QRegularExpressionMatch m =
            etiqueta.match(s, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (m.hasMatch()) {
            const qsizetype fin = s.indexOf(m.captured(), i + m.capturedLength());
            return fin < 0 ? s.size() : fin + m.capturedLength();
        }
    }
    return -1;
}

bool soloComentarios(const QString &sentencia)
{
    static const QRegularExpression comentarios(u"--[^\\n]*|/\\*.*?\\*/"_s,
                                                QRegularExpression::DotMatchesEverythingOption);
    return QString(sentencia).remove(comentarios).trimmed().isEmpty();
}

} // namespace

QStringList sentenciasDe(const QString &script)
{
    QStringList sentencias;
    qsizetype inicio = 0;
    qsizetype i = 0;
    auto cerrar = [&](qsizetype fin) {
        const QString sentencia = script.mid(inicio, fin - inicio).trimmed();
        if (!soloComentarios(sentencia))
            sentencias << sentencia;
    };
    while (i < script.size()) {
        const qsizetype fin = finDeBloque(script, i);
        if (fin >= 0) {
            i = fin;
        } else if (script.at(i) == u';') {
            cerrar(i);
            inicio = ++i;
        } else {
            ++i;
        }
    }
    cerrar(script.size());
    return sentencias;
}

} // namespace NVLALotes::BaseDatosHost

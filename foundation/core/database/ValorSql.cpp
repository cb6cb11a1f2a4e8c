#include "ValorSql.h"

#include "foundation/core/values/ErrorLotes.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes::ValorSql {

namespace {

bool soloCifras(QStringView cifras)
{
    return !cifras.isEmpty() &&
           std::all_of(cifras.begin(), cifras.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

QString texto(const QString &valor)
{
    return u'\'' + QString(valor).replace(u'\'', u"''"_s) + u'\'';
}

QString entero(const QString &valor, const QString &nombre, const QString &origen)
{
    const QStringView cifras = QStringView(valor).mid(valor.startsWith(u'-') ? 1 : 0);
    bool cabe = false;
    if (soloCifras(cifras))
        (void)valor.toLongLong(&cabe);
    if (!cabe)
        throw ErrorLotes(
            NumeroError::ConversionTipo,
            u"El valor de %1 no es un número entero: \"%2\". No se ha enviado nada a la base de datos."_s.arg(nombre,
                                                                                                              valor),
            origen);
    return valor;
}

} // namespace NVLALotes::ValorSql

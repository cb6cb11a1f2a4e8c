#include "ReglasStockLotes.h"

#include "foundation/core/database/ValorSql.h"
#include "foundation/core/host/Formatos.h"

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes::ReglasStockLotes {

namespace {

bool esCifra(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// A positive stock as the lists write it, "1.234,56": one to three digits, then
// groups of a point and three digits, a comma and two decimals. Nothing else is
// taken, so what is read is what the locale's reading would give.
std::optional<Currency> stockEnFormaUsual(QStringView texto)
{
    constexpr qsizetype MaximoCaracteres = 20; // far from the range of the raw value
    const qsizetype n = texto.size();
    if (n < 4 || n > MaximoCaracteres || texto[n - 3] != u',' || !esCifra(texto[n - 2]) || !esCifra(texto[n - 1]))
        return std::nullopt;
    qint64 entero = 0;
    int enGrupo = 0;
    bool agrupado = false;
    for (qsizetype i = 0; i < n - 3; ++i) {
        const QChar c = texto[i];
        if (esCifra(c)) {
            entero = entero * 10 + (c.unicode() - u'0');
            ++enGrupo;
        } else if (c == u'.' && enGrupo >= 1 && enGrupo <= 3 && (!agrupado || enGrupo == 3)) {
            agrupado = true;
            enGrupo = 0;
        } else {
            return std::nullopt;
        }
    }
    if (agrupado ? enGrupo != 3 : enGrupo < 1 || enGrupo > 3)
        return std::nullopt;
    const int centesimas = (texto[n - 2].unicode() - u'0') * 10 + (texto[n - 1].unicode() - u'0');
    return Currency::fromRaw(entero * Currency::Escala + centesimas * (Currency::Escala / 100));
}

} // namespace

QString consulta(const QString &seleccion, qint16 empresa, qint16 almacen, qint32 articulo, bool soloStockPositivo)
{
    QString sql = seleccion + u" FROM Almacen_Articulos_Lotes a"_s + u" INNER JOIN Articulos_Lotes b"_s +
                  u" ON a.Cod_Empresa = b.Cod_Empresa AND a.Cod_Lote = b.Cod_Lote"_s + u" WHERE a.Cod_Empresa = "_s +
                  ValorSql::numero(empresa) + u" AND a.Cod_Almacen = "_s + ValorSql::numero(almacen) +
                  u" AND b.Cod_Articulo = "_s + ValorSql::numero(articulo);
    if (soloStockPositivo)
        sql += u" AND a.Stock_Actual > 0"_s;
    sql += u" ORDER BY a.Stock_Actual"_s;
    return sql;
}

Currency stockMostrado(QStringView texto)
{
    // Every row a long search passes is read back: the usual form costs a pass
    // over its digits, anything else the locale's full reading.
    static const bool formaEspanola = [] {
        const QLocale &locale = Formatos::instancia().locale();
        return locale.decimalPoint() == u"," && locale.groupSeparator() == u"." &&
               !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);
    }();
    if (formaEspanola) {
        if (const auto stock = stockEnFormaUsual(texto))
            return *stock;
    }
    return Currency::parse(texto, Formatos::instancia().locale()).value_or(Currency());
}

Currency stockMostrado(Currency stock)
{
    constexpr quint64 Centesima = Currency::Escala / 100;
    const qint64 bruto = stock.raw();
    const quint64 magnitud = bruto < 0 ? 0 - quint64(bruto) : quint64(bruto);
    // Rounding drops the last two digits, so even the ends of the range stay in it.
    const auto redondeado = qint64((magnitud + Centesima / 2) / Centesima * Centesima);
    return Currency::fromRaw(bruto < 0 ? -redondeado : redondeado);
}

bool cubreUnidades(Currency stockMostrado, bool bloqueada, Currency unidades)
{
    return !bloqueada && stockMostrado >= unidades;
}

bool coincideTecleado(const QList<CeldaTecleada> &celdas, const std::function<QStringView(int)> &celda)
{
    return std::ranges::all_of(celdas, [&](const CeldaTecleada &c) { return celda(c.columna) == c.texto; });
}

} // namespace NVLALotes::ReglasStockLotes

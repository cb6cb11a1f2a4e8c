#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <limits>
#include <span>

namespace NVLALotes {

// A data row as a source gives it to the grid: its text cells tab-separated in
// `linea`, and the values of the columns that keep values (numbers, dates),
// left to right, which are written out only when their cell is shown or read
// as text. A long list so costs no formatting for rows nobody looks at. A value
// cell whose value is SinValor shows its text in `linea`, as a text cell does.
struct FilaOrigen
{
    static constexpr qint64 SinValor = std::numeric_limits<qint64>::min();
    static constexpr int MaximoValores = 2;

    QString linea;
    std::array<qint64, MaximoValores> valores{SinValor, SinValor};
};

// How a value column writes its value.
using FormatoValor = std::function<QString(qint64 valor)>;

// Where a cell's text sits: the grid's three choices, all centred vertically.
enum class AlineacionCelda { IzquierdaCentro, CentroCentro, DerechaCentro };

} // namespace NVLALotes

namespace NVLALotes::LineaRejilla {

// The tab-separated line a grid row is appended from, written over `linea`:
// a list reading many rows reuses one line's room for all of them. A tab or
// line break inside a value would shift the row's cells, so it is shown as a
// blank.
inline void unir(QString &linea, std::initializer_list<QStringView> celdas)
{
    qsizetype longitud = 0;
    for (const QStringView celda : celdas)
        longitud += celda.size() + 1;
    linea.resize(std::max<qsizetype>(longitud - 1, 0));
    const std::span<QChar> destino(linea.data(), std::size_t(linea.size()));
    std::size_t escritos = 0;
    for (const QStringView &celda : celdas) {
        if (&celda != celdas.begin())
            destino[escritos++] = u'\t';
        for (const QChar c : celda)
            destino[escritos++] = c == u'\t' || c == u'\n' || c == u'\r' ? QChar(u' ') : c;
    }
}

inline QString unir(std::initializer_list<QStringView> celdas)
{
    QString linea;
    unir(linea, celdas);
    return linea;
}

// A record's field as a cell: the whole number a driver gives as one is
// written in place, without a string of its own, as a list writes one key per
// row; any other value as its text.
class CeldaDeCampo
{
public:
    explicit CeldaDeCampo(const QVariant &campo)
    {
        switch (campo.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Short:
            escribirEntero(campo.toLongLong());
            break;
        default:
            m_texto = campo.toString();
        }
    }
    QStringView vista() const
    {
        return m_inicio == m_cifras.size() ? QStringView(m_texto) : QStringView(m_cifras).sliced(qsizetype(m_inicio));
    }

private:
    void escribirEntero(qint64 valor)
    {
        const bool negativo = valor < 0;
        // Counted in unsigned, so the lowest value has its digits too.
        quint64 resto = negativo ? 0 - quint64(valor) : quint64(valor);
        do {
            m_cifras.at(--m_inicio) = char16_t(u'0' + resto % 10);
            resto /= 10;
        } while (resto != 0);
        if (negativo)
            m_cifras.at(--m_inicio) = u'-';
    }

    QString m_texto;
    std::array<char16_t, 20> m_cifras{};
    std::size_t m_inicio = m_cifras.size();
};

} // namespace NVLALotes::LineaRejilla

#include "ModeloRejilla.h"

#include "foundation/core/values/Conversiones.h"

#include <QBrush>
#include <QFont>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr QChar Tabulador = u'\t';
// Dark enough to read on white, apart from every colour the lists use.
const QColor ColorCaducado(176, 0, 32);

// The first tab from `desde` on, or -1. Cells are a few characters long, so a
// plain loop costs less than setting up the library's search for each one.
qsizetype tabuladorDesde(QStringView linea, qsizetype desde)
{
    for (qsizetype i = desde; i < linea.size(); ++i) {
        if (linea[i] == Tabulador)
            return i;
    }
    return -1;
}

// Start and end (exclusive) of cell `col` of a tab-separated line; start -1
// when the line has fewer cells.
std::pair<qsizetype, qsizetype> limitesCelda(QStringView linea, int col)
{
    qsizetype inicio = 0;
    for (int c = 0; c < col; ++c) {
        const qsizetype tabulador = tabuladorDesde(linea, inicio);
        if (tabulador < 0)
            return {-1, -1};
        inicio = tabulador + 1;
    }
    const qsizetype fin = tabuladorDesde(linea, inicio);
    return {inicio, fin < 0 ? linea.size() : fin};
}

QStringView celda(QStringView linea, int col)
{
    const auto [inicio, fin] = limitesCelda(linea, col);
    return inicio < 0 ? QStringView() : linea.sliced(inicio, fin - inicio);
}

// A long list appends every row through here: tab by tab through Qt's
// vectorised search.
QStringView primerasCeldas(QStringView linea, int columnas)
{
    if (columnas <= 0)
        return {};
    qsizetype tabulador = -1;
    for (int tabuladores = 0; tabuladores < columnas; ++tabuladores) {
        tabulador = linea.indexOf(Tabulador, tabulador + 1);
        if (tabulador < 0)
            return linea;
    }
    return linea.first(tabulador);
}

QString conCelda(QString linea, int col, QString texto)
{
    // A tab inside a cell would split it in two.
    texto.replace(Tabulador, u' ');
    const auto [inicio, fin] = limitesCelda(linea, col);
    if (inicio >= 0)
        return linea.replace(inicio, fin - inicio, texto);
    const qsizetype celdas = linea.count(Tabulador) + 1;
    return linea + QString(col - celdas + 1, Tabulador) + texto;
}

Qt::Alignment alineacionQt(AlineacionCelda alineacion)
{
    switch (alineacion) {
    case AlineacionCelda::CentroCentro:
        return Qt::AlignCenter;
    case AlineacionCelda::DerechaCentro:
        return Qt::AlignRight | Qt::AlignVCenter;
    case AlineacionCelda::IzquierdaCentro:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

ModeloRejilla::ModeloRejilla(QObject *parent)
    : QAbstractTableModel(parent)
{}

ModeloRejilla::~ModeloRejilla() = default;

int ModeloRejilla::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_publicadas;
}

int ModeloRejilla::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columnas;
}

QVariant ModeloRejilla::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_publicadas || index.column() >= m_columnas)
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return texto(index.row() + 1, index.column());
    if ((role == Qt::ForegroundRole || role == Qt::ToolTipRole) && index.column() == m_columnaCaducidad &&
        caducada(index.row() + 1))
        return role == Qt::ForegroundRole ? QVariant(QBrush(ColorCaducado)) : QVariant(u"Lote caducado"_s);
    return formato(index.row() + 1, index.column(), role);
}

void ModeloRejilla::fijarColumnaCaducidad(int col, QDate hoy)
{
    m_columnaCaducidad = col;
    m_hoy = hoy;
    if (col >= 0)
        avisarCambio({1, col, filas() - 1, col});
}

bool ModeloRejilla::caducada(int fila) const
{
    if (m_columnaCaducidad < 0 || m_columnaCaducidad >= m_columnas)
        return false;
    // Texts that are no date (the automatic row, an empty cell) read as the
    // null date, which stands for "no expiry" and never counts.
    const std::optional<qint64> dia = valor(fila, m_columnaCaducidad);
    const QDate fecha = dia ? QDate::fromJulianDay(*dia) : fechaDeTexto(celda(linea(fila), m_columnaCaducidad));
    return fecha > fechaNula() && fecha < m_hoy;
}

QVariant ModeloRejilla::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columnas)
        return {};
    if (role == Qt::DisplayRole)
        return texto(0, section);
    return formato(0, section, role);
}

Qt::ItemFlags ModeloRejilla::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags editable = index.column() == m_columnaEditable ? Qt::ItemIsEditable : Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren | editable;
}

bool ModeloRejilla::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    fijarTexto(index.row() + 1, index.column(), value.toString());
    Q_EMIT celdaEditada(index.row() + 1, index.column());
    return true;
}

QVariant ModeloRejilla::formato(int fila, int col, int role) const
{
    switch (role) {
    case Qt::TextAlignmentRole:
        return int(alineacion(fila, col));
    case Qt::FontRole:
        if (m_negritas.en(fila, col).value_or(false)) {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
        return {};
    case Qt::BackgroundRole:
        if (const QColor color = m_fondos.en(fila, col).value_or(QColor()); color.isValid())
            return QBrush(color);
        return {};
    default:
        return {};
    }
}

Qt::Alignment ModeloRejilla::alineacion(int fila, int col) const
{
    if (const auto dada = m_alineaciones.en(fila, col))
        return alineacionQt(*dada);
    if (fila == 0)
        return Qt::AlignCenter;
    if (const auto [primera, ultima] = tramoUnido(fila, col); primera != ultima)
        return Qt::AlignCenter;
    return alineacionQt(m_alineacionColumna[col]);
}

void ModeloRejilla::fijarFilas(int filas)
{
    const int datos = std::max(filas, 1) - 1;
    const int antes = int(m_filas.size());
    if (datos < antes) {
        if (datos < m_publicadas) {
            beginRemoveRows({}, datos, m_publicadas - 1);
            m_filas.resize(datos);
            m_publicadas = datos;
            endRemoveRows();
        } else {
            m_filas.resize(datos);
        }
        m_alineaciones.recortar(datos + 1, m_columnas);
        m_negritas.recortar(datos + 1, m_columnas);
        m_fondos.recortar(datos + 1, m_columnas);
        if (datos == 0)
            liberarFilas();
    } else if (datos > antes) {
        if (!m_redibujar) {
            m_filas.resize(datos);
            return;
        }
        beginInsertRows({}, antes, datos - 1);
        m_filas.resize(datos);
        m_publicadas = datos;
        endInsertRows();
    }
}

void ModeloRejilla::liberarFilas()
{
    // A list read again (another warehouse, say) must not keep the last one's texts.
    const QString cabecera = linea(0).toString();
    m_filas.clear();
    m_lineas.vaciar();
    m_cabecera.linea = m_lineas.guardar(cabecera);
}

void ModeloRejilla::fijarColumnas(int columnas)
{
    columnas = std::max(columnas, 0);
    if (columnas > m_columnas) {
        beginInsertColumns({}, m_columnas, columnas - 1);
        m_columnas = columnas;
        m_alineacionColumna.resize(columnas, Alineacion::IzquierdaCentro);
        m_formatoColumna.resize(columnas);
        m_ranura.resize(columnas, -1);
        endInsertColumns();
    } else if (columnas < m_columnas) {
        beginRemoveColumns({}, columnas, m_columnas - 1);
        m_columnas = columnas;
        m_alineacionColumna.resize(columnas);
        m_formatoColumna.resize(columnas);
        m_ranura.resize(columnas);
        // The texts stay where they are, shortened.
        m_cabecera.linea.longitud = qint32(primerasCeldas(linea(0), columnas).size());
        for (qsizetype i = 0; i < m_filas.size(); ++i)
            m_filas[i].linea.longitud = qint32(primerasCeldas(m_lineas.ver(m_filas[i].linea), columnas).size());
        m_alineaciones.recortar(filas(), columnas);
        m_negritas.recortar(filas(), columnas);
        m_fondos.recortar(filas(), columnas);
        endRemoveColumns();
    }
}

void ModeloRejilla::fijarColumnaValor(int col, FormatoValor formato)
{
    m_formatoColumna[col] = std::move(formato);
    int ranura = 0;
    for (int c = 0; c < m_columnas; ++c)
        m_ranura[c] = m_formatoColumna[c] && ranura < FilaOrigen::MaximoValores ? ranura++ : -1;
    avisarCambio({1, col, filas() - 1, col});
}

std::optional<qint64> ModeloRejilla::valor(int fila, int col) const
{
    const int ranura = col < m_ranura.size() ? m_ranura[col] : -1;
    if (ranura < 0)
        return std::nullopt;
    const qint64 guardado = this->fila(fila).valores.at(ranura);
    return guardado == FilaOrigen::SinValor ? std::nullopt : std::optional<qint64>(guardado);
}

QString ModeloRejilla::texto(int fila, int col) const
{
    if (const std::optional<qint64> guardado = valor(fila, col))
        return m_formatoColumna[col](*guardado);
    return celda(linea(fila), col).toString();
}

QStringView ModeloRejilla::vista(int fila, int col, QString &formateado) const
{
    if (const std::optional<qint64> guardado = valor(fila, col)) {
        formateado = m_formatoColumna[col](*guardado);
        return formateado;
    }
    return celda(linea(fila), col);
}

void ModeloRejilla::fijarTexto(int fila, int col, const QString &texto)
{
    Fila &destino = this->fila(fila);
    if (const int ranura = m_ranura.value(col, -1); ranura >= 0)
        destino.valores.at(ranura) = FilaOrigen::SinValor;
    destino.linea = m_lineas.guardar(conCelda(linea(fila).toString(), col, texto));
    // In a merging row the neighbours may join or leave the cell's band.
    if (filaUnida(fila))
        avisarCambio({fila, 0, fila, m_columnas - 1});
    else
        avisarCambio({fila, col, fila, col});
}

void ModeloRejilla::agregarFila(const QString &lineaTabulada)
{
    const int antes = int(m_filas.size());
    anexar(FilaOrigen{lineaTabulada});
    publicarDesde(antes);
}

void ModeloRejilla::anexar(const FilaOrigen &fila)
{
    m_filas.append(Fila{fila.valores, m_lineas.guardar(primerasCeldas(fila.linea, m_columnas))});
}

void ModeloRejilla::fijarAlineacionColumna(int col, Alineacion alineacion)
{
    m_alineacionColumna[col] = alineacion;
    avisarCambio({1, col, filas() - 1, col});
}

void ModeloRejilla::fijarAlineacion(const RangoCeldas &rango, Alineacion alineacion)
{
    m_alineaciones.poner(rango, alineacion);
    avisarCambio(rango);
}

void ModeloRejilla::fijarNegrita(const RangoCeldas &rango, bool negrita)
{
    m_negritas.poner(rango, negrita);
    avisarCambio(rango);
}

void ModeloRejilla::fijarColorFondo(const RangoCeldas &rango, const QColor &color)
{
    m_fondos.poner(rango, color);
    avisarCambio(rango);
}

void ModeloRejilla::fijarModoUnion(int modo)
{
    m_modoUnion = modo;
    avisarCambio({0, 0, filas() - 1, m_columnas - 1});
}

void ModeloRejilla::fijarUnionFila(int fila, bool unir)
{
    this->fila(fila).unir = unir;
    avisarCambio({fila, 0, fila, m_columnas - 1});
}

bool ModeloRejilla::filaUnida(int fila) const
{
    return m_modoUnion != 0 && this->fila(fila).unir;
}

std::pair<int, int> ModeloRejilla::tramoUnido(int fila, int col) const
{
    if (!filaUnida(fila))
        return {col, col};
    // Merging rows are few (a header, a summary): their cells are compared as shown.
    const QString propio = texto(fila, col);
    if (propio.isEmpty())
        return {col, col};
    int primera = col;
    while (primera > 0 && texto(fila, primera - 1) == propio)
        --primera;
    int ultima = col;
    while (ultima + 1 < m_columnas && texto(fila, ultima + 1) == propio)
        ++ultima;
    return {primera, ultima};
}

void ModeloRejilla::fijarRedibujar(bool redibujar)
{
    if (redibujar == m_redibujar)
        return;
    m_redibujar = redibujar;
    if (!redibujar)
        return;
    beginResetModel();
    m_publicadas = int(m_filas.size());
    endResetModel();
}

void ModeloRejilla::avisarCambio(const RangoCeldas &rango)
{
    if (!m_redibujar || m_columnas == 0)
        return;
    const int col2 = std::min(rango.col2, m_columnas - 1);
    if (rango.fila1 == 0)
        Q_EMIT headerDataChanged(Qt::Horizontal, rango.col1, col2);
    const int primera = std::max(rango.fila1, 1) - 1;
    const int ultima = std::min(rango.fila2, m_publicadas) - 1;
    if (primera <= ultima && rango.col1 <= col2)
        Q_EMIT dataChanged(index(primera, rango.col1), index(ultima, col2));
}

} // namespace NVLALotes

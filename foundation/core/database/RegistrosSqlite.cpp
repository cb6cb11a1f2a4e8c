#include "RegistrosSqlite.h"

#include <array>
#include <span>
#include <sqlite3.h>

namespace NVLALotes {

namespace {

ConversionColumna conversionDeTipo(const char *tipoDeclarado)
{
    if (!tipoDeclarado)
        return ConversionColumna::Ninguna;
    const QByteArray tipo = QByteArray(tipoDeclarado).toUpper();
    if (tipo == "DATE")
        return ConversionColumna::Fecha;
    if (tipo == "DATETIME" || tipo == "TIMESTAMP")
        return ConversionColumna::FechaHora;
    if (tipo == "TIME")
        return ConversionColumna::Hora;
    return ConversionColumna::Ninguna;
}

} // namespace

QStringList RegistrosSqlite::nombres(const SentenciaSqlite &sentencia)
{
    QStringList nombres;
    const int columnas = sqlite3_column_count(sentencia.sentencia());
    for (int i = 0; i < columnas; ++i)
        nombres << QString::fromUtf8(sqlite3_column_name(sentencia.sentencia(), i)).remove(u'"');
    return nombres;
}

QList<ConversionColumna> RegistrosSqlite::conversiones(const SentenciaSqlite &sentencia)
{
    QList<ConversionColumna> conversiones;
    const int columnas = sqlite3_column_count(sentencia.sentencia());
    for (int i = 0; i < columnas; ++i)
        conversiones << conversionDeTipo(sqlite3_column_decltype(sentencia.sentencia(), i));
    return conversiones;
}

RegistrosSqlite::RegistrosSqlite(std::shared_ptr<const Conexion> conexion, std::unique_ptr<SentenciaSqlite> sentencia,
                                 bool hayPrimero)
    : RegistrosCampos(nombres(*sentencia), conversiones(*sentencia))
    , m_conexion(std::move(conexion))
    , m_sentencia(std::move(sentencia))
    , m_hayPrimero(hayPrimero)
{}

bool RegistrosSqlite::siguiente()
{
    // Off the record first: a step that fails leaves none to read.
    setEnRegistro(false);
    bool hay = false;
    if (m_primero) {
        m_primero = false;
        hay = m_hayPrimero;
    } else {
        hay = m_sentencia->paso();
    }
    setEnRegistro(hay);
    return hay;
}

QVariant RegistrosSqlite::campo(int indice) const
{
    comprobarCampo(indice);
    sqlite3_stmt *sentencia = m_sentencia->sentencia();
    switch (sqlite3_column_type(sentencia, indice)) {
    case SQLITE_TEXT:
        break;
    case SQLITE_NULL:
        // A null of any column reads as a null text, whatever its declared type.
        return QVariant(QMetaType::fromType<QString>());
    default:
        return m_sentencia->valor(indice);
    }
    if (conversion(indice) == ConversionColumna::Ninguna) {
        QString texto;
        const QStringView vista = textoColumna(indice, {}, texto);
        return vista.data() == texto.constData() ? texto : vista.toString();
    }
    // A date or a number written as text is short: read from the stack.
    std::array<QChar, 40> corto{};
    QString largo;
    return convertirTexto(textoColumna(indice, corto, largo), conversion(indice));
}

QStringView RegistrosSqlite::texto(int indice) const
{
    comprobarCampo(indice);
    if (sqlite3_column_type(m_sentencia->sentencia(), indice) != SQLITE_TEXT ||
        conversion(indice) != ConversionColumna::Ninguna)
        return Registros::texto(indice);
    return textoColumna(indice, {}, textoGuardado(indice));
}

QStringView RegistrosSqlite::textoColumna(int indice, std::span<QChar> corto, QString &otro) const
{
    sqlite3_stmt *sentencia = m_sentencia->sentencia();
    // The text first, then its length: asking for the text may convert it.
    const unsigned char *inicio = sqlite3_column_text(sentencia, indice);
    const std::span<const unsigned char> bytes(inicio, std::size_t(sqlite3_column_bytes(sentencia, indice)));
    if (bytes.empty())
        return u""; // empty, not null
    std::span<QChar> destino = corto;
    if (bytes.size() > corto.size()) {
        // Resized in place: a string kept from the last record has the room.
        otro.resize(qsizetype(bytes.size()));
        destino = std::span<QChar>(otro.data(), bytes.size());
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] >= 0x80) {
            // Decoded into the caller's string, never the engine's own UTF-16:
            // that one dies when the column is next read as UTF-8.
            otro = QString::fromUtf8(QByteArrayView(inicio, qsizetype(bytes.size())));
            return otro;
        }
        destino[i] = QChar(char16_t(bytes[i]));
    }
    return destino.first(bytes.size());
}

} // namespace NVLALotes

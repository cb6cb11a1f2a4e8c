#include "RegistrosSqlite.h"

#include "foundation/core/database/UtilSql.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QCoreApplication>
#include <QSqlError>

#include <array>
#include <span>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

RegistrosSqlite::RegistrosSqlite(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta,
                                 QList<ConversionColumna> conversiones, sqlite3_stmt *sentencia)
    : RegistrosQt(std::move(conexion), std::move(consulta), std::move(conversiones))
    , m_sentencia(sentencia)
    , m_precision(consultaQt().numericalPrecisionPolicy())
{}

bool RegistrosSqlite::siguiente()
{
    if (m_acabado) {
        salirDelRegistro();
        return false;
    }
    if (m_primero) {
        // Qt has stepped the statement onto the first record already, or
        // steps it there now.
        m_primero = false;
        m_acabado = !RegistrosQt::siguiente();
        return !m_acabado;
    }
    const int paso = sqlite3_step(m_sentencia);
    if (paso == SQLITE_ROW)
        return true;
    m_acabado = true;
    salirDelRegistro();
    // Reset, as Qt does, so that the finished statement holds no read lock;
    // after a failure it also gives the engine's own error.
    const int codigo = sqlite3_reset(m_sentencia);
    if (paso == SQLITE_DONE)
        return false;
    const QSqlError error(
        QCoreApplication::translate("QSQLiteResult", "Unable to fetch row"),
        QString::fromUtf16(static_cast<const char16_t *>(sqlite3_errmsg16(sqlite3_db_handle(m_sentencia)))),
        QSqlError::ConnectionError, QString::number(paso == SQLITE_ERROR ? codigo : paso));
    throw ErrorLotes(NumeroError::BaseDatos, UtilSql::descripcionError(error), u"NVLALotes.Registros"_s);
}

QVariant RegistrosSqlite::campo(int indice) const
{
    comprobarCampo(indice);
    switch (sqlite3_column_type(m_sentencia, indice)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(m_sentencia, indice));
    case SQLITE_FLOAT:
        if (m_precision == QSql::LowPrecisionInt32)
            return sqlite3_column_int(m_sentencia, indice);
        if (m_precision == QSql::LowPrecisionInt64)
            return qlonglong(sqlite3_column_int64(m_sentencia, indice));
        return sqlite3_column_double(m_sentencia, indice);
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB: {
        const auto *datos = static_cast<const char *>(sqlite3_column_blob(m_sentencia, indice));
        return QByteArray(datos, sqlite3_column_bytes(m_sentencia, indice));
    }
    default:
        break;
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
    if (sqlite3_column_type(m_sentencia, indice) != SQLITE_TEXT || conversion(indice) != ConversionColumna::Ninguna)
        return RegistrosQt::texto(indice);
    return textoColumna(indice, {}, textoGuardado(indice));
}

QStringView RegistrosSqlite::textoColumna(int indice, std::span<QChar> corto, QString &otro) const
{
    // The text first, then its length: asking for the text may convert it.
    const unsigned char *inicio = sqlite3_column_text(m_sentencia, indice);
    const std::span<const unsigned char> bytes(inicio, std::size_t(sqlite3_column_bytes(m_sentencia, indice)));
    if (bytes.empty())
        return u""; // empty, as Qt gives it, not null
    std::span<QChar> destino = corto;
    if (bytes.size() > corto.size()) {
        // Resized in place: a string kept from the last record has the room.
        otro.resize(qsizetype(bytes.size()));
        destino = std::span<QChar>(otro.data(), bytes.size());
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] >= 0x80) {
            const auto *texto = static_cast<const char16_t *>(sqlite3_column_text16(m_sentencia, indice));
            return {texto, sqlite3_column_bytes16(m_sentencia, indice) / qsizetype(sizeof(char16_t))};
        }
        destino[i] = QChar(char16_t(bytes[i]));
    }
    return destino.first(bytes.size());
}

} // namespace NVLALotes

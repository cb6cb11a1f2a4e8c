#include "SentenciaSqlite.h"

#include "foundation/core/values/ErrorLotes.h"

#include <QDateTime>
#include <QTime>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

// A null of a type that has one binds NULL, as Qt's drivers read an empty
// string or date handed over for a column.
bool esNulo(const QVariant &valor)
{
    if (valor.isNull())
        return true;
    switch (valor.metaType().id()) {
    case QMetaType::QString:
        return valor.toString().isNull();
    case QMetaType::QByteArray:
        return valor.toByteArray().isNull();
    case QMetaType::QDate:
        return valor.toDate().isNull();
    case QMetaType::QDateTime:
        return valor.toDateTime().isNull();
    case QMetaType::QTime:
        return valor.toTime().isNull();
    default:
        return false;
    }
}

int enlazarTexto(sqlite3_stmt *sentencia, int posicion, const QString &texto)
{
    return sqlite3_bind_text16(sentencia, posicion, texto.utf16(), int(texto.size() * qsizetype(sizeof(char16_t))),
                               SQLITE_TRANSIENT);
}

} // namespace

QString fuenteSqlite()
{
    return u"NVLALotes (SQLite)"_s;
}

void lanzarErrorSqlite(sqlite3 *bd)
{
    const auto *mensaje = static_cast<const char16_t *>(sqlite3_errmsg16(bd));
    QString descripcion = mensaje ? QString::fromUtf16(mensaje) : QString();
    if (descripcion.isEmpty())
        descripcion = u"Error desconocido de la base de datos."_s;
    throw ErrorLotes(NumeroError::BaseDatos, descripcion, fuenteSqlite());
}

void SentenciaSqlite::Finalizar::operator()(sqlite3_stmt *sentencia) const
{
    sqlite3_finalize(sentencia);
}

SentenciaSqlite::SentenciaSqlite(sqlite3 *bd, QStringView sql)
    : m_bd(bd)
{
    sqlite3_stmt *sentencia = nullptr;
    const void *resto = nullptr;
    const int bytes = int(sql.size() * qsizetype(sizeof(char16_t)));
    if (sqlite3_prepare16_v3(bd, sql.utf16(), bytes, 0, &sentencia, &resto) != SQLITE_OK)
        lanzarErrorSqlite(bd);
    m_sentencia.reset(sentencia);
    const QStringView despues = sql.mid(static_cast<const char16_t *>(resto) - sql.utf16());
    // A second statement would be left unrun without a word.
    if (!despues.trimmed().isEmpty() && despues.trimmed() != u";")
        throw ErrorLotes(NumeroError::BaseDatos, u"No se pueden ejecutar varias sentencias a la vez: «%1»."_s.arg(sql),
                         fuenteSqlite());
    if (!sentencia)
        throw ErrorLotes(NumeroError::BaseDatos, u"La sentencia está vacía."_s, fuenteSqlite());
}

void SentenciaSqlite::enlazar(int posicion, const QVariant &valor)
{
    sqlite3_stmt *sentencia = m_sentencia.get();
    int resultado = SQLITE_OK;
    if (esNulo(valor)) {
        resultado = sqlite3_bind_null(sentencia, posicion);
    } else {
        switch (valor.metaType().id()) {
        case QMetaType::QByteArray: {
            const QByteArray datos = valor.toByteArray();
            resultado = sqlite3_bind_blob(sentencia, posicion, datos.constData(), int(datos.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::Int:
        case QMetaType::Bool:
            resultado = sqlite3_bind_int(sentencia, posicion, valor.toInt());
            break;
        case QMetaType::Double:
            resultado = sqlite3_bind_double(sentencia, posicion, valor.toDouble());
            break;
        case QMetaType::UInt:
        case QMetaType::LongLong:
            resultado = sqlite3_bind_int64(sentencia, posicion, valor.toLongLong());
            break;
        case QMetaType::QDateTime:
            resultado = enlazarTexto(sentencia, posicion, valor.toDateTime().toString(Qt::ISODateWithMs));
            break;
        case QMetaType::QTime:
            resultado = enlazarTexto(sentencia, posicion, valor.toTime().toString(u"hh:mm:ss.zzz"));
            break;
        default:
            // Dates as yyyy-MM-dd, short integers and decimals as their text:
            // the column's affinity stores each as its kind.
            resultado = enlazarTexto(sentencia, posicion, valor.toString());
            break;
        }
    }
    if (resultado != SQLITE_OK)
        lanzarErrorSqlite(m_bd);
}

bool SentenciaSqlite::paso()
{
    if (m_acabada)
        return false;
    const int resultado = sqlite3_step(m_sentencia.get());
    if (resultado == SQLITE_ROW)
        return true;
    m_acabada = true;
    // The reset frees the read lock; after a failure it also sets the
    // engine's own message for it.
    sqlite3_reset(m_sentencia.get());
    if (resultado != SQLITE_DONE)
        lanzarErrorSqlite(m_bd);
    return false;
}

void SentenciaSqlite::reiniciar()
{
    sqlite3_reset(m_sentencia.get());
    m_acabada = false;
}

void SentenciaSqlite::ejecutarHastaElFinal()
{
    while (paso()) {
    }
}

QVariant SentenciaSqlite::valor(int indice) const
{
    sqlite3_stmt *sentencia = m_sentencia.get();
    switch (sqlite3_column_type(sentencia, indice)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(sentencia, indice));
    case SQLITE_FLOAT:
        return sqlite3_column_double(sentencia, indice);
    case SQLITE_NULL:
        return {};
    case SQLITE_BLOB: {
        const auto *datos = static_cast<const char *>(sqlite3_column_blob(sentencia, indice));
        return QByteArray(datos, sqlite3_column_bytes(sentencia, indice));
    }
    default: {
        const auto *texto = sqlite3_column_text(sentencia, indice);
        return QString::fromUtf8(QByteArrayView(texto, sqlite3_column_bytes(sentencia, indice)));
    }
    }
}

void SentenciaSqlite::ejecutar(sqlite3 *bd, QStringView sql, const QVariantList &valores)
{
    SentenciaSqlite sentencia(bd, sql);
    for (int i = 0; i < valores.size(); ++i)
        sentencia.enlazar(i + 1, valores[i]);
    sentencia.ejecutarHastaElFinal();
}

QVariant SentenciaSqlite::escalar(sqlite3 *bd, QStringView sql, const QVariantList &valores)
{
    SentenciaSqlite sentencia(bd, sql);
    for (int i = 0; i < valores.size(); ++i)
        sentencia.enlazar(i + 1, valores[i]);
    return sentencia.paso() ? sentencia.valor(0) : QVariant();
}

} // namespace NVLALotes

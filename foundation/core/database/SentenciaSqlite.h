#pragma once

#include <QString>
#include <QStringView>
#include <QVariant>
#include <QVariantList>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace NVLALotes {

// The source every error of the embedded engine reports.
QString fuenteSqlite();

// ErrorLotes (NumeroError::BaseDatos) with the engine's own message for the
// last call on `bd`.
[[noreturn]] void lanzarErrorSqlite(sqlite3 *bd);

// One statement of the embedded engine, prepared on the connection's own
// handle and finalized with it: nothing else ever steps it.
class SentenciaSqlite
{
public:
    // ErrorLotes when the engine refuses the text, or when it holds more than one statement.
    SentenciaSqlite(sqlite3 *bd, QStringView sql);

    // Binds `valor` to the marker at `posicion` (from 1) as the engine's
    // types take it: null, integer, real, blob or text (dates as ISO text).
    void enlazar(int posicion, const QVariant &valor);
    // Takes the next row: true on a row, false at the end; ErrorLotes with the
    // engine's reason when it fails. Past the end it stays at the end.
    bool paso();
    // Back to before the first row, bindings kept, so a cached statement runs
    // again and a finished one holds no read lock.
    void reiniciar();
    // Runs a changing statement to its end.
    void ejecutarHastaElFinal();
    // The field at `indice` of the current row as the engine stores it:
    // integer, real, text, blob or null.
    QVariant valor(int indice) const;

    // Prepares `sql`, binds `valores` in order and runs it to its end.
    static void ejecutar(sqlite3 *bd, QStringView sql, const QVariantList &valores);
    // The first column of the first row, or a null value without rows.
    static QVariant escalar(sqlite3 *bd, QStringView sql, const QVariantList &valores);

    sqlite3_stmt *sentencia() const { return m_sentencia.get(); }
    sqlite3 *bd() const { return m_bd; }

private:
    struct Finalizar
    {
        void operator()(sqlite3_stmt *sentencia) const;
    };

    sqlite3 *m_bd;
    std::unique_ptr<sqlite3_stmt, Finalizar> m_sentencia;
    bool m_acabada = false;
};

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QString>
#include <QStringView>

#include <utility>

namespace NVLALotes {

// A connection string: "Clave=Valor" pairs separated by ';'. Keys are read
// whatever their case; a value may be wrapped in braces to hold ';' ("{a;b}").
//
//   Driver=SQLite;Database=/var/lib/erp/lotes.db[;BusyTimeout=5000]
//   Driver=PostgreSQL;Server=127.0.0.1;Port=5432;Database=erp;Uid=erp;Pwd=secreto[;Timeout=5][;BusyTimeout=5000]
//   Driver=ODBC;DSN=erp;UID=sa;PWD=secreto        (every pair after Driver goes to the ODBC manager)
//   Driver=FreeTDS;Server=sqlhost;Port=1433;Database=erp;Uid=sa;Pwd=secreto[;TDS_Version=7.4]
//   Driver={ODBC Driver 18 for SQL Server};Server=sqlhost;...   (an ODBC driver by name: the whole text to unixODBC)
//
// SQLite, PostgreSQL and SQL Server (through unixODBC) are the engines; ODBC and
// FreeTDS both reach SQL Server and send it the host's text untouched.
class NVLA_CORE_EXPORT CadenaConexion
{
public:
    // How long a statement waits for a row or table another desk holds
    // before it gives up, unless BusyTimeout gives other milliseconds: long
    // enough for another desk's write to end, short enough that a clerk whose
    // dialog waits is told why instead of seeing it hang.
    static constexpr int EsperaBloqueoMs = 5000;

    // ErrorLotes (NumeroError::ConexionNoValida) for a text without pairs.
    explicit CadenaConexion(const QString &texto);

    QString valor(QStringView clave, const QString &predeterminado = {}) const;
    // The first of several accepted spellings ("Uid", "User", "User ID").
    QString valor(std::initializer_list<QStringView> claves, const QString &predeterminado = {}) const;
    bool contiene(QStringView clave) const;
    QString driver() const { return valor(u"Driver"); }
    // BusyTimeout in milliseconds; EsperaBloqueoMs when absent or not a number.
    int esperaBloqueoMs() const;
    // Whether Driver names an installed ODBC driver, in braces as ODBC
    // connection strings write it, rather than one of our engines.
    bool driverOdbc() const;
    // The pairs in their order, keys as written, braces kept.
    const QList<std::pair<QString, QString>> &pares() const { return m_pares; }
    // The text with the password hidden, for messages.
    QString textoSinClave() const;

private:
    QList<std::pair<QString, QString>> m_pares;
};

} // namespace NVLALotes

#pragma once

#include "foundation/core/database/Conexion.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <memory>
#include <optional>

// The database engine harness: the same test runs on SQLite and on PostgreSQL,
// one data row per engine, each on a fresh database with the host schema.
//
// Engines of a run: env NVLA_MOTORES ("sqlite", "postgresql", or both, the
// default; "odbc" is that PostgreSQL through unixODBC, as the host's SQL
// Server is reached). PostgreSQL: env NVLA_PG, a connection string of ours; the harness
// makes one database per test run (dropped at the end) and a fresh schema per
// test. Without NVLA_PG its rows are skipped, except when PostgreSQL is
// required (NVLA_PG_OBLIGATORIO=1, which scripts/pruebas.sh sets, or CI=true):
// then an unset or unreachable server fails the test.
namespace NVLALotes::Pruebas {

// Whether a missing PostgreSQL fails the tests instead of skipping them.
bool postgresObligatorio();

// The engines of this run: "sqlite", "postgresql", "odbc".
QStringList motores();
// Adds the column "motor" and one row per engine; for tests without cases.
void filasPorMotor();

class BaseDatosPrueba
{
public:
    // A connection to a fresh database of the engine with the schema, and the
    // demo data when `conDemo`. Null when the engine is not available, with the
    // reason, and whether the test should be skipped rather than failed.
    static std::shared_ptr<Conexion> crear(const QString &motor, bool conDemo, QString *motivo, bool *omitir);
    // The connection string of the database of the engine's last crear.
    static QString cadena(const QString &motor);
};

// A field as the tests compare it: numbers without trailing zeros ("4.996",
// "-2"), dates as yyyy-MM-dd, times as HH:mm:ss, null as "NULL".
QString textoValor(const QVariant &valor);
// Every record of a query, fields joined by '|', in the order received.
QStringList filasDe(Conexion &conexion, const QString &sql);

// The description of an ErrorLotes for a test message.
QString textoError(const ErrorLotes &error);
// The error the action raised, if any.
template<typename Accion> std::optional<ErrorLotes> errorDe(Accion &&accion)
{
    try {
        accion();
    } catch (const ErrorLotes &error) {
        return error;
    }
    return std::nullopt;
}

} // namespace NVLALotes::Pruebas

// Opens a fresh database of `motor` (with the demo data) into `variable`, or
// skips / fails the test as the harness decides.
#define NVLA_BASE_DATOS(variable, motor, conDemo)                                                                      \
    QString motivo_##variable;                                                                                         \
    bool omitir_##variable = false;                                                                                    \
    std::shared_ptr<NVLALotes::Conexion> variable =                                                                    \
        NVLALotes::Pruebas::BaseDatosPrueba::crear(motor, conDemo, &motivo_##variable, &omitir_##variable);            \
    if (!variable && omitir_##variable)                                                                                \
        QSKIP(qPrintable(motivo_##variable));                                                                          \
    if (!variable)                                                                                                     \
    QFAIL(qPrintable(motivo_##variable))

// The same in a test run once per engine (see filasPorMotor): `motor` is its row's engine.
#define NVLA_BASE_DEL_MOTOR(variable, conDemo)                                                                         \
    QFETCH_GLOBAL(QString, motor);                                                                                     \
    NVLA_BASE_DATOS(variable, motor, conDemo)

// Runs database code; a failure fails the test with the driver's message.
#define QVERIFY_SQL(...)                                                                                               \
    do {                                                                                                               \
        try {                                                                                                          \
            __VA_ARGS__;                                                                                               \
        } catch (const NVLALotes::ErrorLotes &error_) {                                                                \
            QFAIL(qPrintable(NVLALotes::Pruebas::textoError(error_)));                                                 \
        }                                                                                                              \
    } while (false)

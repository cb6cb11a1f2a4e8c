#pragma once

#include "foundation/core/database/Conexion.h"

#include <QString>

#include <memory>

// A connection that passes everything to a real one and makes one step fail on
// purpose: the Nth statement the library sends (a query, a change, a command,
// a transaction's begin, commit or rollback) or the Nth record it reads. The
// failure is the one a real engine error gives, ErrorLotes NumeroError::BaseDatos
// with the engine's name as its source, and the step is not passed on.
namespace NVLALotes::Pruebas {

class ConexionConFallo final : public Conexion
{
    // Counts the step, then passes it on to the real connection (defined
    // first: the overrides below deduce its type).
    template<class Metodo, class... Argumentos> auto paso(const QString &que, Metodo metodo, Argumentos &&...args)
    {
        m_contador->paso(que);
        return ((*m_real).*metodo)(std::forward<Argumentos>(args)...);
    }

public:
    // `fallarEn`: the step to fail, counted from 1; 0 fails none.
    ConexionConFallo(std::shared_ptr<Conexion> real, int fallarEn);

    std::unique_ptr<Registros> abrirConsulta(const QString &sql) override;
    qint64 ejecutar(const QString &sql) override
    {
        return paso(QStringLiteral("statement: ") + sql, &Conexion::ejecutar, sql);
    }
    void ejecutarComando(Comando &comando) override;
    const Dialecto &dialecto() const override { return m_real->dialecto(); }
    void iniciarTransaccion() override { paso(QStringLiteral("begin"), &Conexion::iniciarTransaccion); }
    void confirmarTransaccion() override { paso(QStringLiteral("commit"), &Conexion::confirmarTransaccion); }
    void deshacerTransaccion() override { paso(QStringLiteral("rollback"), &Conexion::deshacerTransaccion); }

    // Steps taken so far, the failed one included.
    int pasos() const { return m_contador->pasos; }
    // Whether the step to fail was reached.
    bool fallo() const { return m_contador->fallarEn > 0 && m_contador->pasos >= m_contador->fallarEn; }
    // What the failed step was ("query: SELECT ..."), for a test's message.
    QString pasoFallido() const { return m_contador->fallido; }

    // The description every injected failure carries.
    static QString textoFallo() { return QStringLiteral("Fallo provocado por la prueba"); }

    // Shared with the open results, whose records are steps too.
    struct Contador
    {
        int fallarEn = 0;
        QString motor;
        int pasos = 0;
        QString fallido;
        // Counts one step; raises the engine's error when it is the one to fail.
        void paso(const QString &que);
    };

private:
    std::shared_ptr<Conexion> m_real;
    std::shared_ptr<Contador> m_contador;
};

} // namespace NVLALotes::Pruebas

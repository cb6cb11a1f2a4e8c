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
public:
    // `fallarEn`: the step to fail, counted from 1; 0 fails none.
    ConexionConFallo(std::shared_ptr<Conexion> real, int fallarEn);

    std::unique_ptr<Registros> AbrirConsulta(const QString &sql) override;
    qint64 Ejecutar(const QString &sql) override;
    void EjecutarComando(Comando &comando) override;
    const Dialecto &dialecto() const override;
    void IniciarTransaccion() override;
    void ConfirmarTransaccion() override;
    void DeshacerTransaccion() override;

    // Steps taken so far, the failed one included.
    int Pasos() const;
    // Whether the step to fail was reached.
    bool Fallo() const;
    // What the failed step was ("query: SELECT ..."), for a test's message.
    QString PasoFallido() const;

    // The description every injected failure carries.
    static QString TextoFallo();

    struct Contador;

private:
    std::shared_ptr<Conexion> m_real;
    std::shared_ptr<Contador> m_contador; // shared with the open results
};

} // namespace NVLALotes::Pruebas

#pragma once

#include "foundation/core/database/ConexionAnidada.h"
#include "foundation/core/database/DialectoSqlite.h"
#include "foundation/core/database/FuncionesSqlite.h"
#include "foundation/core/database/SentenciaSqlite.h"

#include <QHash>

#include <memory>

struct sqlite3;

namespace NVLALotes {

class CadenaConexion;

// The embedded engine, on SQLite's own API: the library opens the file,
// prepares, steps and finalizes every statement on its own handle, so the
// process never mixes two copies of SQLite on one handle. Results it hands
// out keep it open until they are released.
class ConexionSqlite final : public ConexionAnidada, public std::enable_shared_from_this<ConexionSqlite>
{
public:
    // Opens at once; ErrorLotes (NumeroError::ConexionNoValida) when it cannot.
    explicit ConexionSqlite(const CadenaConexion &cadena);
    ~ConexionSqlite() override;
    ConexionSqlite(const ConexionSqlite &) = delete;
    ConexionSqlite &operator=(const ConexionSqlite &) = delete;

    std::unique_ptr<Registros> abrirConsulta(const QString &sql) override;
    qint64 ejecutar(const QString &sql) override;
    void ejecutarComando(Comando &comando) override;
    const Dialecto &dialecto() const override { return m_dialecto; }

protected:
    void ejecutarPasoTransaccion(PasoTransaccion paso, int nivel) override;

private:
    struct Cerrar
    {
        void operator()(sqlite3 *bd) const;
    };

    void configurar();
    void ejecutarTexto(Comando &comando);
    SentenciaSqlite &sentenciaPreparada(const QString &sql);

    DialectoSqlite m_dialecto;
    int m_esperaBloqueoMs = 0;
    std::unique_ptr<sqlite3, Cerrar> m_bd; // closed last, after every statement prepared on it
    FuncionesSqlite m_funciones;           // their statements are finalized before the handle closes
    QHash<QString, std::shared_ptr<SentenciaSqlite>> m_preparadas;
};

} // namespace NVLALotes

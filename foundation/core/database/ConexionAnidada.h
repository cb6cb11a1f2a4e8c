#pragma once

#include "foundation/core/database/Conexion.h"
#include "foundation/core/database/Dialecto.h"

namespace NVLALotes {

// A connection of the library's own: its units of work nest, the outermost
// as the transaction and each inner one as a savepoint of it, so that undoing
// an inner unit keeps what the outer one did.
class ConexionAnidada : public Conexion
{
public:
    void iniciarTransaccion() final;
    void confirmarTransaccion() final;
    void deshacerTransaccion() final;

protected:
    // Sends the statements of `paso` at nesting level `nivel` (0 the transaction).
    virtual void ejecutarPasoTransaccion(PasoTransaccion paso, int nivel) = 0;
    // Whether the transaction is already gone with its session: nothing to undo.
    virtual bool transaccionPerdida() const { return false; }
    // Units of work open: 1 the transaction, more its savepoints.
    int nivelTransaccion() const { return m_nivel; }

private:
    int m_nivel = 0;
};

} // namespace NVLALotes

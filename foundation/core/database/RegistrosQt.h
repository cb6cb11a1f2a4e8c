#pragma once

#include "foundation/core/database/DialectoQt.h"
#include "foundation/core/database/Registros.h"

#include <QSqlQuery>
#include <QStringList>

#include <memory>

namespace NVLALotes {

class Conexion;

// The result of a query on Qt SQL. It holds its connection, so the connection
// outlives every result read from it.
class RegistrosQt : public Registros
{
public:
    RegistrosQt(std::shared_ptr<const Conexion> conexion, QSqlQuery consulta, QList<ConversionColumna> conversiones);

    bool siguiente() override;
    QVariant campo(QStringView nombre) const override;
    QVariant campo(int indice) const override;
    int numeroCampos() const override { return int(m_nombres.size()); }

protected:
    const QSqlQuery &consultaQt() const { return m_consulta; }
    // The value of a text column as `conversion` types it.
    static QVariant convertirTexto(QStringView texto, ConversionColumna conversion);
    // Throws unless there is a current record with a field at `indice`.
    void comprobarCampo(int indice) const;
    ConversionColumna conversion(int indice) const { return m_conversiones.value(indice, ConversionColumna::Ninguna); }
    void salirDelRegistro() { m_enRegistro = false; }

private:
    void comprobarRegistroActual() const;

    std::shared_ptr<const Conexion> m_conexion; // first in, last out: the query goes before it
    QSqlQuery m_consulta;
    QList<ConversionColumna> m_conversiones;
    // The field names, read once: a record hands out a copy of a field for each name asked.
    QStringList m_nombres;
    bool m_enRegistro = false;
};

} // namespace NVLALotes

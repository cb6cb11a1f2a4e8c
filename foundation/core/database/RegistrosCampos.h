#pragma once

#include "foundation/core/database/Registros.h"

#include <QList>
#include <QStringList>

namespace NVLALotes {

// How a text value of a result column is turned into a typed value, for engines
// that store dates as text, and for exact decimals that the driver hands over
// as text (they become Currency when they fit it exactly).
enum class ConversionColumna { Ninguna, Fecha, FechaHora, Hora, Decimal };

// What every reader of the library's connections shares: its fields by name,
// the conversion of each, and the check that a field is asked for on a record.
class RegistrosCampos : public Registros
{
public:
    using Registros::campo;
    QVariant campo(QStringView nombre) const override;
    int numeroCampos() const override { return int(m_nombres.size()); }

protected:
    RegistrosCampos(QStringList nombres, QList<ConversionColumna> conversiones);

    // The value of a text column as `conversion` types it.
    static QVariant convertirTexto(QStringView texto, ConversionColumna conversion);
    // Throws unless there is a current record with a field at `indice`.
    void comprobarCampo(int indice) const;
    ConversionColumna conversion(int indice) const { return m_conversiones.value(indice, ConversionColumna::Ninguna); }
    void setEnRegistro(bool enRegistro) { m_enRegistro = enRegistro; }

private:
    void comprobarRegistroActual() const;

    // The field names, read once: a record hands out a copy of a field for each name asked.
    QStringList m_nombres;
    QList<ConversionColumna> m_conversiones;
    bool m_enRegistro = false;
};

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>

#include <stdexcept>

namespace NVLALotes {

// Error numbers the library raises to its host. The custom ones sit above the
// component error base, as the host's own components do; 13 is the host's
// "type mismatch" number so that a bad Boolean parameter reads as it always did,
// and 6 its "overflow", for a value that does not fit the type it is sent as.
namespace NumeroError {
inline constexpr qint32 BaseComponente = -2147221504 + 512;
inline constexpr qint32 ConversionTipo = 13;
inline constexpr qint32 Desbordamiento = 6;
inline constexpr qint32 LlamadaNoValida = 5;
inline constexpr qint32 ModeloLotesNoValido = BaseComponente + 1;
inline constexpr qint32 BaseDatos = BaseComponente + 2;
inline constexpr qint32 ConexionNoValida = BaseComponente + 3;
inline constexpr qint32 ClaseNoDisponible = BaseComponente + 4;
inline constexpr qint32 ProcedimientoSinClave = BaseComponente + 5;
inline constexpr qint32 ConexionPerdida = BaseComponente + 6;
} // namespace NumeroError

// The exception every error that reaches the host is raised as.
class NVLA_CORE_EXPORT ErrorLotes : public std::runtime_error
{
public:
    ErrorLotes(qint32 number, const QString &description, const QString &source);

    qint32 Number() const noexcept { return m_number; }
    QString Description() const { return m_description; }
    QString Source() const { return m_source; }

private:
    qint32 m_number;
    QString m_description;
    QString m_source;
};

} // namespace NVLALotes

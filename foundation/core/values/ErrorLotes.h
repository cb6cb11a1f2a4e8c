#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QString>

#include <stdexcept>

namespace NVLALotes {

/// Error numbers the library raises to its host. The custom ones sit above the
/// component error base, as the host's own components do; 13 is the host's
/// "type mismatch" number so that a bad Boolean parameter reads as it always did,
/// and 6 its "overflow", for a value that does not fit the type it is sent as.
namespace NumeroError {
/// The component error base: the library's own numbers follow it.
inline constexpr qint32 BaseComponente = -2147221504 + 512;
/// A value that does not convert, such as a Boolean parameter that is no Boolean.
inline constexpr qint32 ConversionTipo = 13;
inline constexpr qint32 Desbordamiento = 6; ///< A value that does not fit the type it is sent as.
/// A call the library cannot honour (a Modal other than 0 or 1, a viewer without report, ...).
inline constexpr qint32 LlamadaNoValida = 5;
inline constexpr qint32 ModeloLotesNoValido = BaseComponente + 1; ///< "Lotes_ModeloUsar" is not 1, 2, 3 or 4.
/// The database refused a statement; the description is the driver's message.
inline constexpr qint32 BaseDatos = BaseComponente + 2;
/// No company object or connection handed over, or a connection that cannot be opened.
inline constexpr qint32 ConexionNoValida = BaseComponente + 3;
/// A class that cannot be created: unknown identifier, or the host's factory gave none.
inline constexpr qint32 ClaseNoDisponible = BaseComponente + 4;
inline constexpr qint32 ProcedimientoSinClave = BaseComponente + 5; ///< The lot stock procedure gave no lot key back.
/// The server went away and the connection could not be restored.
inline constexpr qint32 ConexionPerdida = BaseComponente + 6;
} // namespace NumeroError

/// The exception every error that reaches the host is raised as.
class NVLA_CORE_EXPORT ErrorLotes : public std::runtime_error
{
public:
    /// An error with its number, its Spanish description and where it arose.
    ErrorLotes(qint32 number, const QString &description, const QString &source);

    qint32 Number() const noexcept { return m_number; }   ///< The error number (NumeroError).
    QString Description() const { return m_description; } ///< The description, in Spanish, as the clerk may see it.
    /// Where it arose, such as "frmclsLotesCompras.Show" or "modComun::Grupos".
    QString Source() const { return m_source; }

private:
    qint32 m_number;
    QString m_description;
    QString m_source;
};

} // namespace NVLALotes

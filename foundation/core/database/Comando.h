#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QString>
#include <QStringView>
#include <QVariant>

namespace NVLALotes {

/// The kinds of command the host's data access layer knows; the numbers are the
/// ones the host's own code uses, so a recorded command reads the same.
enum class TipoComando { Texto = 1, ProcedimientoAlmacenado = 4 };

/// The type of a command parameter; the numbers are the host's own.
enum class TipoDato {
    EnteroCorto = 2,     ///< 16-bit integer
    Entero = 3,          ///< 32-bit integer
    Moneda = 6,          ///< 64-bit fixed point, 4 decimals (Currency)
    EnteroByte = 16,     ///< one-byte integer
    FechaHora = 135,     ///< date and time
    TextoFijo = 129,     ///< fixed-length text, padded with blanks to its size
    TextoVariable = 200, ///< variable-length text
};

/// Which way a parameter's value travels.
enum class DireccionParametro { Entrada = 1, Salida = 2, EntradaSalida = 3, ValorRetorno = 4 };

/// One parameter of a command: its name, type, direction, size and value.
struct NVLA_CORE_EXPORT ParametroComando
{
    QString nombre;                                             ///< The parameter's name, such as "@Cod_Lote".
    TipoDato tipo = TipoDato::Entero;                           ///< The type of its value.
    DireccionParametro direccion = DireccionParametro::Entrada; ///< Whether the value goes in, comes out, or both.
    int tamano = 0; ///< The size of a text parameter in characters; 0 for other types.
    QVariant valor; ///< null until given; output values are written back here

    /// Whether the value goes to the engine (input or input-output).
    bool esEntrada() const;
    /// Whether the engine writes a value back (output, input-output or return value).
    bool esSalida() const;
    /// The value as the engine should receive it: integers checked against the
    /// declared type (ErrorLotes NumeroError::Desbordamiento when they do not
    /// fit), Currency as its exact decimal text, dates as QDate, texts cut to
    /// their size (the rule of the host's procedures on every engine) and fixed
    /// texts padded to it.
    QVariant valorParaMotor() const;
};

/// A command object: a text (a statement with `?` placeholders, or the name of a
/// stored procedure), its parameters in the order they were appended, and a
/// timeout in seconds. It holds no connection: Conexion::ejecutarComando runs it.
class NVLA_CORE_EXPORT Comando
{
public:
    static constexpr int TiempoEsperaPredeterminado = 30; ///< Seconds a command may run unless told otherwise.

    /// Seconds the command may run before it fails.
    void setTiempoEspera(int segundos) { m_tiempoEspera = segundos; }
    int tiempoEspera() const { return m_tiempoEspera; } ///< The seconds the command may run.
    /// The statement, or the name of the stored procedure.
    void setTexto(const QString &texto) { m_texto = texto; }
    const QString &texto() const { return m_texto; } ///< The statement or the procedure's name.
    /// Whether the text is a statement or a stored procedure.
    void setTipo(TipoComando tipo) { m_tipo = tipo; }
    TipoComando tipo() const { return m_tipo; } ///< Whether the text is a statement or a stored procedure.
    /// A prepared command keeps its compiled statement on the connection, so
    /// running it again with other values costs no new compilation.
    void setPreparado(bool preparado) { m_preparado = preparado; }
    bool preparado() const { return m_preparado; } ///< Whether the command is prepared.

    /// Creates a parameter by name, type, direction and size and appends it.
    void agregarParametro(const QString &nombre, TipoDato tipo, DireccionParametro direccion, int tamano = 0);
    qsizetype numeroParametros() const { return m_parametros.size(); } ///< How many parameters the command has.
    /// ErrorLotes for a position or name that the command does not have.
    ParametroComando &parametro(qsizetype posicion);
    const ParametroComando &parametro(qsizetype posicion) const; ///< The parameter at a position, from 0.
    ParametroComando &parametro(QStringView nombre);             ///< The parameter of that name.
    /// The value of the parameter at a position, from 0.
    void setValor(qsizetype posicion, const QVariant &valor) { parametro(posicion).valor = valor; }
    /// The value of the parameter at a position: after a run, what the engine wrote back.
    QVariant valor(qsizetype posicion) const { return parametro(posicion).valor; }
    /// Every parameter, in the order they were appended.
    const QList<ParametroComando> &parametros() const { return m_parametros; }

    /// rows the last run changed, as the engine reported them (-1 when unknown).
    qint64 filasAfectadas() const { return m_filasAfectadas; }
    void setFilasAfectadas(qint64 filas) { m_filasAfectadas = filas; } ///< Set by the connection that ran it.

private:
    QString m_texto;
    TipoComando m_tipo = TipoComando::Texto;
    int m_tiempoEspera = TiempoEsperaPredeterminado;
    bool m_preparado = false;
    qint64 m_filasAfectadas = -1;
    QList<ParametroComando> m_parametros;
};

} // namespace NVLALotes

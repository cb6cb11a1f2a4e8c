#include "InsercionMasiva.h"

#include "foundation/core/database/Conexion.h"

using namespace Qt::StringLiterals;

namespace NVLALotes::BaseDatosHost {

InsercionMasiva::InsercionMasiva(Conexion &conexion, QString tabla, QList<Columna> columnas, int filasPorSentencia)
    : m_conexion(conexion)
    , m_tabla(std::move(tabla))
    , m_columnas(std::move(columnas))
    , m_filasPorSentencia(qMax(1, filasPorSentencia))
{
    m_completo = comandoPara(m_filasPorSentencia);
}

Comando InsercionMasiva::comandoPara(qsizetype filas) const
{
    QStringList nombres;
    QStringList marcas;
    for (const Columna &columna : m_columnas) {
        nombres << columna.nombre;
        marcas << u"?"_s;
    }
    const QString fila = u"("_s + marcas.join(u", "_s) + u')';
    QStringList valores;
    for (qsizetype i = 0; i < filas; ++i)
        valores << fila;
    Comando comando;
    comando.setTexto(u"INSERT INTO %1 (%2) VALUES %3"_s.arg(m_tabla, nombres.join(u", "_s), valores.join(u", "_s)));
    comando.setPreparado(true);
    for (qsizetype i = 0; i < filas; ++i) {
        for (const Columna &columna : m_columnas)
            comando.agregarParametro(columna.nombre, columna.tipo, DireccionParametro::Entrada, 0);
    }
    return comando;
}

void InsercionMasiva::agregar(const QVariantList &fila)
{
    m_pendientes << fila;
    if (m_pendientes.size() == m_filasPorSentencia)
        enviar();
}

void InsercionMasiva::terminar()
{
    if (!m_pendientes.isEmpty())
        enviar();
}

void InsercionMasiva::enviar()
{
    Comando resto;
    Comando &comando =
        m_pendientes.size() == m_filasPorSentencia ? m_completo : (resto = comandoPara(m_pendientes.size()));
    qsizetype posicion = 0;
    for (const QVariantList &fila : std::as_const(m_pendientes)) {
        for (const QVariant &valor : fila)
            comando.setValor(posicion++, valor);
    }
    m_conexion.ejecutarComando(comando);
    m_filas += m_pendientes.size();
    m_pendientes.clear();
}

} // namespace NVLALotes::BaseDatosHost

#pragma once

#include "foundation/core/database/Comando.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace NVLALotes {
class Conexion;
}

namespace NVLALotes::BaseDatosHost {

// Inserts many rows into one table with prepared multi-row INSERT statements:
// rows are gathered and sent `filasPorSentencia` at a time, so the engine
// compiles the statement once and sees few round trips.
class InsercionMasiva
{
public:
    struct Columna
    {
        QString nombre;
        TipoDato tipo;
    };

    InsercionMasiva(Conexion &conexion, QString tabla, QList<Columna> columnas, int filasPorSentencia = 100);

    void agregar(const QVariantList &fila);
    // Sends the rows still gathered.
    void terminar();
    qint64 filas() const { return m_filas; }

private:
    Comando comandoPara(qsizetype filas) const;
    void enviar();

    Conexion &m_conexion;
    QString m_tabla;
    QList<Columna> m_columnas;
    int m_filasPorSentencia;
    Comando m_completo;
    QList<QVariantList> m_pendientes;
    qint64 m_filas = 0;
};

} // namespace NVLALotes::BaseDatosHost

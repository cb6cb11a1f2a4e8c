#pragma once

#include <QString>
#include <QtGlobal>

// One clerk of the load benchmark: a host process of its own, with the library
// and its dialogs offscreen, working a day drawn from a seed against the
// shared server until its time is up. It tells the benchmark what happened on
// standard output, one line each:
//   op KIND END_EPOCH_MS MS OUTCOME        an operation, OUTCOME ok, refused, lost, error or hang
//   stock WAREHOUSE LOT UNITS              units a procedure call confirmed it added
//   doubt WAREHOUSE ARTICLE UNITS          a call cut with the connection: written or not
namespace NVLALotes::Carga {

// The articles of the generated warehouse: ArticulosGenerados from PrimerArticulo,
// LotesPorArticulo lots each, in warehouse 1; transfers go to warehouse 2.
inline constexpr qint32 PrimerArticulo = 9001;
inline constexpr int ArticulosGenerados = 1000;
inline constexpr int LotesPorArticulo = 100;

struct Encargo
{
    QString cadena; // the connection string
    quint32 semilla = 0;
    int segundos = 0; // how long the day lasts
    int numero = 0;   // the clerk's number, part of the lot codes only it creates
};

int oficinista(const Encargo &encargo);

} // namespace NVLALotes::Carga

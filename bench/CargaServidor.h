#pragma once

#include <QList>

// The server side of the load benchmark (see bench_carga.cpp): its own
// PostgreSQL, the generated warehouse, the clerk processes of each run, the
// restart, and the lines counted over each run's final database.
namespace NVLALotes::Carga {

// Runs every number of clerks without and with the restart, `segundos` each;
// answers 0 when every run could be made and counted.
int medirCarga(int segundos, const QList<int> &oficinistas);

} // namespace NVLALotes::Carga

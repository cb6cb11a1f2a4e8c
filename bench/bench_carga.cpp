// Many desks on one server: N clerk processes (each a host with the library
// and its dialogs offscreen, this same program run with --oficinista) work a
// day drawn from a fixed seed against one PostgreSQL that the benchmark starts
// on loopback in a folder of its own, on a generated warehouse of 1,000
// articles with 100 lots each. Each run starts from the same copy of it.
//
//   bench_carga [SECONDS [CLERKS...]]      60 seconds, 1 and 8 clerks by default
//
// Environment: NVLA_CARGA_PUERTO, the server's port (55491); NVLA_CARGA_DIR, a
// folder that keeps the server and its generated warehouse for the next time;
// NVLA_CARGA_MENSAJES, to print every message a clerk read and every window
// it closed after a refusal (errors are always printed).
//
// For each number of clerks it runs the day twice: as it is (restart=0), and
// with the server stopped and started again halfway (restart=1). Per run, one
// line per operation kind, then the total:
//   load=OPERATION clerks=N restart=R ops=... p50_ms=... p95_ms=... p99_ms=... errors=...
//   load=total clerks=N restart=R ops=... ... lost=... refused=... doubts=... lock_waits=...
//       idle_in_transaction=... down_ms=... back_ms=... duplicates=... half_written=...
// Times leave out the clerk's thinking (the pause before each script) and its
// reading of a refusal. An error is an operation that failed other than by
// the lost connection, or a window that hung. lost counts the operations the
// restart cut, refused the lines the dialog itself refused (a lot short of
// stock meanwhile), doubts the procedure calls that failed with the
// connection lost, which the clerk cannot tell written or not (half_written
// tells). While the clerks work, the server's sessions are watched every 50
// ms: lock_waits is the most seen waiting for a lock at once,
// idle_in_transaction the most seen holding a transaction open with no
// statement running. down_ms is the longest a clerk was unable to work from
// the stop, back_ms the longest from the server's return to a clerk's next
// operation begun and finished after it. duplicates and half_written are
// counted over the final database: two lots of one article with the same code
// and expiry; a lot without its stock row, or a stock row whose change is not
// what the clerks' confirmed procedure calls added.
#include "bench/CargaServidor.h"
#include "bench/OficinistaCarga.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace NVLALotes;

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    const QStringList argumentos = QApplication::arguments();
    if (argumentos.value(1) == u"--oficinista" && argumentos.size() == 6)
        return Carga::oficinista({argumentos[2], argumentos[3].toUInt(), argumentos[4].toInt(), argumentos[5].toInt()});
    const int segundos = argumentos.size() > 1 ? argumentos[1].toInt() : 60;
    QList<int> oficinistas;
    for (const QString &numero : argumentos.mid(2))
        oficinistas << numero.toInt();
    if (oficinistas.isEmpty())
        oficinistas = {1, 8};
    if (segundos < 10 || oficinistas.contains(0)) {
        std::fprintf(stderr, "uso: bench_carga [SEGUNDOS >= 10 [OFICINISTAS...]]\n");
        return 2;
    }
    return Carga::medirCarga(segundos, oficinistas);
}

#pragma once

#include "db/GeneradorDatos.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>

class QDialog;

// What every dialog benchmark measures the same way.
namespace NVLALotes::Medicion {

// The peak resident memory of this process so far, in MB.
double picoMemoriaMb();
// From here on the peak counts afresh: what earlier reads of the same process
// freed (a raw read's page cache, say) goes back to the system first, so the
// next peak is the next step's own.
void empezarPico();
// Gives the memory freed so far back to the system, so that the next timing
// allocates afresh, as the one before it did: a raw read right after a closed
// dialog would otherwise reuse the dialog's freed rows for its page cache.
void devolverMemoria();

// The rows of `sql` read with nothing but Qt SQL, `campos` fields of each, on
// a connection with the page cache the library's own connections use, so that
// the difference to a dialog is the dialog's work and not the engine's settings.
double leerConQtSql(const QString &ruta, const QString &sql, int campos);

// The least of several timings of one thing, or -1 when any of them failed:
// on a shared machine the least is the one others' work disturbed least.
class Menor
{
public:
    void anotar(double ms)
    {
        m_fallo = m_fallo || ms < 0;
        m_ms = m_ms < 0 ? ms : std::min(m_ms, ms);
    }
    double ms() const { return m_fallo ? -1 : m_ms; }

private:
    double m_ms = -1;
    bool m_fallo = false;
};

// The least of five raw reads (`leer`) and of five actions (`actuar`), taken
// in turns so that a burst of another process's work weighs on both alike,
// each after the process has given its freed memory back (devolverMemoria).
struct Turnos
{
    double consultaMs = -1;
    double accionMs = -1;
};
Turnos porTurnos(const std::function<double()> &leer, const std::function<double()> &actuar);

// Watches the application from Show until the list of a lot dialog (vsLotes)
// has painted once; then runs `despues` on the dialog from the event loop.
class PrimerPintado final : public QObject
{
public:
    explicit PrimerPintado(std::function<void(QDialog *)> despues);
    ~PrimerPintado() override;

    QElapsedTimer reloj;
    double ms = -1;
    QString clase; // the dialog's objectName

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    std::function<void(QDialog *)> m_despues;
};

// A fresh embedded database at `ruta` with the schema and one article with
// `lotes` lots in one warehouse.
BaseDatosHost::DatosGenerados crearBaseConLotes(const QString &ruta, qint16 almacen, qint32 articulo, int lotes);

struct Resultado
{
    QString clase;
    int lotes = 0;
    double dialogoMs = -1;
    double consultaMs = -1;
    double picoMb = 0;
    double accionMs = -1;
    double calienteMs = -1;
};
// Prints the line of one measurement:
//   dialog=CLASS lots=N dialog_ms=... query_ms=... ratio=... peak_mb=... action_ms=... warm_ms=...
// and answers 0 when the opening, the action and the warm opening were timed.
int informar(const Resultado &resultado);

// Where a child measures: the database of its N lots, and one of 1,000 lots
// for the warm opening, the one a host makes for each document line once it
// has shown dialogs before.
struct Bases
{
    QString lotes;
    QString mil;
};

// The main of a dialog benchmark. For each N of the arguments (1,000, 10,000
// and 100,000 by default) the parent makes a database with `crearBase` in a
// folder of its own, then measures each of `variantes` in a child process of
// its own, so that each peak memory is its own; the child calls `medir`.
int principal(int argc, char **argv, const QStringList &variantes,
              const std::function<QString(const QString &carpeta, int lotes)> &crearBase,
              const std::function<int(const Bases &bases, int lotes, const QString &variante)> &medir);

} // namespace NVLALotes::Medicion

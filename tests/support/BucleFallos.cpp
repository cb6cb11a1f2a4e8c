#include "BucleFallos.h"

#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"
#include "tests/support/ConexionConFallo.h"

#include <QApplication>
#include <QTimer>

#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

namespace {

struct Corrida
{
    bool conducido = false;
    std::optional<ErrorLotes> error;
    QList<MensajeVisto> mensajes, mensajesCarga;
    QString camposAntes, camposDespues;
    QStringList tablasAntes, tablasDespues;
};

QStringList tablasDeLotes(Conexion &conexion)
{
    return filasDe(conexion, u"SELECT * FROM Articulos_Lotes ORDER BY Cod_Empresa, Cod_Lote"_s) +
           filasDe(conexion, u"SELECT * FROM Almacen_Articulos_Lotes ORDER BY Cod_Empresa, Cod_Almacen, Cod_Lote"_s);
}

// The final press; a dialog it opens on top is driven by the scenario's
// script. A failure before that dialog may keep it from coming at all: then
// the window's message tells, and it is judged as any other.
void pulsar(const EscenarioFallos &escenario, QDialog *d)
{
    if (!escenario.anidado)
        return clic(d, escenario.boton);
    bool conducido = false;
    const auto vigia = sondeo([&] {
        auto *encima = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (conducido || !encima || encima == d || qobject_cast<QMessageBox *>(encima) || !encima->isVisible())
            return;
        conducido = true;
        encima->activateWindow();
        if (QTest::qWaitForWindowActive(encima))
            escenario.anidado(encima);
        // A dialog that told of the failure itself stays open: its own press again works.
        if (encima->isVisible())
            escenario.anidado(encima);
        if (encima->isVisible()) {
            QTest::qFail("the script left the dialog on top open", __FILE__, __LINE__);
            encima->reject();
        }
    });
    clic(d, escenario.boton);
}

// The clerk's actions and the final press; after a message the same press
// again must work, as the failure is spent. A window that told of a failed
// load (`mensajesAntes` exceeded), or a dialog that told of a failure while
// the clerk read on through its list, is only left.
void actuar(const EscenarioFallos &escenario, QDialog *d, Corrida &r, int mensajesAntes)
{
    const bool ventana = !escenario.cerrar.isEmpty();
    const auto salir = [&] {
        if (d->isVisible())
            ventana ? clic(d, escenario.cerrar) : void(d->close());
    };
    if (ventana && mensajesCapturados() > mensajesAntes)
        return salir();
    // A message while the clerk reads on is judged as a failed load: nothing chosen, nothing written.
    r.mensajesCarga += capturarMensajes([&] { escenario.preparar(d); });
    if (!r.mensajesCarga.isEmpty() || !d->isVisible())
        return salir();
    r.mensajes = capturarMensajes([&] { pulsar(escenario, d); });
    if (!r.mensajes.isEmpty()) {
        QVERIFY2(d->isVisible(), "the dialog closed after its message");
        const auto otra = capturarMensajes([&] { pulsar(escenario, d); });
        QVERIFY2(otra.isEmpty(), qPrintable(otra.value(0).texto));
    }
    if (ventana)
        salir();
}

// One run of the scenario on `falla`, over the database `bd`.
Corrida correr(const EscenarioFallos &escenario, const std::shared_ptr<Conexion> &falla, Conexion &bd)
{
    Corrida r;
    r.tablasAntes = tablasDeLotes(bd);
    const std::unique_ptr<Entrada> host = escenario.anfitrion(falla);
    r.camposAntes = host->campos();
    const int antes = mensajesCapturados();
    const auto mostrar = [&] {
        r.conducido = escenario.preparar
                          ? conDialogo([&] { host->Show(); }, [&](QDialog *d) { actuar(escenario, d, r, antes); })
                          : sinDialogo([&] { host->Show(); });
    };
    r.error = errorDe([&] {
        if (escenario.cerrar.isEmpty())
            mostrar();
        else // what the window says while it loads
            r.mensajesCarga = capturarMensajes(mostrar) + r.mensajesCarga;
    });
    r.camposDespues = host->campos();
    r.tablasDespues = tablasDeLotes(bd);
    return r;
}

// The first rule a run with a failing step breaks; empty when it keeps them all.
QString juzgar(const Corrida &limpia, const Corrida &r)
{
    const QString fallo = ConexionConFallo::textoFallo();
    if (r.error) {
        if (r.error->Number() != NumeroError::BaseDatos || !r.error->Description().contains(fallo))
            return u"the host got an unclear error "_s + textoError(*r.error);
    } else {
        const QList<MensajeVisto> &m = r.mensajesCarga.isEmpty() ? r.mensajes : r.mensajesCarga;
        if (m.isEmpty())
            return u"the failure went unreported"_s;
        if (!r.conducido)
            return u"the dialog could not be driven or left after its message"_s;
        if (m.size() != 1 || m[0].icono != QMessageBox::Critical || !m[0].texto.contains(fallo))
            return u"an unclear message: "_s + m[0].texto;
    }
    // After a message, the same press again ends as the clean run. An error or
    // a failed load changes no field of the host; a lot the dialog wrote before
    // the error may stay, whole, never half-written.
    const bool reintento = !r.error && r.mensajesCarga.isEmpty();
    if (r.camposDespues != (reintento ? limpia.camposDespues : r.camposAntes))
        return u"the host's fields ended as "_s + r.camposDespues;
    const bool comoAntes = !reintento && r.tablasDespues == r.tablasAntes;
    if (!comoAntes && r.tablasDespues != limpia.tablasDespues)
        return u"the lot tables ended as "_s + r.tablasDespues.join(u" / "_s);
    return {};
}

} // namespace

int recorrerFallos(const QString &motor, const EscenarioFallos &escenario)
{
    Corrida limpia;
    return recorrerPasos(motor, escenario.sembrar, [&](const std::shared_ptr<Conexion> &falla, Conexion &bd, int paso) {
        const Corrida r = correr(escenario, falla, bd);
        const bool limpio = !r.error && r.conducido && r.mensajes.isEmpty() && r.mensajesCarga.isEmpty();
        const QString roto = paso > 0 ? juzgar(limpia, r)
                             : limpio ? QString()
                                      : u"no clean end"_s + (r.error ? u": "_s + textoError(*r.error) : QString());
        if (paso == 0)
            limpia = r;
        if (!roto.isEmpty())
            QTest::qFail(qPrintable(roto + u" at step %1 (%2)"_s.arg(paso).arg(
                                               static_cast<ConexionConFallo &>(*falla).pasoFallido())),
                         __FILE__, __LINE__);
    });
}

int recorrerPasos(
    const QString &motor, const std::function<void(Conexion &)> &sembrar,
    const std::function<void(const std::shared_ptr<Conexion> &conFallo, Conexion &real, int fallarEn)> &correr)
{
    int pasos = 0;
    for (int paso = 0; paso == 0 || paso <= pasos; ++paso) {
        // A fresh database of the engine holding the scenario's data.
        QString motivo;
        bool omitir = false;
        std::shared_ptr<Conexion> bd = BaseDatosPrueba::crear(motor, false, &motivo, &omitir);
        if (const auto error = bd ? errorDe([&] { sembrar(*bd); }) : std::nullopt)
            motivo = textoError(*error), bd.reset();
        if (!bd) {
            QTest::qFail(qPrintable(motivo), __FILE__, __LINE__);
            return 0;
        }
        const auto falla = std::make_shared<ConexionConFallo>(bd, paso);
        correr(falla, *bd, paso);
        if (paso > 0 && !falla->fallo() && !QTest::currentTestFailed())
            QTest::qFail(qPrintable(u"step %1 was not reached"_s.arg(paso)), __FILE__, __LINE__);
        if (QTest::currentTestFailed())
            return 0;
        if (paso == 0)
            pasos = falla->pasos();
    }
    return pasos;
}

} // namespace NVLALotes::Pruebas

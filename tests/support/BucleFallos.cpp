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
    int pasos = 0;
    bool fallo = false;
    QString pasoFallido;
    bool conducido = false;
    std::optional<ErrorLotes> error;
    QList<MensajeVisto> mensajes;
    QList<MensajeVisto> mensajesCarga;
    QList<MensajeVisto> mensajesPreparar;
    QString camposAntes, camposDespues;
    QStringList tablasAntes, tablasDespues;
};

QStringList tablasDeLotes(Conexion &conexion)
{
    return FilasDe(conexion, u"SELECT * FROM Articulos_Lotes ORDER BY Cod_Empresa, Cod_Lote"_s) +
           FilasDe(conexion, u"SELECT * FROM Almacen_Articulos_Lotes ORDER BY Cod_Empresa, Cod_Almacen, Cod_Lote"_s);
}

// A fresh database of the engine holding the scenario's data; null (recorded) when it cannot be made.
std::shared_ptr<Conexion> baseSembrada(const QString &motor, const EscenarioFallos &escenario)
{
    QString motivo;
    bool omitir = false;
    auto bd = BaseDatosPrueba::Crear(motor, false, &motivo, &omitir);
    try {
        if (bd)
            escenario.sembrar(*bd);
    } catch (const ErrorLotes &error) {
        motivo = TextoError(error);
        bd.reset();
    }
    if (!bd)
        QTest::qFail(qPrintable(motivo), __FILE__, __LINE__);
    return bd;
}

// The final press; a dialog it opens on top is driven by the scenario's
// script. A failure before that dialog may keep it from coming at all: then
// the window's message tells, and it is judged as any other.
void pulsar(const EscenarioFallos &escenario, QDialog *d)
{
    if (!escenario.anidado) {
        clic(d, escenario.boton);
        return;
    }
    bool conducido = false;
    QTimer sondeo;
    sondeo.setInterval(5);
    QObject::connect(&sondeo, &QTimer::timeout, &sondeo, [&] {
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
    sondeo.start();
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
    if (ventana && MensajesCapturados() > mensajesAntes)
        return salir();
    r.mensajesPreparar = CapturarMensajes([&] { escenario.preparar(d); });
    if (!r.mensajesPreparar.isEmpty() || !d->isVisible())
        return salir();
    r.mensajes = CapturarMensajes([&] { pulsar(escenario, d); });
    if (!r.mensajes.isEmpty()) {
        QVERIFY2(d->isVisible(), "the dialog closed after its message");
        const auto otra = CapturarMensajes([&] { pulsar(escenario, d); });
        QVERIFY2(otra.isEmpty(), qPrintable(otra.value(0).texto));
    }
    if (ventana)
        salir();
}

void conducir(const EscenarioFallos &escenario, AnfitrionPrueba &host, Corrida &r)
{
    if (!escenario.preparar) {
        r.conducido = SinDialogo([&] { host.Show(); });
        return;
    }
    const int antes = MensajesCapturados();
    const auto mostrar = [&] {
        r.conducido = ConDialogo([&] { host.Show(); }, [&](QDialog *d) { actuar(escenario, d, r, antes); });
    };
    if (escenario.cerrar.isEmpty())
        mostrar();
    else
        r.mensajesCarga = CapturarMensajes(mostrar); // what the window says while it loads
}

// One run of the scenario with step `fallarEn` failing (0: none); false when
// the database could not be prepared (recorded).
bool correr(const QString &motor, const EscenarioFallos &escenario, int fallarEn, Corrida &r)
{
    const std::shared_ptr<Conexion> bd = baseSembrada(motor, escenario);
    if (!bd)
        return false;
    r.tablasAntes = tablasDeLotes(*bd);
    auto falla = std::make_shared<ConexionConFallo>(bd, fallarEn);
    const std::unique_ptr<AnfitrionPrueba> host = escenario.anfitrion(falla);
    r.camposAntes = host->Campos();
    try {
        conducir(escenario, *host, r);
    } catch (const ErrorLotes &error) {
        r.error = error;
    }
    r.mensajesCarga += r.mensajesPreparar; // judged as a failed load: nothing chosen, nothing written
    r.pasos = falla->Pasos();
    r.fallo = falla->Fallo();
    r.pasoFallido = falla->PasoFallido();
    r.camposDespues = host->Campos();
    r.tablasDespues = tablasDeLotes(*bd);
    return true;
}

// Records the first rule a run breaks, with the step it failed at.
class Juicio
{
public:
    explicit Juicio(QString donde)
        : m_donde(std::move(donde))
    {}
    void exigir(bool cierto, const QString &que)
    {
        if (cierto || !m_bien)
            return;
        m_bien = false;
        QTest::qFail(qPrintable(que + u" at "_s + m_donde), __FILE__, __LINE__);
    }
    bool bien() const { return m_bien; }

private:
    QString m_donde;
    bool m_bien = true;
};

void juzgarError(const Corrida &r, Juicio &juicio)
{
    juicio.exigir(r.error->Number() == NumeroError::BaseDatos &&
                      r.error->Description().contains(ConexionConFallo::TextoFallo()),
                  u"the host got an unclear error "_s + TextoError(*r.error));
    juicio.exigir(r.camposDespues == r.camposAntes, u"the host's fields changed to "_s + r.camposDespues);
    // An error tells the host that nothing was chosen: a lot written before it
    // would exist with its key lost, and a half-written one is worse.
    juicio.exigir(r.tablasDespues == r.tablasAntes,
                  u"the lot tables changed behind the error: "_s + r.tablasDespues.join(u" / "_s));
}

void juzgarMensaje(const Corrida &limpia, const Corrida &r, Juicio &juicio)
{
    const MensajeVisto &m = r.mensajes.constFirst();
    juicio.exigir(r.conducido, u"the dialog could not be driven after its message"_s);
    juicio.exigir(r.mensajes.size() == 1 && m.icono == QMessageBox::Critical &&
                      m.texto.contains(ConexionConFallo::TextoFallo()),
                  u"an unclear message: "_s + m.texto);
    juicio.exigir(r.camposDespues == limpia.camposDespues, u"the retry ended with "_s + r.camposDespues);
    juicio.exigir(r.tablasDespues == limpia.tablasDespues,
                  u"the retry left the lot tables as "_s + r.tablasDespues.join(u" / "_s));
}

void juzgarCarga(const Corrida &r, Juicio &juicio)
{
    const MensajeVisto &m = r.mensajesCarga.constFirst();
    juicio.exigir(r.conducido, u"the window could not be left after its message"_s);
    juicio.exigir(r.mensajesCarga.size() == 1 && m.icono == QMessageBox::Critical &&
                      m.texto.contains(ConexionConFallo::TextoFallo()),
                  u"an unclear message at load: "_s + m.texto);
    juicio.exigir(r.camposDespues == r.camposAntes, u"the host's fields changed to "_s + r.camposDespues);
    juicio.exigir(r.tablasDespues == r.tablasAntes, u"a failed load wrote "_s + r.tablasDespues.join(u" / "_s));
}

} // namespace

int RecorrerFallos(const QString &motor, const EscenarioFallos &escenario)
{
    Corrida limpia;
    if (!correr(motor, escenario, 0, limpia))
        return 0;
    Juicio inicial(u"the clean run"_s);
    inicial.exigir(!limpia.error, u"an error "_s + (limpia.error ? TextoError(*limpia.error) : QString()));
    inicial.exigir(limpia.conducido && limpia.mensajes.isEmpty() && limpia.mensajesCarga.isEmpty() && limpia.pasos > 0,
                   u"no clean end, or no step taken"_s);
    if (!inicial.bien())
        return 0;
    for (int paso = 1; paso <= limpia.pasos; ++paso) {
        Corrida r;
        if (!correr(motor, escenario, paso, r))
            return 0;
        Juicio juicio(u"step %1 (%2)"_s.arg(paso).arg(r.pasoFallido));
        juicio.exigir(r.fallo, u"the step was not reached"_s);
        if (r.error)
            juzgarError(r, juicio);
        else if (!r.mensajesCarga.isEmpty())
            juzgarCarga(r, juicio);
        else if (!r.mensajes.isEmpty())
            juzgarMensaje(limpia, r, juicio);
        else
            juicio.exigir(false, u"the failure went unreported"_s);
        if (!juicio.bien())
            return 0;
    }
    return limpia.pasos;
}

int RecorrerPasos(
    const QString &motor, const std::function<void(Conexion &)> &sembrar,
    const std::function<void(const std::shared_ptr<Conexion> &conFallo, Conexion &real, int fallarEn)> &correr)
{
    int pasos = 0;
    for (int paso = 0; paso == 0 || paso <= pasos; ++paso) {
        const std::shared_ptr<Conexion> bd = baseSembrada(motor, EscenarioFallos{sembrar, nullptr, nullptr, {}});
        if (!bd)
            return 0;
        const auto falla = std::make_shared<ConexionConFallo>(bd, paso);
        correr(falla, *bd, paso);
        if (QTest::currentTestFailed())
            return 0;
        if (paso == 0)
            pasos = falla->Pasos();
        else if (!falla->Fallo()) {
            QTest::qFail(qPrintable(u"step %1 was not reached"_s.arg(paso)), __FILE__, __LINE__);
            return 0;
        }
    }
    return pasos;
}

void FilasDeFallos(const TablaEscenarios &tabla)
{
    QTest::addColumn<QString>("motor");
    QTest::addColumn<int>("escenario");
    for (const QString &motor : Motores()) {
        for (int i = 0; i < tabla.size(); ++i)
            QTest::newRow(qPrintable(motor + u' ' + tabla.at(i).first)) << motor << i;
    }
}

void ProbarCadaPaso(const TablaEscenarios &tabla)
{
    QFETCH(QString, motor);
    QFETCH(int, escenario);
    NVLA_BASE_DATOS(disponible, motor, false); // skips or fails as every engine test does
    disponible.reset();
    const auto &[nombre, pasosDelEscenario] = tabla.at(escenario);
    const int pasos = RecorrerFallos(motor, pasosDelEscenario);
    QVERIFY(pasos > 0);
    qInfo("%s: %d steps failed in turn", qPrintable(nombre), pasos);
}

} // namespace NVLALotes::Pruebas

#include "BucleFallos.h"

#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"
#include "tests/support/ConexionConFallo.h"

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
    QString camposAntes, camposDespues;
    QStringList tablasAntes, tablasDespues;
};

QStringList tablasDeLotes(Conexion &conexion)
{
    return FilasDe(conexion, u"SELECT * FROM Articulos_Lotes ORDER BY Cod_Empresa, Cod_Lote"_s) +
           FilasDe(conexion, u"SELECT * FROM Almacen_Articulos_Lotes ORDER BY Cod_Empresa, Cod_Almacen, Cod_Lote"_s);
}

// One run of the scenario with step `fallarEn` failing (0: none); false when
// the database could not be prepared (recorded).
bool correr(const QString &motor, const EscenarioFallos &escenario, int fallarEn, Corrida &r)
{
    QString motivo;
    bool omitir = false;
    auto bd = BaseDatosPrueba::Crear(motor, false, &motivo, &omitir);
    if (!bd) {
        QTest::qFail(qPrintable(motivo), __FILE__, __LINE__);
        return false;
    }
    try {
        escenario.sembrar(*bd);
        r.tablasAntes = tablasDeLotes(*bd);
    } catch (const ErrorLotes &error) {
        QTest::qFail(qPrintable(TextoError(error)), __FILE__, __LINE__);
        return false;
    }
    auto falla = std::make_shared<ConexionConFallo>(bd, fallarEn);
    std::unique_ptr<AnfitrionPrueba> host = escenario.anfitrion(falla);
    r.camposAntes = host->Campos();
    try {
        if (!escenario.preparar) {
            r.conducido = SinDialogo([&] { host->Show(); });
        } else {
            r.conducido = ConDialogo([&] { host->Show(); },
                                     [&](QDialog *d) {
                                         escenario.preparar(d);
                                         r.mensajes = CapturarMensajes([&] { clic(d, escenario.boton); });
                                         if (r.mensajes.isEmpty())
                                             return;
                                         // Still usable: the same press again, the failure spent.
                                         QVERIFY2(d->isVisible(), "the dialog closed after its message");
                                         const auto otra = CapturarMensajes([&] { clic(d, escenario.boton); });
                                         QVERIFY2(otra.isEmpty(), qPrintable(otra.value(0).texto));
                                     });
        }
    } catch (const ErrorLotes &error) {
        r.error = error;
    }
    r.pasos = falla->Pasos();
    r.fallo = falla->Fallo();
    r.pasoFallido = falla->PasoFallido();
    r.camposDespues = host->Campos();
    r.tablasDespues = tablasDeLotes(*bd);
    return true;
}

} // namespace

int RecorrerFallos(const QString &motor, const EscenarioFallos &escenario)
{
    Corrida limpia;
    if (!correr(motor, escenario, 0, limpia))
        return 0;
    if (limpia.error) {
        QTest::qFail(qPrintable(u"the clean run failed: "_s + TextoError(*limpia.error)), __FILE__, __LINE__);
        return 0;
    }
    if (!limpia.conducido || !limpia.mensajes.isEmpty() || limpia.pasos == 0) {
        QTest::qFail("the clean run did not end cleanly, or sent nothing", __FILE__, __LINE__);
        return 0;
    }
    for (int paso = 1; paso <= limpia.pasos; ++paso) {
        Corrida r;
        if (!correr(motor, escenario, paso, r))
            return 0;
        const QByteArray donde = u"step %1 (%2)"_s.arg(paso).arg(r.pasoFallido).toUtf8();
        auto comprobar = [&](bool cierto, const char *que) {
            if (!cierto)
                QTest::qFail(QByteArray(que + QByteArray(" at ") + donde).constData(), __FILE__, __LINE__);
            return cierto;
        };
        bool bien = comprobar(r.fallo, "the step was not reached");
        if (r.error) {
            bien = bien && comprobar(r.error->Number() == NumeroError::BaseDatos &&
                                         r.error->Description().contains(ConexionConFallo::TextoFallo()),
                                     qPrintable(u"the host got an unclear error "_s + TextoError(*r.error)));
            bien = bien && comprobar(r.camposDespues == r.camposAntes,
                                     qPrintable(u"the host's fields changed to "_s + r.camposDespues));
            // All or nothing: a write the library completed before the failure may stay, whole.
            bien =
                bien && comprobar(r.tablasDespues == r.tablasAntes || r.tablasDespues == limpia.tablasDespues,
                                  qPrintable(u"the lot tables are half-written: "_s + r.tablasDespues.join(u" / "_s)));
        } else if (!r.mensajes.isEmpty()) {
            const MensajeVisto &m = r.mensajes.constFirst();
            bien = bien && comprobar(r.conducido, "the dialog could not be driven after its message");
            bien = bien && comprobar(r.mensajes.size() == 1 && m.icono == QMessageBox::Critical &&
                                         m.texto.contains(ConexionConFallo::TextoFallo()),
                                     qPrintable(u"an unclear message: "_s + m.texto));
            bien = bien && comprobar(r.camposDespues == limpia.camposDespues,
                                     qPrintable(u"the retry ended with "_s + r.camposDespues));
            bien =
                bien && comprobar(r.tablasDespues == limpia.tablasDespues,
                                  qPrintable(u"the retry left the lot tables as "_s + r.tablasDespues.join(u" / "_s)));
        } else {
            bien = comprobar(false, "the failure went unreported");
        }
        if (!bien)
            return 0;
    }
    return limpia.pasos;
}

} // namespace NVLALotes::Pruebas

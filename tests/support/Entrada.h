#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>

#include <QDialog>
#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <utility>

// The entry classes as the tables of the tests name them ("compras",
// "facturacion", "regularizar", "traspaso", "inventario", "stock"), with their
// declared fields read and written by name, so one driver serves them all; and
// the lot grid of a dialog read as the clerk sees it.
namespace NVLALotes::Pruebas {

class Entrada
{
public:
    explicit Entrada(const QString &clase);

    void Show(qint16 modal = 1, QWidget *propietario = nullptr) { m_clase->Show(modal, propietario); }
    // Show(1) with `guion` run on its dialog, as conDialogo drives it.
    [[nodiscard]] bool mostrar(const std::function<void(QDialog *)> &guion, QWidget *propietario = nullptr);
    ClaseEntradaLotes &clase() const { return *m_clase; }
    bool tiene(const char *campo) const { return m_meta->indexOfProperty(campo) >= 0; }
    // Sets a declared field; an int goes into the Currency fields as whole units.
    void fijar(const char *campo, const QVariant &valor);
    QVariant campo(const char *campo) const;

    // Every declared field as "name=value", joined by '|': what the host sees.
    QString campos() const;
    // The lot outputs the class has, "Result|Cod_Lote|Lote|Caducidad|Tono|Calibre",
    // Result as Verdadero or Falso and dates as yyyy-MM-dd.
    QString salidas() const;
    // Sets the outputs the class has to recognisable host values, Result True.
    void marcarSalidas();
    // The outputs marcarSalidas set (it must have run), with Result as given: a Show that must
    // change nothing leaves salidasMarcadas(false).
    QString salidasMarcadas(bool result = false) const;

private:
    std::unique_ptr<ClaseEntradaLotes> m_clase;
    void *m_gadget = nullptr;
    QString m_marcadas;
    const QMetaObject *m_meta = nullptr;
};

// The number of the ErrorLotes `accion` raises; 0 when it raises none.
int numeroError(const std::function<void()> &accion);

// The data rows of a dialog's grid below its header, cells joined by '|',
// hidden ones included (column 0 holds the lot key).
QStringList lineasRejilla(QWidget *dialogo, const QString &rejilla = QStringLiteral("vsLotes"));
// Puts the grid on its first data row whose cells (column, text) all show
// those texts, reading on through a deferred list; answers that row, -1 (the
// grid left where it was) when none.
int elegirFila(QWidget *dialogo, const QList<std::pair<int, QString>> &celdas,
               const QString &rejilla = QStringLiteral("vsLotes"));

} // namespace NVLALotes::Pruebas

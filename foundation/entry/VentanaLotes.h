#pragma once

#include "foundation/controls/Anclaje.h"
#include "foundation/core/values/ErrorLotes.h"

#include <nvlalotes/nvlalotes_export.h>

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

namespace NVLALotes {

// The error of a list that could not read its rows: the window's load has
// failed, and the window has already been told (VentanaLotes::falloAlLeer).
class NVLA_EXPORT ErrorDeCarga final : public ErrorLotes
{
public:
    explicit ErrorDeCarga(const ErrorLotes &error)
        : ErrorLotes(error)
    {}
};

// Base of every window of the library, dialogs with a Result and windows
// without one alike: the designed font, a fixed or a resizable inner area in
// twips, anchoring from the window's stored settings, and user actions that
// show their errors instead of letting them cross the event loop.
// Enter and Escape do nothing by themselves: no button is a default or cancel
// button, each window's key handlers decide.
class NVLA_EXPORT VentanaLotes : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VentanaLotes)

public:
    ~VentanaLotes() override;

    // "name:action", the title of an action's error message. The name is the
    // window's objectName unless the window gave another one.
    QString tituloError(const QString &accion) const;

    const Anclaje *anclaje() const { return m_anclaje; }

    // Builds the window from the fields its entry class set, before it is
    // shown. Errors go on to the entry class's Show.
    virtual void Cargar() {}

    // A list of the window failed to read its rows, on its first page or on
    // any later one: the load has failed. This window tells the clerk in a
    // critical message titled by its load ("name:Cargar") and stays open.
    virtual void falloAlLeer(const ErrorLotes &error);

protected:
    explicit VentanaLotes(QWidget *parent = nullptr);

    // The designed inner area in twips; the window keeps that size.
    void fijarAreaCliente(int anchoTwips, int altoTwips);
    // A window of that fixed inner area with no anchored control, laid out for
    // 800 x 600; `ajustarForm`: fitted to a smaller screen when shown.
    void fijarAreaSinAnclados(int anchoTwips, int altoTwips, bool ajustarForm);
    // The designed inner area in twips, as the first size of a window the
    // clerk may resize.
    void fijarAreaRedimensionable(int anchoTwips, int altoTwips);
    // Attaches the anchoring from the window's stored settings.
    void anclar(const Anclaje::Ajustes &ajustes);
    // The name error titles begin with, where a window titles them otherwise
    // than by its objectName.
    void fijarNombreEnErrores(const QString &nombre) { m_nombreEnErrores = nombre; }

    // Runs a user action (a click, a key). An error is shown to the clerk,
    // titled tituloError(accion), and the window stays open as it was; a
    // failed load (ErrorDeCarga) has been told already.
    void protegido(const QString &accion, const std::function<void()> &manejador);

    // Runs `paso` as a load step (errors titled "name:Cargar") once the window
    // has painted what it shows now: a slow read that can wait (a second list)
    // does not keep a window from opening.
    void trasPintar(std::function<void()> paso);

    void keyPressEvent(QKeyEvent *event) override;
    // A window whose load put the focus nowhere opens at the first control in
    // tab order that takes it.
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The steps waiting for a paint, in the order they came; a later call finds none.
    void ejecutarTrasPintar();

    QString m_nombreEnErrores;
    Anclaje *m_anclaje = nullptr;
    QList<std::function<void()>> m_trasPintar;
};

} // namespace NVLALotes

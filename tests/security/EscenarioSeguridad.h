#pragma once

#include "security/ColeccionControles.h"
#include "security/clsControlSeg.h"
#include "tests/support/BaseDatosPrueba.h"
#include "tests/support/Conduccion.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <memory>

// A sample form for the control permissions and the form and control
// catalog, the catalog of an earlier version of it, and the object that
// applies them as the library sets it up.
namespace NVLALotes::Pruebas {

// A control that shows a permission its own way.
class CajaConNivel final : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(int AccessLevel MEMBER AccessLevel)

public:
    using QLineEdit::QLineEdit;
    int AccessLevel = -1;
};

// The sample form: a label, a text and a date box, a frame holding a control
// array of two buttons, a box of its own level, a grid and a warehouse picker
// (its inner box, name and button are no controls of the form). `duplicar`
// puts a second txtNombre right after the label.
std::unique_ptr<QWidget> formulario(bool duplicar = false);
// The control of the form with that key ("name!index").
QWidget *porClave(QWidget *form, const QString &clave);
// Each control as "name!index:flags": hidden, disabled, read-only.
QStringList estados(QWidget *form);
// The forms, controls and permissions the catalog holds.
QStringList catalogo(Conexion &bd);
// Permissions of groups on controls of the catalog, each "group:name:index:permission".
void permitir(Conexion &bd, const QString &permisos);
// The catalog of an earlier version of the form: txtViejo is gone since.
void sembrarCatalogoViejo(Conexion &bd);

// An object set up as the library sets it up: registration on the shared
// connection, the permission query on `conexion`.
struct Seguridad
{
    clsControlSeg seg;
    QSignalSpy todos{&seg, &clsControlSeg::AfterSetStateAllControls};
    QSignalSpy uno{&seg, &clsControlSeg::AfterSetStateControl};

    Seguridad(QWidget *form, std::shared_ptr<Conexion> compartida, std::shared_ptr<Conexion> conexion,
              bool noProcesar = false, qint32 usuario = 2);
    // Applies the permissions, answering the messages it showed.
    QList<MensajeVisto> aplicar()
    {
        return capturarMensajes([this] { seg.SetStateAllControl(); });
    }
};

// Every step of registering the form and applying its permissions fails in
// turn (see recorrerPasos): the failed call tells the user, the next one on
// the same object finishes the work as a clean run does. Answers the number
// of steps of the clean run (0 on a failure).
int recorrerCatalogo(const QString &motor);

} // namespace NVLALotes::Pruebas

#pragma once

#include <nvlalotes/nvlalotes_core_export.h>

#include <QList>
#include <QString>

namespace NVLALotes {

class Conexion;

// The catalog of forms and controls that the per-group permissions are stored
// against (SGD_Formularios, SGD_Controles, SGD_Controles_Grupos). Only one
// database server keeps it: on any other the catalog is left alone.
namespace CatalogoControles {

// One control of a form as the catalog knows it.
struct ControlCatalogo
{
    QString nombre;
    QString indice;   // "" outside a control array, the element's number inside one
    QString tabIndex; // the tab position as decimal text
};

// The catalog server's name, upper case: the environment variable
// NVLA_SERVIDOR_CATALOGO when set, else "NVLALOTES".
NVLA_CORE_EXPORT QString servidorCatalogo();

// Brings the catalog of `formulario` in step with its controls: registers the
// form and the controls the catalog lacks, refreshes the tab position of the
// known ones, and removes with their permissions the controls that a
// registration found gone (of any form, not only this one). Nothing is written unless `conexion` is on the catalog
// server. A database error stops it where it is (there is no transaction): the steps already done stay, and running it
// again completes the catalog.
NVLA_CORE_EXPORT void registrar(Conexion &conexion, const QString &formulario, const QList<ControlCatalogo> &controles);

} // namespace CatalogoControles

} // namespace NVLALotes

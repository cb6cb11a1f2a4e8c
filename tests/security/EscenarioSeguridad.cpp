#include "EscenarioSeguridad.h"

#include "foundation/controls/Formulario.h"
#include "foundation/controls/PushButton.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/controls/kxMaskEdBox.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "tests/support/BucleFallos.h"
#include "tests/support/ConexionConFallo.h"

#include <nvlalotes/EmpresaMemoria.h>

#include <QGroupBox>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace NVLALotes::Pruebas {

std::unique_ptr<QWidget> formulario(bool duplicar)
{
    auto form = std::make_unique<QWidget>();
    form->setObjectName(u"frmPrueba"_s);
    QWidget *f = form.get();
    Formulario::etiqueta(f, u"lblNombre"_s, u"Nombre"_s, {100, 100, 900, 300});
    if (duplicar)
        Formulario::etiqueta(f, u"txtNombre"_s, u"Otra"_s, {100, 500, 900, 300});
    auto *txt = Formulario::cajaTexto(f, u"txtNombre"_s, 20, {1100, 100, 2000, 300});
    auto *fecha = Formulario::cajaFecha(f, {1100, 500, 1300, 300});
    auto *marco = Formulario::marco(f, u"fraOpciones"_s, u"Opciones"_s, {100, 900, 3000, 900});
    auto *b0 = Formulario::boton(marco, u"cmdOpcion"_s, u"Uno"_s, {100, 300, 1000, 360});
    auto *b1 = Formulario::boton(marco, u"cmdOpcion"_s, u"Dos"_s, {1200, 300, 1000, 360});
    b0->setProperty(ColeccionControles::PropiedadIndice, 0);
    b1->setProperty(ColeccionControles::PropiedadIndice, 1);
    auto *propia = new CajaConNivel(f);
    propia->setObjectName(u"txtPropia"_s);
    auto *rejilla = Formulario::rejilla(f, u"vsLotes"_s, {100, 1900, 3000, 1500});
    // Its inner box, name and button are no controls of the form.
    Formulario::selectorAlmacen(f, u"txtAlmacen"_s, {100, 3500, 4245, 315});
    Formulario::ordenTabulacion({txt, fecha, b0, b1, rejilla});
    return form;
}

QWidget *porClave(QWidget *form, const QString &clave)
{
    const auto controles = ColeccionControles::de(form);
    const auto c = std::ranges::find_if(controles, [&](QWidget *w) { return ColeccionControles::clave(w) == clave; });
    return c == controles.end() ? nullptr : *c;
}

QStringList estados(QWidget *form)
{
    QStringList lista;
    for (QWidget *c : ColeccionControles::de(form))
        lista << ColeccionControles::clave(c) + u':' + (c->isHidden() ? u'H' : u'-') + (c->isEnabled() ? u'-' : u'D') +
                     (c->property("readOnly").toBool() ? u'R' : u'-');
    return lista;
}

QStringList catalogo(Conexion &bd)
{
    return filasDe(bd, u"SELECT Cod_Formulario, Nombre FROM SGD_Formularios ORDER BY Cod_Formulario"_s) +
           filasDe(bd, u"SELECT Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex FROM SGD_Controles "
                       u"ORDER BY Cod_Formulario, Cod_Control"_s) +
           filasDe(bd, u"SELECT Cod_Grupo, Cod_Formulario, Cod_Control, Permiso FROM SGD_Controles_Grupos "
                       u"ORDER BY Cod_Grupo, Cod_Formulario, Cod_Control"_s);
}

void permitir(Conexion &bd, const QString &permisos)
{
    for (const QString &p : permisos.split(u' ')) {
        const QStringList c = p.split(u':');
        bd.ejecutar(u"INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) SELECT %1, "
                    u"Cod_Formulario, Cod_Control, %2 FROM SGD_Controles WHERE Nombre = '%3' AND Indice = '%4'"_s.arg(
                        c[0], c[3], c[1], c[2].leftJustified(2)));
    }
}

void sembrarCatalogoViejo(Conexion &bd)
{
    bd.ejecutar(u"INSERT INTO SGD_Formularios (Cod_Formulario, Nombre) VALUES (1, 'frmPrueba')"_s);
    bd.ejecutar(u"INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) "
                u"VALUES (1, 1, 'txtViejo', '  ', 3), (1, 2, 'txtNombre', '  ', 0)"_s);
    permitir(bd, u"0:txtViejo::2 0:txtNombre::2"_s);
}

Seguridad::Seguridad(QWidget *form, std::shared_ptr<Conexion> compartida, std::shared_ptr<Conexion> conexion,
                     bool noProcesar, qint32 usuario)
{
    auto empresa = std::make_shared<EmpresaMemoria>();
    empresa->setParametro(u"NoProcesarPermisosControles"_s, noProcesar);
    ContextoCompartido::setConexion(std::move(compartida));
    seg.cEmpresa(empresa);
    seg.Conexion(std::move(conexion));
    seg.ContentForm(form);
    seg.Usuario = usuario;
}

int recorrerCatalogo(const QString &motor)
{
    const auto soltar = qScopeGuard([] { ContextoCompartido::setConexion(nullptr); });
    QStringList limpio;
    return recorrerPasos(
        motor, sembrarCatalogoViejo, [&](const std::shared_ptr<Conexion> &conFallo, Conexion &real, int paso) {
            const auto form = formulario();
            Seguridad seguridad(form.get(), conFallo, conFallo);
            const QList<MensajeVisto> mensajes = seguridad.aplicar() + seguridad.aplicar();
            const QStringList hecho = catalogo(real) + estados(form.get());
            if (paso == 0) {
                QVERIFY(mensajes.isEmpty());
                limpio = hecho;
                return;
            }
            QCOMPARE(textos(mensajes).section(u'|', 0, 1), u"3|clsControlSeg:SetStateAllControl"_s);
            QVERIFY2(mensajes.size() == 1 && mensajes[0].texto.contains(ConexionConFallo::textoFallo()),
                     qPrintable(textos(mensajes)));
            QCOMPARE(hecho, limpio);
        });
}

} // namespace NVLALotes::Pruebas

#include "PaginaSeguridad.h"

#include "AccionesVisor.h"
#include "FormularioMuestra.h"
#include "foundation/controls/Rejilla.h"
#include "foundation/core/database/ValorSql.h"
#include "foundation/core/host/ContextoCompartido.h"
#include "security/ColeccionControles.h"
#include "security/clsControlSeg.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/Registros.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

namespace {

const QString NombreMuestra = u"frmMuestraSeguridad"_s;

// Twips that show a header whole in the grid's own face, at whatever size
// and resolution it is drawn, and never less than `minimo`.
int anchoCabecera(const Rejilla &rejilla, const QString &cabecera, int minimo)
{
    QFont negrita = rejilla.font();
    negrita.setBold(true);
    const QFontMetrics medidas(negrita);
    const int pixeles = medidas.horizontalAdvance(cabecera) + 2 * medidas.averageCharWidth();
    return std::max(minimo, pixeles * 1440 / rejilla.logicalDpiX());
}

Rejilla *rejillaCatalogo(QWidget *padre, const QString &nombre)
{
    auto *rejilla = new Rejilla(padre);
    rejilla->setObjectName(nombre);
    rejilla->setCols(6);
    const QStringList cabeceras{QString(), u"Cód."_s, u"Control"_s, u"Índice"_s, u"TabIndex"_s, u"Permisos"_s};
    const QList<int> minimos{0, 500, 1700, 600, 600, 1800};
    for (int col = 0; col < cabeceras.size(); ++col) {
        rejilla->setTextMatrix(0, col, cabeceras.at(col));
        rejilla->setColWidth(col, anchoCabecera(*rejilla, cabeceras.at(col), minimos.at(col)));
    }
    rejilla->setColHidden(0, true);
    return rejilla;
}

// "g5:1 g11:2" for each control code of the sample form: group and permission.
QMap<int, QString> permisosPorControl(Conexion &conexion)
{
    QMap<int, QString> permisos;
    const auto filas = conexion.abrirConsulta(
        u"SELECT gc.Cod_Control, gc.Cod_Grupo, gc.Permiso FROM SGD_Controles_Grupos gc INNER JOIN SGD_Formularios f "
        u"ON gc.Cod_Formulario = f.Cod_Formulario WHERE f.Nombre = "_s +
        ValorSql::texto(NombreMuestra) + u" ORDER BY gc.Cod_Control, gc.Cod_Grupo"_s);
    while (filas->siguiente()) {
        QString &texto = permisos[filas->campo(0).toInt()];
        texto += u"g%1:%2 "_s.arg(filas->campo(1).toString(), filas->campo(2).toString());
    }
    return permisos;
}

} // namespace

PaginaSeguridad::PaginaSeguridad(std::shared_ptr<Conexion> conexion, QWidget *parent)
    : QWidget(parent)
    , m_conexion(std::move(conexion))
{
    // Laid out to be seen whole on a 1280 x 720 screen, without scrolling:
    // the options beside the viewer's buttons, the form beside its catalog.
    auto *layout = new QVBoxLayout(this);
    auto *arriba = new QHBoxLayout;
    arriba->addWidget(crearOpciones(), 1);
    // The operation-in-progress window and the report viewer are tried from here too.
    auto *accionesVisor = new QGroupBox(u"Mensaje de operación y visor"_s, this);
    accionesVisor->setObjectName(u"accionesVisor"_s);
    new QVBoxLayout(accionesVisor);
    agregarAccionesVisor(accionesVisor);
    arriba->addWidget(accionesVisor);
    layout->addLayout(arriba);
    auto *cuerpo = new QHBoxLayout;
    auto *marcoFormulario = new QGroupBox(u"Formulario de muestra (%1)"_s.arg(NombreMuestra), this);
    m_sitioFormulario = new QVBoxLayout(marcoFormulario);
    cuerpo->addWidget(marcoFormulario);
    auto *catalogo = new QVBoxLayout;
    catalogo->addWidget(new QLabel(u"SGD_Controles antes de aplicar:"_s, this));
    catalogo->addWidget(m_antes = rejillaCatalogo(this, u"vsCatalogoAntes"_s));
    catalogo->addWidget(new QLabel(u"SGD_Controles después de aplicar:"_s, this));
    catalogo->addWidget(m_despues = rejillaCatalogo(this, u"vsCatalogoDespues"_s));
    cuerpo->addLayout(catalogo, 1);
    layout->addLayout(cuerpo, 1);
    m_avisos = new QPlainTextEdit(this);
    m_avisos->setReadOnly(true);
    m_avisos->setMaximumHeight(4 * m_avisos->fontMetrics().lineSpacing() + 12);
    layout->addWidget(m_avisos);

    m_formulario = crearFormularioMuestra(this, true);
    m_sitioFormulario->addWidget(m_formulario);
    mostrarCatalogo(m_antes);
}

PaginaSeguridad::~PaginaSeguridad() = default;

QWidget *PaginaSeguridad::crearOpciones()
{
    auto *grupo = new QGroupBox(u"Permisos de controles"_s, this);
    auto *formulario = new QFormLayout(grupo);
    m_usuario = new QComboBox(grupo);
    m_usuario->addItem(u"1 admin (grupos 1 y 5)"_s, 1);
    m_usuario->addItem(u"2 almacen (grupo 5)"_s, 2);
    m_usuario->addItem(u"3 tienda (grupo 11)"_s, 3);
    m_usuario->addItem(u"4 invitado (sin grupos: solo el grupo 0)"_s, 4);
    m_usuario->setCurrentIndex(2);
    formulario->addRow(u"Usuario"_s, m_usuario);
    m_conObservaciones = new QCheckBox(u"txtObservaciones en el formulario (quítelo: el catálogo lo borra)"_s, grupo);
    m_conObservaciones->setToolTip(u"Al aplicar, el catálogo borra el control que falta con sus permisos."_s);
    m_conObservaciones->setChecked(true);
    formulario->addRow(m_conObservaciones);
    m_noProcesar = new QCheckBox(u"NoProcesarPermisosControles (se registra el catálogo, no se aplica)"_s, grupo);
    formulario->addRow(m_noProcesar);
    auto *boton = new QPushButton(u"&Abrir el formulario y aplicar permisos"_s, grupo);
    boton->setObjectName(u"cmdAplicarPermisos"_s);
    formulario->addRow(boton);
    connect(boton, &QPushButton::clicked, this, &PaginaSeguridad::aplicar);
    return grupo;
}

void PaginaSeguridad::aplicar()
{
    mostrarCatalogo(m_antes);
    delete m_formulario;
    m_formulario = crearFormularioMuestra(this, m_conObservaciones->isChecked());
    m_sitioFormulario->addWidget(m_formulario);
    m_avisos->clear();

    auto empresa = std::make_shared<EmpresaMemoria>();
    empresa->setParametro(u"NoProcesarPermisosControles"_s, m_noProcesar->isChecked());
    ContextoCompartido::setConexion(m_conexion); // the catalog is kept through the shared connection
    clsControlSeg seguridad;
    seguridad.Usuario = m_usuario->currentData().toInt();
    seguridad.cEmpresa(empresa);
    seguridad.Conexion(m_conexion);
    seguridad.ContentForm(m_formulario);
    connect(&seguridad, &clsControlSeg::AfterSetStateControl, this, [this](QWidget *control, qint32 estado) {
        m_avisos->appendPlainText(
            u"AfterSetStateControl: %1, permiso %2"_s.arg(ColeccionControles::clave(control)).arg(estado));
    });
    connect(&seguridad, &clsControlSeg::AfterSetStateAllControls, this,
            [this] { m_avisos->appendPlainText(u"AfterSetStateAllControls"_s); });
    seguridad.SetStateAllControl();
    mostrarCatalogo(m_despues);
}

void PaginaSeguridad::mostrarCatalogo(Rejilla *rejilla)
{
    rejilla->setRows(1);
    try {
        const QMap<int, QString> permisos = permisosPorControl(*m_conexion);
        const auto filas = m_conexion->abrirConsulta(
            u"SELECT c.Cod_Control, c.Nombre, c.Indice, c.TabIndex FROM SGD_Controles c INNER JOIN SGD_Formularios f "
            u"ON c.Cod_Formulario = f.Cod_Formulario WHERE f.Nombre = "_s +
            ValorSql::texto(NombreMuestra) + u" ORDER BY c.Cod_Control"_s);
        while (filas->siguiente()) {
            const int codigo = filas->campo(0).toInt();
            rejilla->addItem(u"\t%1\t%2\t%3\t%4\t%5"_s.arg(codigo).arg(
                filas->campo(1).toString(), filas->campo(2).toString().trimmed(), filas->campo(3).toString(),
                permisos.value(codigo)));
        }
    } catch (const ErrorLotes &error) {
        m_avisos->appendPlainText(u"No se pudo leer el catálogo: "_s + error.Description());
    }
}

} // namespace NVLALotes::Banco

#include "VentanaBanco.h"

#include "PaginaEntrada.h"
#include "PaginaFacturacion.h"
#include "PaginaSeguridad.h"
#include "PanelCampos.h"
#include "PanelSentencias.h"

#include <nvlalotes/ConexionGrabadora.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/frmclsLotesCompras.h>
#include <nvlalotes/frmclsLotesInventario.h>
#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesStock.h>
#include <nvlalotes/frmclsLotesTraspaso.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace NVLALotes::Banco {

namespace {

const QString ClaveGeometria = u"ventana/geometria"_s;
const QString ClaveDivision = u"ventana/division"_s;

// A hint for the tester: wraps to the width it is given.
QLabel *nota(const QString &texto, QWidget *parent)
{
    auto *etiqueta = new QLabel(texto, parent);
    etiqueta->setWordWrap(true);
    return etiqueta;
}

// Scrolls down rather than widening the window.
QScrollArea *desplazable(QWidget *contenido)
{
    auto *area = new QScrollArea;
    area->setWidget(contenido);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

} // namespace

VentanaBanco::VentanaBanco(std::shared_ptr<Conexion> conexion, const QString &descripcionBaseDatos,
                           const QString &rutaDemo, QWidget *parent)
    : QMainWindow(parent)
    , m_conexion(std::move(conexion))
    , m_grabadora(std::make_shared<ConexionGrabadora>(m_conexion))
{
    setWindowTitle(u"NVLALotes: banco de pruebas"_s);
    m_division = new QSplitter(Qt::Horizontal, this);
    m_division->addWidget(desplazable(crearIzquierda(descripcionBaseDatos, rutaDemo)));
    auto *derecha = new QSplitter(Qt::Vertical, m_division);
    m_paginas = new QTabWidget(derecha);
    m_sentencias = new PanelSentencias(derecha);
    derecha->addWidget(m_paginas);
    derecha->addWidget(m_sentencias);
    derecha->setStretchFactor(0, 2);
    derecha->setStretchFactor(1, 1);
    m_division->addWidget(derecha);
    m_division->setStretchFactor(1, 1);
    setCentralWidget(m_division);
    agregarPaginas();

    const QSettings guardado; // the application's own, under its organisation's name
    if (!restoreGeometry(guardado.value(ClaveGeometria).toByteArray()))
        resize(QSize(1200, 680));
    m_division->restoreState(guardado.value(ClaveDivision).toByteArray());
}

VentanaBanco::~VentanaBanco() = default;

void VentanaBanco::closeEvent(QCloseEvent *event)
{
    QSettings guardado;
    guardado.setValue(ClaveGeometria, saveGeometry());
    guardado.setValue(ClaveDivision, m_division->saveState());
    QMainWindow::closeEvent(event);
}

QWidget *VentanaBanco::crearIzquierda(const QString &descripcionBaseDatos, const QString &rutaDemo)
{
    auto *izquierda = new QWidget;
    auto *layout = new QVBoxLayout(izquierda);
    layout->addWidget(crearParametros());
    auto *base = nota(u"Base de datos: %1"_s.arg(descripcionBaseDatos), izquierda);
    base->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(base);
    if (!rutaDemo.isEmpty()) {
        auto *botonRestablecer = new QPushButton(u"&Restablecer datos de demostración"_s, izquierda);
        botonRestablecer->setObjectName(u"cmdRestablecer"_s);
        connect(botonRestablecer, &QPushButton::clicked, this, &VentanaBanco::restablecer);
        layout->addWidget(botonRestablecer);
    }
    layout->addWidget(
        nota(u"Datos de demostración, almacén 1: artículo 101 con lotes de stock 3, 5, 8 y "
             u"4,996 (modelos 3 y 4); artículo 200 con tonos y calibres, uno bloqueado "
             u"(modelo 2). Regularización y traspaso de 5 unidades del artículo 101: L-0003 no tiene stock "
             u"suficiente si la salida es negativa, los lotes a cero y en negativo se listan si no lo "
             u"es, y el almacén 2 no tiene ninguno."_s,
             izquierda));
    layout->addWidget(nota(u"Inventario (modelo 3): en el artículo 100, Y-NUEVO solo está contado y Y-2401 "
                           u"con 15/12/2026 tecleado da la clave 8; en el 101, L-0008 sale dos veces."_s,
                           izquierda));
    layout->addWidget(nota(u"Compras (modelos 3 y 4), Facturación e Inventario (modelo 3): una etiqueta GS1 "
                           u"tecleada o escaneada en Lote, p. ej. (17)301200(10)L-ESCANEADO e Intro, llena "
                           u"lote y caducidad."_s,
                           izquierda));
    auto *simular = new QPushButton(u"&Simular escáner en Compras"_s, izquierda);
    simular->setObjectName(u"cmdEscaner"_s);
    connect(simular, &QPushButton::clicked, this, &VentanaBanco::escanearEtiqueta);
    m_teclearEtiqueta = new QTimer(this);
    m_teclearEtiqueta->setSingleShot(true);
    connect(m_teclearEtiqueta, &QTimer::timeout, this, &VentanaBanco::teclearEtiqueta);
    layout->addWidget(simular);
    layout->addWidget(nota(u"Stock (modelos 2, 3 y 4): el artículo 200 tiene lotes y unidades pendientes de "
                           u"entrega en los almacenes 1 y 3, y solo pendientes en el 2; el 202 no tiene lotes "
                           u"pero sí pendientes. Los usuarios 3 y 4 no pueden crear ni bloquear lotes."_s,
                           izquierda));
    layout->addStretch();
    return izquierda;
}

void VentanaBanco::restablecer()
{
    if (QMessageBox::question(this, windowTitle(),
                              u"Se borrará la base de datos de demostración con todos sus cambios y se creará "
                              u"de nuevo. ¿Continuar?"_s) != QMessageBox::Yes)
        return;
    m_restablecer = true;
    close();
}

QWidget *VentanaBanco::crearParametros()
{
    auto *grupo = new QGroupBox(u"Parámetros del host"_s, this);
    auto *formulario = new QFormLayout(grupo);
    m_modelo = new QComboBox(grupo);
    m_modelo->setObjectName(u"Lotes_ModeloUsar"_s);
    m_modelo->setEditable(true); // any text, to try what the host might store
    m_modelo->addItems({u"1"_s, u"2"_s, u"3"_s, u"4"_s});
    m_modelo->setCurrentIndex(2);
    formulario->addRow(nota(u"Lotes_ModeloUsar (1 sin datos, 2 tono/calibre, 3 lote, 4 lote sin stock)"_s, grupo),
                       m_modelo);
    m_loteObligatorio = new QCheckBox(grupo);
    m_loteObligatorio->setObjectName(u"Lotes_NroObligatorio"_s);
    m_loteObligatorio->setChecked(true);
    formulario->addRow(u"Lotes_NroObligatorio"_s, m_loteObligatorio);
    m_empresa = new QSpinBox(grupo);
    m_empresa->setRange(1, 127);
    formulario->addRow(u"CodigoEmpresa"_s, m_empresa);
    // One switch a line: side by side they would widen the window.
    auto *ayudas = new QVBoxLayout;
    for (const QString &nombre :
         {u"Lotes_LecturaGS1"_s, u"Lotes_MarcarCaducados"_s, u"Lotes_BusquedaAlTeclear"_s, u"Lotes_Etiquetas"_s}) {
        auto *ayuda = new QCheckBox(nombre, grupo);
        ayuda->setObjectName(nombre);
        ayuda->setChecked(true);
        ayudas->addWidget(ayuda);
        m_ayudas.append(ayuda);
    }
    formulario->addRow(u"Ayudas"_s, ayudas);
    m_usuario = new QComboBox(grupo);
    m_usuario->setObjectName(u"UsuarioActual"_s);
    m_usuario->addItem(u"1 admin (grupo 1)"_s, 1);
    m_usuario->addItem(u"2 almacen (grupo con acceso a artículos)"_s, 2);
    m_usuario->addItem(u"3 tienda (grupo sin acceso: restringido)"_s, 3);
    m_usuario->addItem(u"4 invitado (sin grupo: restringido)"_s, 4);
    formulario->addRow(u"UsuarioActual"_s, m_usuario);
    return grupo;
}

void VentanaBanco::prepararContexto(ClaseEntradaLotes &clase)
{
    auto empresa = std::make_shared<EmpresaMemoria>(qint16(m_empresa->value()), qint16(m_empresa->value()));
    empresa->setParametro(u"Lotes_ModeloUsar"_s, m_modelo->currentText());
    empresa->setParametro(u"Lotes_NroObligatorio"_s, m_loteObligatorio->isChecked());
    empresa->setParametro(u"UsuarioActual"_s, m_usuario->currentData());
    empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, true);
    empresa->setParametro(u"OficinaCentral"_s, true);
    for (const QCheckBox *ayuda : std::as_const(m_ayudas))
        empresa->setParametro(ayuda->objectName(), ayuda->isChecked());
    // The demo data's articles with lot and expiry have an article number, so
    // their labels carry GS1 barcodes; the tiles have none and print the lot
    // for in-house use.
    empresa->setGtin(100, u"8412345678905"_s);
    empresa->setGtin(101, u"8412345678912"_s);
    clase.EmpresaNuvalia(std::move(empresa));
    m_grabadora->olvidar();
    clase.ConexionNuvalia(m_grabadora);
}

void VentanaBanco::escanearEtiqueta()
{
    m_paginas->setCurrentIndex(0);
    // The label is typed once the modal dialog has the focus, from inside its loop.
    m_esperasEtiqueta = 0;
    m_teclearEtiqueta->start(0);
    m_paginas->currentWidget()->findChild<QPushButton *>(u"cmdShow"_s)->click();
}

void VentanaBanco::teclearEtiqueta()
{
    // What a scanner sends for article, expiry 00/12/2030 (the month's last
    // day), lot and serial: prefix, fixed fields, separators after the variable ones.
    const QString etiqueta =
        u"]C1"_s + u"0108412345678905"_s + u"17301200"_s + u"10L-ESCANEADO"_s + QChar(29) + u"21S-0001"_s;
    // The box with the focus in the purchase dialog, once the dialog is up and
    // active: the boxes take keys only while they have the focus.
    QWidget *dialogo = QApplication::activeModalWidget();
    QWidget *caja = dialogo ? dialogo->focusWidget() : nullptr;
    if (!caja || !caja->hasFocus()) {
        // A model without a dialog never shows one: give up after two seconds.
        if (++m_esperasEtiqueta < 40)
            m_teclearEtiqueta->start(50);
        return;
    }
    for (const QChar c : etiqueta) {
        QKeyEvent tecla(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(caja, &tecla);
    }
    QKeyEvent intro(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
    QApplication::sendEvent(caja, &intro);
}

void VentanaBanco::agregarPaginas()
{
    const auto contexto = [this](ClaseEntradaLotes &clase) { prepararContexto(clase); };

    auto compras = std::make_unique<frmclsLotesCompras>();
    compras->PedirCaducidad = true;
    compras->Unidades = 1;
    m_paginas->addTab(new PaginaEntrada(std::move(compras), contexto), u"Compras"_s);

    m_paginas->addTab(paginaFacturacion(contexto), u"Facturación"_s);

    auto regularizar = std::make_unique<frmclsLotesRegularizar>();
    regularizar->EsNegativo = true;
    regularizar->Cod_Almacen = 1;
    regularizar->Cod_Articulo = 101;
    regularizar->Unidades = 5;
    m_paginas->addTab(new PaginaEntrada(std::move(regularizar), contexto), u"Regularización"_s);

    auto traspaso = std::make_unique<frmclsLotesTraspaso>();
    traspaso->Cod_Almacen = 1;
    traspaso->Cod_Articulo = 101;
    traspaso->Unidades = 5;
    m_paginas->addTab(new PaginaEntrada(std::move(traspaso), contexto), u"Traspaso"_s);

    auto inventario = std::make_unique<frmclsLotesInventario>();
    inventario->Cod_Almacen = 1;
    inventario->Cod_Articulo = 100;
    inventario->Unidades = 4;
    inventario->ControlCaducidad = true;
    m_paginas->addTab(new PaginaEntrada(std::move(inventario), contexto), u"Inventario"_s);

    m_paginas->addTab(new PaginaSeguridad(m_conexion), u"Seguridad"_s);
    auto stock = std::make_unique<frmclsLotesStock>();
    stock->Cod_Almacen = 1;
    stock->Cod_Articulo = 200;
    stock->Control_Lotes = true;
    m_paginas->addTab(new PaginaEntrada(std::move(stock), contexto), u"Stock"_s);

    for (int i = 0; i < m_paginas->count(); ++i) {
        QWidget *pagina = m_paginas->widget(i);
        if (auto *entrada = qobject_cast<PaginaEntrada *>(pagina))
            connect(entrada, &PaginaEntrada::mostrado, this, [this] { m_sentencias->mostrar(m_grabadora->envios()); });
        const QString titulo = m_paginas->tabText(i);
        m_paginas->removeTab(i);
        m_paginas->insertTab(i, desplazable(pagina), titulo);
    }
    // The statements pane tells what the last Show sent: the "Seguridad" page
    // makes none, and takes the pane's room to be seen whole.
    const auto mostrarSentencias = [this](int indice) {
        const auto *area = qobject_cast<QScrollArea *>(m_paginas->widget(indice));
        m_sentencias->setVisible(area && qobject_cast<PaginaEntrada *>(area->widget()));
    };
    connect(m_paginas, &QTabWidget::currentChanged, this, mostrarSentencias);
    // Moving the pages into their scroll areas leaves another page current.
    m_paginas->setCurrentIndex(0);
    mostrarSentencias(0);
}

} // namespace NVLALotes::Banco

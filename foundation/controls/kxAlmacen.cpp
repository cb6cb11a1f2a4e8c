#include "kxAlmacen.h"

#include "foundation/controls/ListaAlmacenes.h"
#include "foundation/controls/Mensajes.h"
#include "foundation/core/host/Almacenes.h"
#include "foundation/core/values/Conversiones.h"
#include "foundation/core/values/ErrorLotes.h"

#include <nvlalotes/NVLAEMP.h>

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <optional>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

constexpr int LargoMaximo = 50; // a name typed to look for
const QString Origen = u"kxAlmacen"_s;

QString textoCodigo(qint16 almacen)
{
    return almacen == 0 ? QString() : QString::number(almacen);
}

} // namespace

kxAlmacen::kxAlmacen(QWidget *parent)
    : QWidget(parent)
    , m_codigo(new QLineEdit(this))
    , m_nombre(new QLabel(this))
    , m_lista(new QToolButton(this))
{
    m_codigo->setObjectName(u"txtCodigo"_s);
    m_codigo->setMaxLength(LargoMaximo);
    m_codigo->setFixedWidth(m_codigo->fontMetrics().horizontalAdvance(u"000000"_s) + 12);
    m_codigo->installEventFilter(this);
    m_nombre->setObjectName(u"lblNombre"_s);
    m_lista->setObjectName(u"cmdLista"_s);
    m_lista->setText(u"…"_s);
    m_lista->setToolTip(u"Lista de almacenes (F4)"_s);
    // The list is reached with F4 from the box: the button is no tab stop.
    m_lista->setFocusPolicy(Qt::NoFocus);
    connect(m_lista, &QToolButton::clicked, this, &kxAlmacen::abrirLista);

    auto *fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(m_codigo);
    fila->addWidget(m_lista);
    fila->addWidget(m_nombre, 1);
    setFocusProxy(m_codigo);
    setFocusPolicy(Qt::StrongFocus);
}

kxAlmacen::~kxAlmacen()
{
    // The box goes after this object: its last focus change is no confirmation.
    m_codigo->removeEventFilter(this);
}

void kxAlmacen::setConexion(std::shared_ptr<Conexion> conexion)
{
    m_conexion = std::move(conexion);
}

void kxAlmacen::setEmpresa(std::shared_ptr<NVLAEMP> empresa)
{
    m_empresa = std::move(empresa);
    m_usarDatosHost = true;
    if (!m_empresa)
        return;
    const QVariant valor = m_empresa->LeerParametro(u"UsarDatosAlmacen"_s);
    if (!valor.isNull() && !valor.toString().trimmed().isEmpty())
        m_usarDatosHost = valorBooleano(valor, Origen);
}

void kxAlmacen::setAlmacen(qint16 almacen)
{
    std::optional<DatosAlmacen> datos;
    if (almacen != 0 && m_conexion && m_empresa)
        datos = Almacenes::buscar(*m_conexion, codigoEmpresa(), almacen);
    mostrar(almacen, datos ? datos->nombre : QString());
}

void kxAlmacen::abrirLista()
{
    QList<DatosAlmacen> almacenes;
    if (protegido([&] { almacenes = Almacenes::deEmpresa(*m_conexion, codigoEmpresa()); }))
        abrirListaDe(almacenes);
}

bool kxAlmacen::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != m_codigo)
        return QWidget::eventFilter(objeto, evento);
    if (evento->type() == QEvent::KeyPress) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
            confirmarTexto();
            return true;
        }
        if (tecla->key() == Qt::Key_F4 ||
            (tecla->key() == Qt::Key_Down && tecla->modifiers().testFlag(Qt::AltModifier))) {
            abrirLista();
            return true;
        }
    } else if (evento->type() == QEvent::FocusOut) {
        // Leaving the box confirms it; a window switch or our own list does not.
        const Qt::FocusReason razon = static_cast<QFocusEvent *>(evento)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason)
            confirmarTexto();
    }
    return QWidget::eventFilter(objeto, evento);
}

void kxAlmacen::confirmarTexto()
{
    const QString texto = m_codigo->text().trimmed();
    if (texto.isEmpty()) {
        elegir(0, {});
        return;
    }
    bool esNumero = false;
    const int codigo = texto.toInt(&esNumero);
    if (!esNumero) {
        confirmarNombre(texto);
        return;
    }
    if (codigo == m_almacen) {
        mostrar(m_almacen, m_nombre->text());
        return;
    }
    std::optional<DatosAlmacen> datos;
    if (codigo > 0 && codigo <= std::numeric_limits<qint16>::max() &&
        !protegido([&] { datos = Almacenes::buscar(*m_conexion, codigoEmpresa(), qint16(codigo)); }))
        return;
    if (!datos) {
        rechazar(u"El almacén %1 no existe."_s.arg(texto));
        return;
    }
    elegir(datos->codigo, datos->nombre);
}

void kxAlmacen::confirmarNombre(const QString &texto)
{
    QList<DatosAlmacen> almacenes;
    if (!protegido([&] { almacenes = Almacenes::deEmpresa(*m_conexion, codigoEmpresa()); }))
        return;
    const QList<DatosAlmacen> hallados = Almacenes::conNombre(almacenes, texto);
    if (hallados.isEmpty())
        rechazar(u"Ningún almacén tiene «%1» en su nombre."_s.arg(texto));
    else if (hallados.size() == 1)
        elegir(hallados.first().codigo, hallados.first().nombre);
    else
        abrirListaDe(hallados);
}

void kxAlmacen::abrirListaDe(const QList<DatosAlmacen> &almacenes)
{
    // What was typed has become the list: the box shows the warehouse again,
    // so that losing the focus to the list confirms nothing.
    mostrar(m_almacen, m_nombre->text());
    if (almacenes.isEmpty()) {
        rechazar(u"La empresa no tiene almacenes."_s);
        return;
    }
    auto *lista = new ListaAlmacenes(this, almacenes, m_almacen);
    connect(lista, &ListaAlmacenes::cerrada, m_codigo, [this] { m_codigo->setFocus(Qt::PopupFocusReason); });
    connect(lista, &ListaAlmacenes::elegido, this, [this, almacenes](qint16 almacen) {
        for (const DatosAlmacen &datos : almacenes) {
            if (datos.codigo == almacen)
                elegir(datos.codigo, datos.nombre);
        }
    });
    lista->abrir();
}

void kxAlmacen::elegir(qint16 almacen, const QString &nombre)
{
    const qint16 anterior = m_almacen;
    mostrar(almacen, nombre);
    if (almacen != anterior)
        Q_EMIT almacenCambiado(almacen);
}

void kxAlmacen::rechazar(const QString &mensaje)
{
    // The box shows its warehouse again before the message takes the focus,
    // so that the focus leaving it confirms nothing a second time.
    mostrar(m_almacen, m_nombre->text());
    Mensajes::atencion(this, mensaje);
    m_codigo->setFocus();
    m_codigo->selectAll();
}

void kxAlmacen::mostrar(qint16 almacen, const QString &nombre)
{
    m_almacen = almacen;
    m_codigo->setText(textoCodigo(almacen));
    m_nombre->setText(nombre);
}

qint16 kxAlmacen::codigoEmpresa() const
{
    return m_empresa->CodigoEmpresa();
}

bool kxAlmacen::protegido(const std::function<void()> &accion)
{
    try {
        if (!m_conexion || !m_empresa)
            throw ErrorLotes(NumeroError::ConexionNoValida,
                             u"El selector de almacén no tiene empresa o conexión con la que buscar."_s, Origen);
        accion();
        return true;
    } catch (const ErrorLotes &error) {
        mostrar(m_almacen, m_nombre->text());
        Mensajes::critico(this, Origen, error.Description());
        return false;
    }
}

} // namespace NVLALotes

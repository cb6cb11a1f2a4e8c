#include "kxAlmacen.h"

#include "foundation/controls/Mensajes.h"
#include "foundation/database/Conexion.h"
#include "foundation/database/Registros.h"
#include "foundation/values/ErrorLotes.h"

#include <nvlalotes/NVLAEMP.h>

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace NVLALotes {

kxAlmacen::kxAlmacen(QWidget *parent)
    : QWidget(parent)
    , m_codigo(new QLineEdit(this))
    , m_nombre(new QLabel(this))
{
    m_codigo->setObjectName(u"txtCodigo"_s);
    m_codigo->setValidator(new QIntValidator(0, 32767, m_codigo));
    m_codigo->setMaximumWidth(m_codigo->fontMetrics().horizontalAdvance(u"000000"_s) + 12);
    m_codigo->installEventFilter(this);
    m_nombre->setObjectName(u"lblNombre"_s);
    auto *fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(m_codigo);
    fila->addWidget(m_nombre, 1);
    setFocusProxy(m_codigo);
    setFocusPolicy(Qt::StrongFocus);
}

kxAlmacen::~kxAlmacen() = default;

void kxAlmacen::setConexion(std::shared_ptr<Conexion> conexion)
{
    m_conexion = std::move(conexion);
}

void kxAlmacen::setEmpresa(std::shared_ptr<NVLAEMP> empresa)
{
    m_empresa = std::move(empresa);
}

void kxAlmacen::setAlmacen(qint16 almacen)
{
    QString nombre;
    buscarNombre(almacen, nombre);
    mostrar(almacen, nombre);
}

bool kxAlmacen::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_codigo) {
        if (evento->type() == QEvent::KeyPress) {
            const int tecla = static_cast<QKeyEvent *>(evento)->key();
            if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
                confirmarTexto();
                return true;
            }
        } else if (evento->type() == QEvent::FocusOut) {
            confirmarTexto();
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void kxAlmacen::confirmarTexto()
{
    const qint16 elegido = qint16(m_codigo->text().toInt());
    if (elegido == m_almacen) {
        mostrar(m_almacen, m_nombre->text());
        return;
    }
    QString nombre;
    if (elegido != 0 && !buscarNombre(elegido, nombre)) {
        mostrar(m_almacen, m_nombre->text());
        Mensajes::Atencion(this, u"El almacén %1 no existe."_s.arg(elegido));
        m_codigo->setFocus();
        m_codigo->selectAll();
        return;
    }
    mostrar(elegido, nombre);
    Q_EMIT AlmacenCambiado(elegido);
}

void kxAlmacen::mostrar(qint16 almacen, const QString &nombre)
{
    m_almacen = almacen;
    m_codigo->setText(almacen == 0 ? QString() : QString::number(almacen));
    m_nombre->setText(nombre);
}

bool kxAlmacen::buscarNombre(qint16 almacen, QString &nombre) const
{
    if (almacen == 0 || !m_conexion || !m_empresa)
        return false;
    auto registros = m_conexion->AbrirConsulta(u"SELECT Nombre FROM Almacenes WHERE Cod_Empresa = "_s +
                                               QString::number(m_empresa->CodigoEmpresa()) + u" AND Cod_Almacen = "_s +
                                               QString::number(almacen));
    if (!registros->Siguiente())
        return false;
    nombre = registros->Campo(0).toString();
    return true;
}

} // namespace NVLALotes

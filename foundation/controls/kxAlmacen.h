#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QToolButton;

namespace NVLALotes {

class Conexion;
class NVLAEMP;
struct DatosAlmacen;

// Warehouse picker of the stock windows, driven from the keyboard: the clerk
// types a warehouse code and confirms it with Enter or by leaving the box
// (Tab), and sees its name beside it. F4 or the button opens the list of the
// company's warehouses; a typed name (or part of one) picks the warehouse
// whose name holds it, or opens the list of those that do. An unknown code
// is told and the box goes back to the warehouse it showed.
//
// Code 0, an empty box, is no warehouse: the clerk may leave the box empty.
// The picker chooses no warehouse by itself, and Enter and the arrows keep the
// focus in the box.
class NVLA_EXPORT kxAlmacen : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(kxAlmacen)

public:
    explicit kxAlmacen(QWidget *parent = nullptr);
    ~kxAlmacen() override;

    void setConexion(std::shared_ptr<Conexion> conexion);
    // Also reads host parameter "UsarDatosAlmacen" through the company object.
    void setEmpresa(std::shared_ptr<NVLAEMP> empresa);

    qint16 Almacen() const { return m_almacen; }
    // Shows the warehouse given by code; the clerk did not choose it, so
    // almacenCambiado is not emitted. A code the company lacks is shown
    // without a name.
    void setAlmacen(qint16 almacen);

    // Whether the windows consult the warehouse's own record: host parameter
    // "UsarDatosAlmacen" (True when the host has none).
    bool UsarDatosAlmacen() const { return m_usarDatosHost; }

    // Opens the list of the company's warehouses, as F4 does.
    void abrirLista();

Q_SIGNALS:
    // The clerk chose a warehouse other than the one shown.
    void almacenCambiado(qint16 almacen);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void confirmarTexto();
    void confirmarNombre(const QString &texto);
    void abrirListaDe(const QList<DatosAlmacen> &almacenes);
    void elegir(qint16 almacen, const QString &nombre);
    void rechazar(const QString &mensaje);
    void mostrar(qint16 almacen, const QString &nombre);
    qint16 codigoEmpresa() const;
    // Runs a lookup the clerk asked for; a database error is shown, not thrown,
    // as it comes from an event of the window.
    bool protegido(const std::function<void()> &accion);

    std::shared_ptr<Conexion> m_conexion;
    std::shared_ptr<NVLAEMP> m_empresa;
    qint16 m_almacen = 0;
    bool m_usarDatosHost = true;
    QLineEdit *m_codigo;
    QLabel *m_nombre;
    QToolButton *m_lista;
};

} // namespace NVLALotes

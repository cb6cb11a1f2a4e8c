#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;

namespace NVLALotes {

class Conexion;
class NVLAEMP;

// Warehouse picker of the stock windows: the clerk types a warehouse code
// (Enter or Tab confirms) and sees its name beside it. Code 0, an empty box,
// is no warehouse. The warehouses are those of table Almacenes of the company.
class NVLA_EXPORT kxAlmacen : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(kxAlmacen)

public:
    explicit kxAlmacen(QWidget *parent = nullptr);
    ~kxAlmacen() override;

    void setConexion(std::shared_ptr<Conexion> conexion);
    void setEmpresa(std::shared_ptr<NVLAEMP> empresa);

    qint16 Almacen() const { return m_almacen; }
    // Shows the warehouse given by code; the clerk did not choose it, so
    // AlmacenCambiado is not emitted.
    void setAlmacen(qint16 almacen);

    // Whether the windows should consult the warehouse's own record.
    bool UsarDatosAlmacen() const { return m_usarDatosAlmacen; }
    void setUsarDatosAlmacen(bool usar) { m_usarDatosAlmacen = usar; }

Q_SIGNALS:
    // The clerk chose a warehouse other than the one shown.
    void AlmacenCambiado(qint16 almacen);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void confirmarTexto();
    void mostrar(qint16 almacen, const QString &nombre);
    // The name of a warehouse of the company; false when there is none.
    bool buscarNombre(qint16 almacen, QString &nombre) const;

    std::shared_ptr<Conexion> m_conexion;
    std::shared_ptr<NVLAEMP> m_empresa;
    qint16 m_almacen = 0;
    bool m_usarDatosAlmacen = true;
    QLineEdit *m_codigo;
    QLabel *m_nombre;
};

} // namespace NVLALotes

#pragma once

#include <nvlalotes/nvlalotes_export.h>

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace NVLALotes {

class NVLAEMP;
class Conexion;

// Applies the permissions that the current user's groups have on the controls
// of one form: each control ends visible, read-only or disabled. Before that,
// once per object, it brings the catalog of forms and controls in step with the
// form. Built by the library, never by the host: it gets its company object,
// connection, user and form through its members. Its errors are shown to the
// user, never raised.
class NVLA_EXPORT clsControlSeg final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(clsControlSeg)

public:
    explicit clsControlSeg(QObject *parent = nullptr);
    ~clsControlSeg() override;

    qint32 Usuario = 0; // the user whose groups count
    // The company object whose parameters are read.
    void cEmpresa(std::shared_ptr<NVLAEMP> Emp);
    // The connection of the permission query (the catalog goes through the shared one).
    void Conexion(std::shared_ptr<NVLALotes::Conexion> pconexion);
    // Registers the form's controls, then applies every permission row of the
    // user's groups and of group 0, the most restrictive of a control last.
    void SetStateAllControl();
    QWidget *ContentForm() const;
    void ContentForm(QWidget *vData);
    // One permission on one control: 0 visible, 1 read-only, 2 disabled. A
    // control whose class declares AccessLevel receives the value and no
    // signal; any other gets the generic rules and AfterSetStateControl.
    void setControlState(QWidget *Ctrl, qint32 state);

Q_SIGNALS:
    void AfterSetStateAllControls();
    // For the form to finish what the generic rules do not fit.
    void AfterSetStateControl(QWidget *Ctrl, qint32 state);

private:
    bool EsMatriz(const QWidget *Ctrl) const;
    QString IndiceControl(const QWidget *Ctrl) const;
    QString OrdenTabulacion(const QWidget *Ctrl) const;
    // Key "name!index" -> position in the form's controls; built once, for
    // the form of the first call.
    const QHash<QString, qint32> &MapaControles();
    void RegistrarControles();

    void aplicarPermisos();

    std::shared_ptr<NVLAEMP> m_empresa;
    std::shared_ptr<NVLALotes::Conexion> m_conexion;
    QPointer<QWidget> m_form;
    std::unique_ptr<QHash<QString, qint32>> m_mapa;
    bool m_catalogoHecho = false;
};

} // namespace NVLALotes

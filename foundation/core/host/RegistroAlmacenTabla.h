#pragma once

#include <nvlalotes/RegistroAlmacen.h>

namespace NVLALotes {

// The library's warehouse record: the row of table Almacenes of the company.
// A warehouse without a row keeps no expiry dates, so that a window opened on
// a warehouse the host has since removed still lists its lots.
class RegistroAlmacenTabla final : public RegistroAlmacen
{
public:
    void setEmpresa(std::shared_ptr<NVLAEMP> empresa) override;
    void setConexion(std::shared_ptr<Conexion> conexion) override;
    void setCodigoAlmacen(qint16 codigo) override;
    void Cargar(QObject *objeto = nullptr) override;
    bool ControlCaducidad() const override;

private:
    std::shared_ptr<NVLAEMP> m_empresa;
    std::shared_ptr<Conexion> m_conexion;
    qint16 m_almacen = 0;
    bool m_controlCaducidad = false;
};

} // namespace NVLALotes

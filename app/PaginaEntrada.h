#pragma once

#include <nvlalotes/ClaseEntradaLotes.h>

#include <QMetaObject>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;

namespace NVLALotes::Banco {

class PanelCampos;

// One entry class on the workbench: its fields, a button that runs Show(1)
// with the real dialog, and the fields as they came back.
class PaginaEntrada final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaginaEntrada)

public:
    // `prepararContexto` hands the class the company object and connection of
    // the workbench right before Show; the fields are those `Clase` declares.
    template<class Clase>
    PaginaEntrada(std::unique_ptr<Clase> clase, std::function<void(ClaseEntradaLotes &)> prepararContexto,
                  QWidget *parent = nullptr)
        : PaginaEntrada(Clase::staticMetaObject, std::move(clase), &camposDe<Clase>, std::move(prepararContexto),
                        parent)
    {}
    ~PaginaEntrada() override;

Q_SIGNALS:
    // After each Show, whether it ended or failed.
    void mostrado();

private:
    // The fields of a class are read through its own type, which the base's pointer may not be.
    template<class Clase> static void *camposDe(ClaseEntradaLotes *clase) { return static_cast<Clase *>(clase); }
    PaginaEntrada(const QMetaObject &meta, std::unique_ptr<ClaseEntradaLotes> clase,
                  void *(*campos)(ClaseEntradaLotes *), std::function<void(ClaseEntradaLotes &)> prepararContexto,
                  QWidget *parent);
    void mostrarDialogo();
    QString estadoTrasShow() const;

    std::unique_ptr<ClaseEntradaLotes> m_clase;
    const QMetaObject &m_meta;
    void *m_camposClase = nullptr;
    std::function<void(ClaseEntradaLotes &)> m_prepararContexto;
    PanelCampos *m_campos = nullptr;
    QLabel *m_estado = nullptr;
};

} // namespace NVLALotes::Banco

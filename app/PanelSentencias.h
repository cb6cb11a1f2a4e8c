#pragma once

#include <nvlalotes/ConexionGrabadora.h>

#include <QTableWidget>

namespace NVLALotes::Banco {

// What the library sent to the database during the last Show, in order: each
// query, statement, command and transaction step with its time and rows.
class PanelSentencias final : public QTableWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PanelSentencias)

public:
    explicit PanelSentencias(QWidget *parent = nullptr);

    void mostrar(const QList<ConexionGrabadora::Envio> &envios);
};

} // namespace NVLALotes::Banco

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>

class QDialog;

// What every dialog benchmark measures the same way.
namespace NVLALotes::Medicion {

// The peak resident memory of this process so far, in MB.
double PicoMemoriaMb();

// The rows of `sql` read with nothing but Qt SQL, `campos` fields of each, on
// a connection with the page cache the library's own connections use, so that
// the difference to a dialog is the dialog's work and not the engine's settings.
double LeerConQtSql(const QString &ruta, const QString &sql, int campos);

// Watches the application from Show until the list of a lot dialog (vsLotes)
// has painted once; then runs `despues` on the dialog from the event loop.
class PrimerPintado final : public QObject
{
public:
    explicit PrimerPintado(std::function<void(QDialog *)> despues);
    ~PrimerPintado() override;

    QElapsedTimer reloj;
    double ms = -1;
    QString clase; // the dialog's objectName

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    std::function<void(QDialog *)> m_despues;
};

} // namespace NVLALotes::Medicion

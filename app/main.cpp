// The workbench: runs the library's entry classes on the embedded demo database.
#include "VentanaBanco.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"nvla-banco"_s);
    NVLALotes::Banco::VentanaBanco ventana(nullptr, u"(sin base de datos)"_s);
    ventana.resize(720, 640);
    ventana.show();
    return QApplication::exec();
}

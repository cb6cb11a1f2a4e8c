#include "TextosQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace NVLALotes::TextosQt {

namespace {

// A text of Qt's own, as a translation of Qt's texts changes it.
bool qtYaTraducido()
{
    return QCoreApplication::translate("QFileDialog", "Look in:") != u"Look in:"_s;
}

} // namespace

void asegurarEspanol()
{
    auto *aplicacion = QCoreApplication::instance();
    static bool hecho = false;
    if (hecho || !aplicacion)
        return;
    hecho = true;
    if (qtYaTraducido())
        return;
    auto traduccion = std::make_unique<QTranslator>();
    if (traduccion->load(u"qtbase_es"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(traduccion.get()))
        traduccion.release()->setParent(aplicacion); // the application owns it from now on
}

} // namespace NVLALotes::TextosQt

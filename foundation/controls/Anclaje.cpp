#include "Anclaje.h"

#include "foundation/controls/Twips.h"
#include "foundation/core/values/ErrorLotes.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace NVLALotes {

namespace {

[[noreturn]] void ajusteNoValido(const QString &nombre)
{
    throw ErrorLotes(NumeroError::LlamadaNoValida, u"El ajuste de anclaje \"%1\" falta o no es válido."_s.arg(nombre),
                     u"Anclaje"_s);
}

class Lector
{
public:
    explicit Lector(const Anclaje::Ajustes &ajustes)
    {
        for (const auto &[nombre, valor] : ajustes)
            m_valores.insert(nombre.toLower(), valor);
    }

    bool tiene(const QString &nombre) const { return m_valores.contains(nombre); }

    QVariant valor(const QString &nombre) const
    {
        const auto encontrado = m_valores.constFind(nombre);
        if (encontrado == m_valores.cend())
            ajusteNoValido(nombre);
        return *encontrado;
    }

    int entero(const QString &nombre, int siFalta) const
    {
        if (!tiene(nombre))
            return siFalta;
        bool ok = false;
        const double numero = valor(nombre).toDouble(&ok);
        if (!ok)
            ajusteNoValido(nombre);
        return int(numero);
    }

    template<class Numero> std::array<Numero, 4> cuatro(const QString &nombre) const
    {
        const QStringList partes = valor(nombre).toString().split(u',');
        if (partes.size() != 4)
            ajusteNoValido(nombre);
        std::array<Numero, 4> numeros{};
        for (qsizetype i = 0; i < 4; ++i) {
            bool ok = false;
            numeros.at(std::size_t(i)) = Numero(partes.at(i).trimmed().toDouble(&ok));
            if (!ok)
                ajusteNoValido(nombre);
        }
        return numeros;
    }

private:
    QHash<QString, QVariant> m_valores;
};

Anclaje::Control leerControl(const Lector &lector, const QString &prefijo)
{
    Anclaje::Control control;
    control.nombre = lector.valor(prefijo + u"nombre"_s).toString();
    control.anclaje = lector.entero(prefijo + u"anclaje"_s, 0);
    const auto r = lector.cuatro<int>(prefijo + u"sizeini"_s);
    control.sizeIni = QRect(r[0], r[1], r[2], r[3]);
    control.location = lector.cuatro<int>(prefijo + u"location"_s);
    if (lector.tiene(prefijo + u"porcresize"_s))
        control.porcResize = lector.cuatro<double>(prefijo + u"porcresize"_s);
    return control;
}

} // namespace

Anclaje::Configuracion Anclaje::Configuracion::leer(const Ajustes &ajustes)
{
    const Lector lector(ajustes);
    Configuracion config;
    config.formW = lector.entero(u"formw"_s, 0);
    config.formH = lector.entero(u"formh"_s, 0);
    config.ajustarForm = lector.tiene(u"ajustarform"_s) && lector.valor(u"ajustarform"_s).toBool();
    config.resolucionAncho = lector.entero(u"resolucionancho"_s, 800);
    config.resolucionAlto = lector.entero(u"resolucionalto"_s, 600);
    for (int n = 0; lector.tiene(u"anclaje%1.nombre"_s.arg(n)); ++n)
        config.controles.append(leerControl(lector, u"anclaje%1."_s.arg(n)));
    // Every control was placed in the same inner area.
    const QSize area = config.areaCliente();
    for (const Control &control : std::as_const(config.controles)) {
        if (control.location[0] + control.sizeIni.x() != area.width() ||
            control.location[1] + control.sizeIni.y() != area.height())
            ajusteNoValido(control.nombre + u".location"_s);
    }
    return config;
}

QSize Anclaje::Configuracion::areaCliente() const
{
    if (controles.isEmpty())
        return {};
    const Control &primero = controles.constFirst();
    return {primero.location[0] + primero.sizeIni.x(), primero.location[1] + primero.sizeIni.y()};
}

Anclaje::Ajustes Anclaje::sinAnclados(int formW, int formH, bool ajustarForm)
{
    return {{u"formw"_s, formW},
            {u"formh"_s, formH},
            {u"ajustarform"_s, ajustarForm},
            {u"resolucionancho"_s, 800},
            {u"resolucionalto"_s, 600}};
}

Anclaje::Anclaje(QWidget *form, Configuracion configuracion)
    : QObject(form)
    , m_form(form)
    , m_config(std::move(configuracion))
{
    setObjectName(u"Anclaje"_s);
    form->installEventFilter(this);
}

bool Anclaje::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form) {
        if (event->type() == QEvent::Resize)
            recolocar();
        else if (event->type() == QEvent::Show && m_config.ajustarForm)
            ajustarAPantalla();
    }
    return QObject::eventFilter(watched, event);
}

// Each anchored control keeps its design distance to the edges it is anchored
// to; towards a free edge it keeps its design size. Its stored shares of the
// size change move and grow it further.
void Anclaje::recolocar()
{
    const QSize areaTwips = m_config.areaCliente();
    if (areaTwips.isEmpty())
        return;
    const QSize disenio = Twips::size(areaTwips.width(), areaTwips.height());
    const int dx = m_form->width() - disenio.width();
    const int dy = m_form->height() - disenio.height();
    for (const Control &control : std::as_const(m_config.controles)) {
        auto *widget = m_form->findChild<QWidget *>(control.nombre);
        if (!widget)
            continue;
        QRect r =
            Twips::rect(control.sizeIni.x(), control.sizeIni.y(), control.sizeIni.width(), control.sizeIni.height());
        const bool izquierda = (control.anclaje & Izquierda) != 0;
        const bool derecha = (control.anclaje & Derecha) != 0;
        const bool arriba = (control.anclaje & Arriba) != 0;
        const bool abajo = (control.anclaje & Abajo) != 0;
        if (derecha && izquierda)
            r.setWidth(r.width() + dx);
        else if (derecha)
            r.translate(dx, 0);
        if (abajo && arriba)
            r.setHeight(r.height() + dy);
        else if (abajo)
            r.translate(0, dy);
        const auto &p = control.porcResize;
        r.translate(int(dx * p[0] / 100), int(dy * p[1] / 100));
        r.setSize(r.size() + QSize(int(dx * p[2] / 100), int(dy * p[3] / 100)));
        widget->setGeometry(r);
    }
}

// A form laid out for a screen of resolucionancho x resolucionalto must still
// fit a smaller working area.
void Anclaje::ajustarAPantalla()
{
    const QScreen *pantalla = m_form->screen() ? m_form->screen() : QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QRect disponible = pantalla->availableGeometry();
    QRect marco = m_form->frameGeometry();
    const bool pantallaMenor =
        disponible.width() < m_config.resolucionAncho || disponible.height() < m_config.resolucionAlto;
    if (marco.width() > disponible.width() || marco.height() > disponible.height() || pantallaMenor) {
        const QSize maximo = disponible.size() - (marco.size() - m_form->size());
        m_form->setMinimumSize(0, 0);
        m_form->resize(std::min(m_form->width(), maximo.width()), std::min(m_form->height(), maximo.height()));
        marco = m_form->frameGeometry();
    }
    if (!disponible.contains(marco))
        m_form->move(disponible.topLeft());
}

} // namespace NVLALotes

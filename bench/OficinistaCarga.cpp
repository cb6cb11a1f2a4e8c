#include "bench/OficinistaCarga.h"

#include "bench/ConductorCarga.h"

#include <nvlalotes/Conexion.h>
#include <nvlalotes/EmpresaMemoria.h>
#include <nvlalotes/ErrorLotes.h>
#include <nvlalotes/ProcedimientoStockLotes.h>
#include <nvlalotes/frmclsLotesCompras.h>
#include <nvlalotes/frmclsLotesFacturacion.h>
#include <nvlalotes/frmclsLotesInventario.h>
#include <nvlalotes/frmclsLotesRegularizar.h>
#include <nvlalotes/frmclsLotesStock.h>
#include <nvlalotes/frmclsLotesTraspaso.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace NVLALotes::Carga {

namespace {

class Dia
{
public:
    explicit Dia(const Encargo &encargo)
        : m_encargo(encargo)
        , m_azar(encargo.semilla)
        , m_empresa(std::make_shared<EmpresaMemoria>(1, 1))
    {
        m_empresa->setParametro(u"Lotes_NroObligatorio"_s, true);
        m_empresa->setParametro(u"UsuarioActual"_s, 1);
        m_empresa->setParametro(u"ArticulosHabModFichaTiendas"_s, true);
        m_empresa->setParametro(u"OficinaCentral"_s, true);
    }

    int trabajar()
    {
        try {
            m_conexion = Conexion::abrir(m_encargo.cadena);
        } catch (const ErrorLotes &error) {
            std::fprintf(stderr, "clerk %d: %s\n", m_encargo.numero, qPrintable(error.Description()));
            return 1;
        }
        QElapsedTimer dia;
        dia.start();
        while (dia.elapsed() < qint64(m_encargo.segundos) * 1000) {
            const int tipo = azar(7);
            operar(tipo);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        return 0;
    }

private:
    int azar(int n) { return int(m_azar() % quint32(n)); }

    // Half the work on eight busy articles, so that clerks meet on their lots.
    qint32 articulo() { return PrimerArticulo + (azar(2) == 0 ? azar(8) : azar(ArticulosGenerados)); }

    void operar(int tipo)
    {
        static const char *const nombres[] = {"purchase", "sale_auto", "sale_typed", "regularization",
                                              "transfer", "inventory", "stock_block"};
        const int pensar = 150 + azar(600);
        QElapsedTimer reloj;
        reloj.start();
        Final final = Final::Ok;
        try {
            switch (tipo) {
            case 0:
                final = compra(pensar);
                break;
            case 1:
            case 2:
                final = venta(pensar, tipo == 2);
                break;
            case 3:
                final = regularizacion(pensar);
                break;
            case 4:
                final = traspaso(pensar);
                break;
            case 5:
                final = inventario(pensar);
                break;
            default:
                final = stock(pensar);
                break;
            }
        } catch (const ErrorLotes &error) {
            final = peor(m_conductor.final, finalDeError(error));
        }
        m_conductor.terminar();
        std::printf("op %s %lld %lld %s\n", nombres[tipo], QDateTime::currentMSecsSinceEpoch(),
                    reloj.elapsed() - m_conductor.pensadoMs, nombreFinal(final));
        std::fflush(stdout);
    }

    // Show(1) with the clerk's script; the outcome by what the clerk read.
    // The script of a line whose lot the clerk picks from the list.
    static std::function<void(QDialog *)> eligiendo(int filas)
    {
        return [filas](QDialog *d) {
            bajar(d, filas);
            aceptar(d);
        };
    }

    Final mostrar(ClaseEntradaLotes &clase, int modelo, int pensar, const std::function<void(QDialog *)> &guion)
    {
        m_empresa->setParametro(u"Lotes_ModeloUsar"_s, QString::number(modelo));
        clase.EmpresaNuvalia(m_empresa);
        clase.ConexionNuvalia(m_conexion);
        m_conductor.empezar(guion, pensar);
        clase.Show(1);
        return m_conductor.final;
    }

    // The host's own call once the line is accepted: the units go to the lot.
    Final anotar(qint16 almacen, qint32 articulo, double unidades, const QString &lote, const QDate &caducidad)
    {
        return enUnidad({{almacen, articulo, unidades, lote, caducidad}});
    }

    struct Movimiento
    {
        qint16 almacen;
        qint32 articulo;
        double unidades;
        QString lote;
        QDate caducidad;
    };

    // The calls of one line in one unit of work; reported once it is confirmed.
    Final enUnidad(const QList<Movimiento> &movimientos)
    {
        QList<qint32> claves;
        try {
            enTransaccion(*m_conexion, [&] {
                claves.clear();
                for (const Movimiento &m : movimientos) {
                    LlamadaStockLote llamada;
                    llamada.empresa = 1;
                    llamada.almacen = m.almacen;
                    llamada.articulo = m.articulo;
                    llamada.unidades = Currency::fromDouble(m.unidades);
                    llamada.lote = m.lote;
                    llamada.caducidad = m.caducidad;
                    claves << actualizarStockLote(*m_conexion, llamada);
                }
            });
        } catch (const ErrorLotes &error) {
            if (error.Number() == NumeroError::ConexionPerdida) {
                for (const Movimiento &m : movimientos)
                    std::printf("doubt %d %d %g\n", m.almacen, m.articulo, m.unidades);
            }
            return finalDeError(error);
        }
        for (int i = 0; i < movimientos.size(); ++i)
            std::printf("stock %d %d %g\n", movimientos[i].almacen, claves[i], movimientos[i].unidades);
        return Final::Ok;
    }

    // A purchase line: half of them a lot every clerk buying in the same five
    // seconds creates too, on the same article with the same expiry.
    Final compra(int pensar)
    {
        const bool compartido = azar(2) == 0;
        const qint64 ventana = QDateTime::currentSecsSinceEpoch() / 5;
        const qint32 art = compartido ? PrimerArticulo + qint32(ventana % 8) : articulo();
        const QString lote = compartido ? u"N%1"_s.arg(ventana) : u"K%1-%2"_s.arg(m_encargo.numero).arg(++m_nuevos);
        frmclsLotesCompras clase;
        clase.PedirCaducidad = true;
        clase.Caducidad = QDate(2028, 1, 1).addDays(compartido ? int(ventana % 300) : azar(300));
        clase.Unidades = 10;
        const Final final = mostrar(clase, 3, pensar, [&](QDialog *d) {
            teclear(d, u"txtLote"_s, lote);
            aceptar(d);
        });
        if (final != Final::Ok || !clase.Result)
            return final;
        return anotar(1, art, 10, clase.Lote, clase.Caducidad);
    }

    // A sales line: the automatic choice, or a lot without expiry typed by its code.
    Final venta(int pensar, bool tecleado)
    {
        frmclsLotesFacturacion clase;
        clase.Cod_Almacen = 1;
        clase.Cod_Articulo = articulo();
        clase.Unidades = 1;
        clase.PermitirAutomatico = true;
        const QString lote = u"G%1-%2"_s.arg(clase.Cod_Articulo).arg(20 * azar(5) + 6, 6, 10, QChar(u'0'));
        const Final final = mostrar(clase, 3, pensar, [&](QDialog *d) {
            if (tecleado)
                teclear(d, u"txtLote"_s, lote);
            aceptar(d);
        });
        if (final != Final::Ok || !clase.Result)
            return final;
        return anotar(1, clase.Cod_Articulo, -1, clase.Lote, clase.Caducidad);
    }

    // A line whose lot the clerk picks from warehouse 1's list.
    template<class Clase> Final elegir(Clase &clase, int pensar, int unidades)
    {
        clase.Cod_Almacen = 1;
        clase.Cod_Articulo = articulo();
        clase.Unidades = unidades;
        return mostrar(clase, 3, pensar, eligiendo(1 + azar(12)));
    }

    Final regularizacion(int pensar)
    {
        frmclsLotesRegularizar clase;
        clase.EsNegativo = azar(2) == 0;
        const Final final = elegir(clase, pensar, 1);
        if (final != Final::Ok || !clase.Result)
            return final;
        return anotar(1, clase.Cod_Articulo, clase.EsNegativo ? -1 : 1, clase.Lote, clase.Caducidad);
    }

    // Out of warehouse 1 and into warehouse 2, both in one unit of work.
    Final traspaso(int pensar)
    {
        frmclsLotesTraspaso clase;
        const Final final = elegir(clase, pensar, 1);
        if (final != Final::Ok || !clase.Result)
            return final;
        return enUnidad({{1, clase.Cod_Articulo, -1, clase.Lote, clase.Caducidad},
                         {2, clase.Cod_Articulo, 1, clase.Lote, clase.Caducidad}});
    }

    Final inventario(int pensar)
    {
        frmclsLotesInventario clase;
        return elegir(clase, pensar, 5);
    }

    // The stock window (tone and caliber): a lot blocked and unblocked again.
    Final stock(int pensar)
    {
        frmclsLotesStock clase;
        clase.Cod_Almacen = 1;
        clase.Cod_Articulo = articulo();
        clase.Control_Lotes = true;
        clase.Control_Caducidad = true;
        return mostrar(clase, 2, pensar, [](QDialog *d) {
            auto *lista = d->findChild<QAbstractItemView *>(u"vsLotes"_s);
            auto *bloquear = d->findChild<QAbstractButton *>(u"cmdBloquear"_s);
            if (lista && bloquear) {
                lista->setFocus(Qt::MouseFocusReason);
                for (int i = 0; i < 20 && !bloquear->isVisible(); ++i)
                    QTest::keyClick(lista, Qt::Key_Down);
                pulsar(d, u"cmdBloquear"_s);
                pulsar(d, u"cmdBloquear"_s);
            }
            pulsar(d, u"cmdSalir"_s);
        });
    }

    Encargo m_encargo;
    std::mt19937 m_azar;
    std::shared_ptr<EmpresaMemoria> m_empresa;
    std::shared_ptr<Conexion> m_conexion;
    Conductor m_conductor;
    int m_nuevos = 0;
};

} // namespace

int oficinista(const Encargo &encargo)
{
    Dia dia(encargo);
    return dia.trabajar();
}

} // namespace NVLALotes::Carga

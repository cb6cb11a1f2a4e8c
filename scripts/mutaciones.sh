#!/usr/bin/env bash
# Proves the tests bite: applies each small breakage of the table below to the
# product, one at a time, rebuilds (dev preset), runs the tests on SQLite and
# restores the file. Prints which breakages no test caught and fails if any
# survived. A breakage whose text no longer matches the source exactly once
# stops the run at once: after a refactor, update the table, do not delete rows.
#
#   bash scripts/mutaciones.sh            every breakage
#   bash scripts/mutaciones.sh 3 7        only breakages 3 and 7
#   NVLA_PG=... bash scripts/mutaciones.sh  also the PostgreSQL rows of the tests
#
# Needs a configured dev build (cmake --preset dev). Not run in CI: it takes a
# rebuild and a test run per breakage.
set -euo pipefail
cd "$(dirname "$0")/.."

# One breakage per line: name @@ file @@ exact text (one line of the file) @@ replacement.
read -r -d '' TABLA <<'EOF' || true
purchase Cancelar disconnected @@ purchases/frmLotesDatos.cpp @@ connect(cmdCancelar, &QAbstractButton::clicked, this, &frmLotesDatos::terminarCancelando); @@ // Cancelar disconnected
sales Cancelar disconnected @@ foundation/lists/DialogoListaLotes.cpp @@ connect(cmdCancelar, &QAbstractButton::clicked, this, &DialogoListaLotes::terminarCancelando); @@ // Cancelar disconnected
Enter in the grid no longer accepts @@ foundation/lists/ListaLotes.cpp @@ if (caracter == CodigosTecla::Intro) @@ if (caracter == -CodigosTecla::Intro)
message text changed @@ purchases/frmLotesDatos1.cpp @@ Mensajes::atencion(this, u"Especifique el código de lote"_s); @@ Mensajes::atencion(this, u"Especifique el codigo de lote"_s);
unexpected message on accept @@ purchases/frmLotesDatos2.cpp @@ Lote.clear(); @@ Lote.clear(); Mensajes::atencion(this, u"Datos aceptados"_s);
control renamed @@ sales/frmLotesStockFacturar2.cpp @@ Formulario::boton(this, u"cmdContinuar"_s, @@ Formulario::boton(this, u"cmdSeguir"_s,
stock comparison reversed @@ foundation/lists/DialogoListaLotes.cpp @@ if (comprobarStock() && m_lista->stockMostrado(fila) < Unidades) { @@ if (comprobarStock() && m_lista->stockMostrado(fila) > Unidades) {
automatic choice takes a short lot @@ foundation/core/rules/ReglasStockLotes.cpp @@ return !bloqueada && stockMostrado >= unidades; @@ return !bloqueada && stockMostrado > unidades;
automatic choice off by one @@ foundation/lists/ListaLotes.cpp @@ return m_rejilla->buscarFila(m_filaAutomatica ? 2 : 1, [&](int fila) { @@ return m_rejilla->buscarFila(m_filaAutomatica ? 3 : 1, [&](int fila) {
blocked lot accepted @@ foundation/lists/DialogoListaLotes.cpp @@ if (m_lista->bloqueada(fila)) { @@ if (false) {
wrong copy-out field (purchases) @@ purchases/frmclsLotesCompras.cpp @@ Campos{"Lote", "Caducidad", "Tono", "Calibre"}); @@ Campos{"Lote", "Caducidad", "Tono"});
wrong copy-out field (sales) @@ sales/frmLotesStockFacturar2.cpp @@ lista->texto(fila, CalibreLote)); @@ lista->texto(fila, TonoLote));
query condition dropped @@ foundation/core/rules/ReglasStockLotes.cpp @@ u" AND b.Cod_Articulo = "_s + ValorSql::numero(articulo); @@ QString();
positive-stock WHERE fragment dropped @@ foundation/core/rules/ReglasStockLotes.cpp @@ sql += u" AND a.Stock_Actual > 0"_s; @@ sql += QString();
expired date accepted today @@ purchases/frmLotesDatos.cpp @@ if (Unidades > Currency(0) && fecha < QDate::currentDate()) { @@ if (Unidades > Currency(0) && fecha < QDate::currentDate().addDays(-1)) {
typed lot not trimmed @@ sales/frmLotesStockFacturar1.cpp @@ txtLote->setText(txtLote->text().trimmed()); @@ txtLote->setText(txtLote->text());
model 1 keeps the host's lot @@ purchases/frmclsLotesCompras.cpp @@ Lote.clear(); @@ (void)0;
error swallowed by the dialog @@ foundation/entry/VentanaLotes.cpp @@ Mensajes::critico(this, tituloError(accion), error.Description()); @@ (void)accion;
failed lot procedure half-written @@ foundation/core/database/Dialecto.cpp @@ return {u"ROLLBACK"_s}; @@ return {u"COMMIT"_s};
transaction not undone @@ foundation/core/database/Conexion.cpp @@ conexion.deshacerTransaccion(); @@ (void)0;
model read failure reported as a bad model @@ foundation/entry/ProtocoloShow.cpp @@ return ContextoCompartido::empresaRequerida().LeerParametro(u"Lotes_ModeloUsar"_s).toString(); @@ try { return ContextoCompartido::empresaRequerida().LeerParametro(u"Lotes_ModeloUsar"_s).toString(); } catch (const ErrorLotes &) { return QString(); }
caliber not copied out under the tone model @@ sales/frmclsLotesFacturacion.cpp @@ salida += Campos{"Cod_Lote", "Tono", "Calibre", "Reparto"}; @@ salida += Campos{"Cod_Lote", "Tono", "Reparto"};
sales outputs taken without reading the model again @@ sales/frmclsLotesFacturacion.cpp @@ return salidaDelModelo(leerModeloLotes()); @@ return salidaDelModelo(3);
caption box no longer grows @@ foundation/controls/Formulario.cpp @@ ancho > etiqueta->width()) @@ ancho < 0)
grid column narrower than its header @@ foundation/lists/CeldasStock.cpp @@ const ListaLotes::Columna ColumnaCaducidad{u"Caducidad"_s, 1000, A::CentroCentro, formatoCaducidad}; @@ const ListaLotes::Columna ColumnaCaducidad{u"Caducidad"_s, 500, A::CentroCentro, formatoCaducidad};
regularization checks stock when stock comes in @@ regularization/frmLotesStockReg.h @@ bool comprobarStock() const override { return EsNegativo; } @@ bool comprobarStock() const override { return true; }
transfer lets a short lot go @@ regularization/frmclsLotesTraspaso.cpp @@ Campo::fijoEnDialogo("EsNegativo", true) @@ Campo::fijoEnDialogo("EsNegativo", false)
inventory focus lost after the missing-data message @@ inventory/frmInventarioLotes1.cpp @@ txtCaducidad->setFocus(Qt::OtherFocusReason); @@ (void)0;
inventory typed lot matched by lot code alone @@ inventory/frmInventarioLotes1.cpp @@ const qint32 clave = claveTecleada({{CodigoLote, lote}, {Fecha, txtCaducidad->Valor()}}); @@ const qint32 clave = claveTecleada({{CodigoLote, lote}});
permissions of a control applied most restrictive first @@ security/clsControlSeg.cpp @@ u" ORDER BY c.Nombre, gc.Permiso ASC"_s; @@ u" ORDER BY c.Nombre, gc.Permiso DESC"_s;
catalog counted as done before it is registered @@ security/clsControlSeg.cpp @@ if (m_catalogoHecho) @@ if (std::exchange(m_catalogoHecho, true))
control of its own AccessLevel also gets the generic rules @@ security/clsControlSeg.cpp @@ if (!Ctrl || ReglasAcceso::aplicarNivelPropio(Ctrl, state)) @@ if (!Ctrl)
catalog server name compared as the server reports it @@ foundation/core/catalog/CatalogoControles.cpp @@ servidor->campo(0).toString().toUpper() == servidorCatalogo(); @@ servidor->campo(0).toString() == servidorCatalogo();
shared context outlived by Qt SQL @@ foundation/core/host/ContextoCompartido.cpp @@ QSqlDatabase::connectionNames(); @@ (void)0;
GS1 label year a century off @@ foundation/core/values/Gs1Comprobaciones.cpp @@ if (anio > actual + 50) @@ if (anio > actual + 51)
GS1 check digit not verified @@ foundation/core/values/Gs1Comprobaciones.cpp @@ return digitoControlCorrecto(texto); @@ return digitoControlCorrecto(texto) || true;
GS1 character set 82 not checked @@ foundation/core/values/Gs1Comprobaciones.cpp @@ return c > u' ' && c <= u'~' && !QStringView(u"#$@[\\]^`{|}~").contains(c); @@ return c > u' ' && c <= u'~';
GS1 identifier repeated with another value @@ foundation/core/values/Gs1.cpp @@ return m_campos.value(clave) == datos; @@ return true;
GS1 field read without what it needs beside it @@ foundation/core/values/Gs1.cpp @@ if (!algunaPresente(lista)) @@ if (false)
GS1 forbidden pair read @@ foundation/core/values/Gs1.cpp @@ if (hay(excluido, ai)) @@ if (false)
GS1 field excludes itself @@ foundation/core/values/Gs1.cpp @@ [&](const QString &ai) { return ai != propio && encaja(ai, patron); }); @@ [&](const QString &ai) { return encaja(ai, patron); });
GS1 hyphen not checked @@ foundation/core/values/Gs1Comprobaciones.cpp @@ return texto == u"-"; @@ return true;
GS1 country code not checked @@ foundation/core/values/Gs1Comprobaciones.cpp @@ return enLista(Paises, texto); @@ return true;
GS1 base64 padding not checked @@ foundation/core/values/Gs1Comprobaciones.cpp @@ if (relleno > 2 || (relleno > 0 && (texto.size() + relleno) % 3 != 0)) @@ if (false)
label without GTIN printed as GS1 @@ labels/EtiquetaLote.cpp @@ codigo.lineal = codificar(BARCODE_CODE128, false, campos.lote, codigo.sinCodigo); @@ codigo.lineal = codificar(BARCODE_GS1_128, true, u"[10]"_s + campos.lote, codigo.sinCodigo);
label module not a whole number of dots @@ labels/ReporteEtiquetas.cpp @@ const qreal modulo = puntos / d.puntosPorPunto; @@ const qreal modulo = (puntos + 0.5) / d.puntosPorPunto;
label module under 0.25 mm @@ labels/ReporteEtiquetas.cpp @@ const int minimo = int(std::ceil(0.25 * puntosPorMm - 1e-6)); @@ const int minimo = 1;
host's DataMatrix ignored @@ labels/ReporteEtiquetas.cpp @@ if ((!dataMatrix || codigo.interno) && !codigo.lineal.vacio()) { @@ if (!codigo.lineal.vacio()) {
in-house label scan left with its prefix @@ foundation/controls/LectorGs1.cpp @@ m_lote->setText(*lote); @@ (void)lote;
lot expiring today marked expired @@ foundation/controls/ModeloRejilla.cpp @@ return fecha > fechaNula() && fecha < m_hoy; @@ return fecha > fechaNula() && fecha <= m_hoy;
typing chooses the automatic row @@ foundation/lists/ListaLotes.cpp @@ return valorNumerico(m_rejilla->modelo()->vista(fila, 0, formateado)) > 0; @@ return (void)fila, true;
stock lot query loses its article @@ stock/VentanaStockLotes.cpp @@ ContextoCompartido::empresaRequerida().CodigoEmpresa(), txtAlmacen->Almacen(), Cod_Articulo, false), @@ ContextoCompartido::empresaRequerida().CodigoEmpresa(), txtAlmacen->Almacen(), 0, false),
stock windows ignore the menu access @@ stock/VentanaStockLotes.cpp @@ bool restringido = modComun::MenuRestringido(menu, QString(), 1); @@ bool restringido = !modComun::MenuRestringido(menu, QString(), 1);
block writes the marker's value @@ stock/ConsultasStock.cpp @@ numero(bloquear ? 1 : 0) @@ numero(bloquear ? 0 : 1)
owed units added to the total @@ stock/frmLotesStockAlm2.cpp @@ total -= unidades; @@ total += unidades;
total row not in bold @@ stock/frmLotesStockAlm2.cpp @@ agregarFilaResumen(ColStock, numero(total), true); @@ agregarFilaResumen(ColStock, numero(total), false);
empty result gives a phantom first record @@ foundation/core/database/RegistrosSqlite.cpp @@ hay = m_hayPrimero; @@ hay = true;
dialog whose list failed to read still answers its Show @@ foundation/entry/ProtocoloShow.h @@ dialogo.comprobarCarga(); @@ (void)0;
list read error not told to its window @@ foundation/lists/ListaLotes.cpp @@ m_ventana->falloAlLeer(error); @@ (void)error;
empty operation message replaces the caption @@ foundation/mensajes/frmMsg.cpp @@ if (!Mensaje.isEmpty()) { @@ if (true) {
viewer zoom 0 taken as a percentage @@ viewer/VisorReporte.cpp @@ if (zoom == 0) @@ if (zoom == 1)
viewer window not shared @@ viewer/frmView.cpp @@ if (!ventana) { @@ if (true) {
quotes in an SQL text no longer doubled @@ foundation/core/database/ValorSql.cpp @@ return u'\'' + QString(valor).replace(u'\'', u"''"_s) + u'\''; @@ return u'\'' + valor + u'\'';
integer text sent unchecked @@ foundation/core/database/ValorSql.cpp @@ if (!cabe) @@ if (false)
units wrap round on subtraction @@ foundation/core/values/Currency.h @@ if (qSubOverflow(m_raw, o.m_raw, &c.m_raw)) @@ if ((void)qSubOverflow(m_raw, o.m_raw, &c.m_raw), false)
dialog parented to the host's window again @@ foundation/entry/ProtocoloShow.cpp @@ atarAlPropietario(*ventana, owner); @@ (void)&atarAlPropietario; ventana->setParent(owner, ventana->windowFlags());
recorder no longer counts a query's rows @@ foundation/core/database/ConexionGrabadora.cpp @@ ++(*m_envios)[m_indice].filas; @@ (void)0;
join condition split inside a literal @@ foundation/core/database/TraduccionTSql.cpp @@ const QRegularExpressionMatch m = patron.match(literalesEnBlanco(sql)); @@ const QRegularExpressionMatch m = patron.match(sql);
ODBC driver named by the host dropped @@ foundation/core/database/DialectoSqlServer.cpp @@ : !cadena.driverOdbc() && clave.compare(u"Driver"_s, Qt::CaseInsensitive) == 0; @@ : clave.compare(u"Driver"_s, Qt::CaseInsensitive) == 0;
stock kept as a value shown truncated @@ foundation/core/rules/ReglasStockLotes.cpp @@ const auto redondeado = qint64((magnitud + Centesima / 2) / Centesima * Centesima); @@ const auto redondeado = qint64(magnitud / Centesima * Centesima);
rows read by a walk never shown @@ foundation/controls/ModeloRejillaOrigen.cpp @@ publicarDesde(m_publicadas); @@ (void)leyendo;
designed tab position renumbered @@ sales/frmLotesStockFacturar2.cpp @@ {cmdContinuar, 10}}); @@ {cmdContinuar, 6}});
window opens where its controls were created @@ foundation/entry/VentanaLotes.cpp @@ if (!focusWidget()) { @@ if (false) {
warehouse record skipped without the article's expiry @@ stock/VentanaStockLotes.cpp @@ const bool caducidadAlmacen = caducidadDelAlmacen(); @@ const bool caducidadAlmacen = Control_Caducidad && caducidadDelAlmacen();
controls mapped before any permission row @@ security/clsControlSeg.cpp @@ const auto filas = requerido(m_conexion, u"la conexión"_s).abrirConsulta(textoPermisos(formulario, Usuario)); @@ MapaControles(); const auto filas = requerido(m_conexion, u"la conexión"_s).abrirConsulta(textoPermisos(formulario, Usuario));
label expiry printed without its day @@ labels/EtiquetaLote.cpp @@ campos.caducidad = etiqueta.caducidad.toString(u"yyMMdd"_s); @@ campos.caducidad = etiqueta.caducidad.toString(u"yyMM00"_s);
label barcode printed without reading it back @@ labels/EtiquetaLote.cpp @@ if (seLeeIgual(campos, hoy)) @@ if (true)
documents of a long tone list never read @@ stock/frmLotesStockAlm2.cpp @@ leerDocumentos(*porLeer); @@ (void)porLeer;
row texts written over each other @@ foundation/controls/AlmacenLineas.cpp @@ const Tramo tramo{qint32(m_bloques.size() - 1), qint32(bloque.size()), qint32(longitud)}; @@ const Tramo tramo{qint32(m_bloques.size() - 1), 0, qint32(longitud)};
finished result starts over @@ foundation/core/database/SentenciaSqlite.cpp @@ if (m_acabada) @@ if (false)
engine's step failure ends a list silently @@ foundation/core/database/SentenciaSqlite.cpp @@ if (resultado != SQLITE_DONE) @@ if (false)
non-ASCII text widened byte by byte @@ foundation/core/database/RegistrosSqlite.cpp @@ if (bytes[i] >= 0x80) { @@ if (bytes[i] >= 0xFF) {
rows cut inside a block kept @@ foundation/controls/BloquesMemoria.h @@ m_bloques.back().resize(filas - (m_bloques.size() - 1) * PorBloque); @@ (void)filas;
sales button caption changed @@ sales/frmLotesStockFacturar2.cpp @@ u"C&ontinuar sin Tono / Calibre"_s @@ u"C&ontinuar sin Tono/Calibre"_s
automatic row's text changed @@ foundation/lists/ListaLotes.cpp @@ u"- SELECCIÓN AUTOMÁTICA -"_s; @@ u"- SELECCION AUTOMATICA -"_s;
stock window's error titles named after the form @@ stock/frmLotesStockAlm1.cpp @@ fijarNombreEnErrores(u"frmLotecStockAlm1"_s); @@ fijarNombreEnErrores(u"frmLotesStockAlm1"_s);
oversized dialog not fitted to the screen @@ foundation/controls/Anclaje.cpp @@ else if (event->type() == QEvent::Show && m_config.ajustarForm) @@ else if (event->type() == QEvent::Show && false)
installation's parameter over the company's @@ foundation/core/host/EmpresaBaseDatos.cpp @@ ORDER BY Cod_Empresa DESC @@ ORDER BY Cod_Empresa ASC
picker's UsarDatosAlmacen False ignored @@ foundation/controls/kxAlmacen.cpp @@ m_usarDatosHost = valorBooleano(valor, Origen); @@ m_usarDatosHost = valorBooleano(valor, Origen) || true;
stock window reads the warehouse whatever the picker says @@ stock/VentanaStockLotes.cpp @@ if (!txtAlmacen->UsarDatosAlmacen()) @@ if (false)
FEFO tie taken by the larger stock @@ sales/EleccionLotes.cpp @@ return std::tie(a.dia, a.stock, a.fila) < std::tie(b.dia, b.stock, b.fila); @@ return std::tie(a.dia, b.stock, a.fila) < std::tie(b.dia, a.stock, b.fila);
shelf life refuses the first day the customer accepts @@ sales/EleccionLotes.cpp @@ return dia != SinCaducidad && dia < m_aceptaDesde; @@ return dia != SinCaducidad && dia <= m_aceptaDesde;
split mixes tones and calibers @@ sales/EleccionLotes.cpp @@ if (candidato.grupo != elegido) @@ if (false)
split accepted short of the line's units @@ sales/frmRepartoLotes.cpp @@ if (repartidas != m_total) { @@ if (repartidas > m_total) {
EOF

log="$(mktemp -d /tmp/nvla-mutaciones.XXXXXX)"
respaldo=""
archivo=""
restaurar() {
  if [[ -n "$respaldo" && -f "$respaldo" ]]; then
    cp "$respaldo" "$archivo"
    rm -f "$respaldo"
    respaldo=""
  fi
}
trap restaurar EXIT INT TERM

campo() { # trims the blanks around one field
  local valor="$1"
  valor="${valor#"${valor%%[![:space:]]*}"}"
  printf '%s' "${valor%"${valor##*[![:space:]]}"}"
}

mapfile -t filas <<<"$TABLA"

# Every pattern must match before anything is broken: a stale table fails at once.
for i in "${!filas[@]}"; do
  IFS=$'\x1f' read -r nombre fichero texto _ <<<"${filas[$i]//' @@ '/$'\x1f'}"
  fichero="$(campo "$fichero")"
  texto="$(campo "$texto")"
  if [[ ! -f "$fichero" ]]; then
    echo "breakage $((i + 1)) ($nombre): no file $fichero" >&2
    exit 2
  fi
  veces="$(grep -cF -- "$texto" "$fichero" || true)"
  if [[ "$veces" != 1 ]]; then
    echo "breakage $((i + 1)) ($nombre): its text is found $veces times in $fichero, not once: update the table" >&2
    exit 2
  fi
done

# The host build tests compile a host, not the product's behaviour: left out
# (the example host built in the tree stays: it checks the process's end).
fuera='tst_host_(instalado|subdirectorio)|postgresql'
[[ -n "${NVLA_PG:-}" ]] && fuera='tst_host_(instalado|subdirectorio)'
elegidas=("$@")
vivas=()
cazadas=0
for i in "${!filas[@]}"; do
  n=$((i + 1))
  if ((${#elegidas[@]})) && [[ ! " ${elegidas[*]} " == *" $n "* ]]; then
    continue
  fi
  IFS=$'\x1f' read -r nombre fichero texto reemplazo <<<"${filas[$i]//' @@ '/$'\x1f'}"
  nombre="$(campo "$nombre")"
  archivo="$(campo "$fichero")"
  texto="$(campo "$texto")"
  reemplazo="$(campo "$reemplazo")"

  respaldo="$log/respaldo"
  cp -p "$archivo" "$respaldo"
  contenido="$(<"$archivo")"
  printf '%s\n' "${contenido/"$texto"/"$reemplazo"}" >"$archivo"

  printf '%2d %-45s ' "$n" "$nombre"
  if ! cmake --build --preset dev >"$log/build-$n.log" 2>&1; then
    echo "DOES NOT BUILD (see $log/build-$n.log)"
    restaurar
    exit 2
  fi
  if ctest --preset dev -E "$fuera" --stop-on-failure -j "$(nproc)" \
    >"$log/ctest-$n.log" 2>&1; then
    echo "SURVIVED"
    vivas+=("$n $nombre")
  else
    echo "caught by $(grep -m1 -oE '[0-9]+ - [A-Za-z_0-9]+' "$log/ctest-$n.log" | sed 's/^[0-9]* - //' || echo '?')"
    cazadas=$((cazadas + 1))
  fi
  restaurar
  touch "$archivo"
done

cmake --build --preset dev >"$log/build-final.log" 2>&1
echo
echo "caught: $cazadas; survived: ${#vivas[@]}"
for viva in "${vivas[@]}"; do
  echo "  no test caught: $viva"
done
((${#vivas[@]} == 0))

-- Demo data of the workbench: company 1 with its warehouses, articles of both
-- lot models, their lots and stock, customers with invoices and delivery notes
-- partly supplied, users, groups, menus and the forms catalog.
-- Lot keys start at 2: key 1 stands for "no lots kept".

INSERT INTO Empresas (Cod_Empresa, Nombre, Cod_EmpresaClientes) VALUES (1, 'Nuvalia Demostración, S.L.', 1);

INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (0, 'Lotes_ModeloUsar', '3');
INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (0, 'Lotes_NroObligatorio', 'True');
INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (0, 'UsuarioActual', '1');
INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (0, 'NoProcesarPermisosControles', 'False');
INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (0, 'ArticulosHabModFichaTiendas', 'True');
INSERT INTO Parametros (Cod_Empresa, Nombre, Valor) VALUES (0, 'OficinaCentral', 'True');

INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre, Control_Caducidad) VALUES (1, 1, 'Almacén central', 1);
INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre, Control_Caducidad) VALUES (1, 2, 'Tienda norte', 0);
INSERT INTO Almacenes (Cod_Empresa, Cod_Almacen, Nombre, Control_Caducidad) VALUES (1, 3, 'Tienda sur', 1);

INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion, Control_Lotes, Control_Caducidad) VALUES (1, 100, 'Yogur natural (lote y caducidad)', 1, 1);
INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion, Control_Lotes, Control_Caducidad) VALUES (1, 101, 'Jarabe 250 ml (lote y caducidad)', 1, 1);
INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion, Control_Lotes, Control_Caducidad) VALUES (1, 200, 'Azulejo blanco 20x20 (tono y calibre)', 1, 0);
INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion, Control_Lotes, Control_Caducidad) VALUES (1, 201, 'Gres porcelánico 60x60 (tono y calibre)', 1, 1);
INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion, Control_Lotes, Control_Caducidad) VALUES (1, 202, 'Rodapié 8x33 (tono y calibre, sin lotes)', 1, 0);
INSERT INTO Articulos (Cod_Empresa, Cod_Articulo, Descripcion, Control_Lotes, Control_Caducidad) VALUES (1, 300, 'Tornillo 4x40 (sin lotes)', 0, 0);

-- Lot code and expiry: article 101 has lots with stock 3, 5, 8 and 4,996, one
-- without stock and one in negative; article 100 a lot without expiry.
-- A regularization or transfer of 5 units of article 101 in warehouse 1 refuses
-- L-0003 when it takes stock out and lists L-CERO and L-NEG when it brings stock
-- in; warehouse 2 holds no lot of it, so its list is empty.
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 2, 101, 'L-0003', '2027-03-31', '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 3, 101, 'L-0005', '2027-05-31', '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 4, 101, 'L-0008', '2027-08-31', '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 5, 101, 'L-4996', '2027-06-30', '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 6, 101, 'L-CERO', NULL, '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 7, 101, 'L-NEG', '2026-12-31', '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 8, 100, 'Y-2401', '2026-12-15', '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 9, 100, 'Y-2402', NULL, '', '', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 10, 100, 'Y-2403', '2027-01-20', '', '', 0);
-- Tone and caliber: article 200 has a blocked lot, one without stock and one in negative.
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 11, 200, '', NULL, 'A1', '10', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 12, 200, '', NULL, 'A1', '11', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 13, 200, '', NULL, 'B2', '10', 1);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 14, 200, '', NULL, 'B2', '12', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 15, 200, '', NULL, 'C3', '10', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 16, 201, '', '2028-01-01', 'G1', '1', 0);
INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado) VALUES (1, 17, 201, '', NULL, 'G2', '1', 0);

INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 2, 3);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 3, 5);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 4, 8);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 5, 4.996);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 6, 0);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 7, -2);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 8, 12);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 2, 8, 4);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 9, 7);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 10, 0);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 11, 40);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 12, 25);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 13, 60);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 14, 0);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 15, -5);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 16, 100);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 3, 16, 20);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 1, 17, 15);
-- Article 200 also has lots in the south shop, which owes some units too.
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 3, 11, 6);
INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual) VALUES (1, 3, 13, 2);

INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 1, 100, 19);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 2, 100, 4);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 1, 101, 18.996);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 1, 200, 120);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 3, 200, 8);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 1, 201, 115);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 3, 201, 20);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 1, 202, 30);
INSERT INTO Almacen_Articulos (Cod_Empresa, Cod_Almacen, Cod_Articulo, Stock_Actual) VALUES (1, 1, 300, 250);

-- An inventory count in progress in the central warehouse; Y-NUEVO was typed,
-- it is no listed lot.
INSERT INTO Inventario_Lotes (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea, Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad) VALUES (1, 1, 100, 1, 8, 'Y-2401', '2026-12-15', '', '', 11);
INSERT INTO Inventario_Lotes (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea, Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad) VALUES (1, 1, 100, 2, 0, 'Y-NUEVO', '2027-02-28', '', '', 3);
INSERT INTO Inventario_Lotes (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea, Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad) VALUES (1, 1, 200, 1, 11, '', NULL, 'A1', '10', 38);
-- L-0008 was counted with another expiry than the article's: the inventory list
-- shows it twice under key 4.
INSERT INTO Inventario_Lotes (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea, Cod_Lote, Lote, Caducidad, Tono, Calibre, Cantidad) VALUES (1, 1, 101, 1, 4, 'L-0008', '2027-09-30', '', '', 8);

INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 430001, 'Construcciones Pérez, S.L.');
INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 430002, 'Azulejos del Sur, S.A.');
INSERT INTO Clientes (Cod_Empresa, Codigo, Nombre) VALUES (1, 430003, 'María Núñez Ibáñez');

-- Invoices: the third one is not an ordinary invoice (TipoFactura 1), so it owes nothing.
INSERT INTO Facturas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, Cod_AlmacenStock, TipoFactura) VALUES (1, 2026, 'A', 1, 1, 430001, '2026-11-02', '10:15:00', 1, 0);
INSERT INTO Facturas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, Cod_AlmacenStock, TipoFactura) VALUES (1, 2026, 'A', 2, 1, 430002, '2026-11-05', '12:00:00', 1, 0);
INSERT INTO Facturas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, Cod_AlmacenStock, TipoFactura) VALUES (1, 2026, 'R', 3, 1, 430003, '2026-11-06', '09:30:00', 1, 1);
INSERT INTO Facturas_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'A', 1, 1, 1, 200, 10, 4);
INSERT INTO Facturas_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'A', 1, 1, 2, 202, 5, 0);
INSERT INTO Facturas_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'A', 2, 1, 1, 200, 8, 8);
INSERT INTO Facturas_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'A', 2, 1, 2, 201, 12, 2);
INSERT INTO Facturas_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'R', 3, 1, 1, 200, 7, 0);

-- Delivery notes: the second one leaves from the north shop.
INSERT INTO Albaranes_F (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, Cod_AlmacenStock) VALUES (1, 2026, 'B', 1, 2, 430003, '2026-11-03', '16:45:00', 1);
INSERT INTO Albaranes_F (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, Cod_AlmacenStock) VALUES (1, 2026, 'B', 2, 2, 430001, '2026-11-04', '08:00:00', 2);
INSERT INTO Albaranes_F (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Cliente, Fecha, Hora, Cod_AlmacenStock) VALUES (1, 2026, 'B', 3, 2, 430002, '2026-11-07', '11:20:00', 3);
INSERT INTO Albaranes_F_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'B', 1, 2, 1, 200, 3, 1);
INSERT INTO Albaranes_F_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'B', 1, 2, 2, 202, 2, 0);
INSERT INTO Albaranes_F_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'B', 2, 2, 1, 200, 9, 0);
INSERT INTO Albaranes_F_Lineas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea, Cod_Articulo, Unidades, Unidades_Suministradas) VALUES (1, 2026, 'B', 3, 2, 1, 200, 3, 0);

-- Users and groups: group 1 may do everything; user 4 is in no group.
INSERT INTO SGD_Usuarios (CodUsuario, Nombre) VALUES (1, 'admin');
INSERT INTO SGD_Usuarios (CodUsuario, Nombre) VALUES (2, 'almacen');
INSERT INTO SGD_Usuarios (CodUsuario, Nombre) VALUES (3, 'tienda');
INSERT INTO SGD_Usuarios (CodUsuario, Nombre) VALUES (4, 'invitado');
INSERT INTO SGD_Grupos (CodGrupo, Nombre) VALUES (1, 'Administradores');
INSERT INTO SGD_Grupos (CodGrupo, Nombre) VALUES (5, 'Almacén');
INSERT INTO SGD_Grupos (CodGrupo, Nombre) VALUES (11, 'Tiendas');
INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (1, 1);
INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (1, 5);
INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (2, 5);
INSERT INTO SGD_Usuarios_Grupos (CodUsuario, CodGrupo) VALUES (3, 11);

INSERT INTO SGD_Menus (Codigo, NombreInterno, Modulo) VALUES (1200, 'mnuArticulos', 1);
INSERT INTO SGD_Menus (Codigo, NombreInterno, Modulo) VALUES (1300, 'mnuLotes', 1);
INSERT INTO SGD_Menus_Grupos (CodMenu, CodGrupo, TipoAcceso) VALUES (1200, 5, 2);
INSERT INTO SGD_Menus_Grupos (CodMenu, CodGrupo, TipoAcceso) VALUES (1300, 5, 2);
INSERT INTO SGD_XTR_Menus_Grupos (Modulo, CodMenu, CodGrupo, TipoAcceso) VALUES (1, 1200, 5, 2);
INSERT INTO SGD_XTR_Menus_Grupos (Modulo, CodMenu, CodGrupo, TipoAcceso) VALUES (1, 1200, 11, 1);

INSERT INTO SGD_Formularios (Cod_Formulario, Nombre, IDMenu) VALUES (1, 'frmArticulos', 1200);
INSERT INTO SGD_Formularios (Cod_Formulario, Nombre, IDMenu) VALUES (2, 'frmLotesStockAlm1', NULL);
INSERT INTO SGD_Formularios (Cod_Formulario, Nombre, IDMenu) VALUES (3, 'frmLotesStockAlm2', NULL);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (3, 1, 'cmdCrear', '  ', 7);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (3, 2, 'cmdBloquear', '  ', 4);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (3, 3, 'cmdSalir', '  ', 2);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (11, 3, 1, 2);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (0, 3, 3, 0);

-- The workbench's sample form on the "Seguridad" page: its catalog as a first
-- registration leaves it, and what each group may do with its controls.
INSERT INTO SGD_Formularios (Cod_Formulario, Nombre, IDMenu) VALUES (4, 'frmMuestraSeguridad', NULL);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 1, 'lblArticulo', '  ', 10);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 2, 'txtArticulo', '  ', 0);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 3, 'lblCaducidad', '  ', 10);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 4, 'txtCaducidad', '  ', 1);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 5, 'txtObservaciones', '  ', 2);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 6, 'txtNivel', '  ', 7);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 7, 'vsLotes', '  ', 3);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 8, 'cmdAccion', '0 ', 4);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 9, 'cmdAccion', '1 ', 5);
INSERT INTO SGD_Controles (Cod_Formulario, Cod_Control, Nombre, Indice, TabIndex) VALUES (4, 10, 'cmdAccion', '2 ', 6);
-- Everyone (group 0): the article visible, the remarks read-only.
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (0, 4, 2, 0);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (0, 4, 5, 1);
-- Almacén (5): the expiry read-only, Bloquear disabled, the box of its own level at 1.
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (5, 4, 4, 1);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (5, 4, 9, 2);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (5, 4, 6, 1);
-- Tiendas (11): the article disabled over group 0's visible, the grid read-only
-- (so disabled), Crear disabled, the expiry caption grey, its own level at 2.
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (11, 4, 2, 2);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (11, 4, 7, 1);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (11, 4, 8, 2);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (11, 4, 3, 1);
INSERT INTO SGD_Controles_Grupos (Cod_Grupo, Cod_Formulario, Cod_Control, Permiso) VALUES (11, 4, 6, 2);

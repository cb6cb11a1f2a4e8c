-- Host database, version 1: the tables and columns the lot component reads and
-- writes, with the keys and indexes its lists need. One text for SQLite and
-- PostgreSQL: on SQLite dates are ISO text in columns declared DATE or TIME
-- (the connection hands them out as dates), on PostgreSQL real dates.
-- The three scalar functions and the lot stock procedure live in
-- postgresql/001_funciones.sql, and on SQLite are registered on each connection.

-- The server's own name, what @@SERVERNAME answers on SQL Server.
CREATE TABLE Servidor (
    Nombre VARCHAR(128) NOT NULL PRIMARY KEY
);
INSERT INTO Servidor (Nombre) VALUES ('NVLALOTES');

CREATE TABLE Empresas (
    Cod_Empresa SMALLINT NOT NULL PRIMARY KEY,
    Nombre VARCHAR(100) NOT NULL DEFAULT '',
    Cod_EmpresaClientes SMALLINT NOT NULL
);

-- Host parameters by name; company 0 holds the installation-wide value.
CREATE TABLE Parametros (
    Cod_Empresa SMALLINT NOT NULL,
    Nombre VARCHAR(50) NOT NULL,
    Valor VARCHAR(255),
    PRIMARY KEY (Cod_Empresa, Nombre)
);

CREATE TABLE Almacenes (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Almacen SMALLINT NOT NULL,
    Nombre VARCHAR(50) NOT NULL DEFAULT '',
    Control_Caducidad SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Almacen)
);

CREATE TABLE Articulos (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Articulo INTEGER NOT NULL,
    Descripcion VARCHAR(100) NOT NULL DEFAULT '',
    Control_Lotes SMALLINT NOT NULL DEFAULT 1,
    Control_Caducidad SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Articulo)
);

CREATE TABLE Articulos_Lotes (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Lote INTEGER NOT NULL,
    Cod_Articulo INTEGER NOT NULL,
    Lote VARCHAR(50) NOT NULL DEFAULT '',
    Caducidad DATE,
    Tono VARCHAR(20) NOT NULL DEFAULT '',
    Calibre VARCHAR(20) NOT NULL DEFAULT '',
    Bloqueado SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Lote),
    FOREIGN KEY (Cod_Empresa, Cod_Articulo) REFERENCES Articulos (Cod_Empresa, Cod_Articulo)
);
-- The lots of an article (inventory lists, joins of the stock lists), and the
-- lookup of a lot by its identity in the stock procedure.
CREATE INDEX IX_Articulos_Lotes_Articulo ON Articulos_Lotes (Cod_Empresa, Cod_Articulo, Lote, Tono, Calibre);

CREATE TABLE Almacen_Articulos_Lotes (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Almacen SMALLINT NOT NULL,
    Cod_Lote INTEGER NOT NULL,
    Stock_Actual NUMERIC(19, 4) NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Almacen, Cod_Lote),
    FOREIGN KEY (Cod_Empresa, Cod_Almacen) REFERENCES Almacenes (Cod_Empresa, Cod_Almacen),
    FOREIGN KEY (Cod_Empresa, Cod_Lote) REFERENCES Articulos_Lotes (Cod_Empresa, Cod_Lote)
);
-- Lot lists of a warehouse in stock order.
CREATE INDEX IX_Almacen_Articulos_Lotes_Stock ON Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Stock_Actual);
CREATE INDEX IX_Almacen_Articulos_Lotes_Lote ON Almacen_Articulos_Lotes (Cod_Empresa, Cod_Lote);

CREATE TABLE Almacen_Articulos (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Almacen SMALLINT NOT NULL,
    Cod_Articulo INTEGER NOT NULL,
    Stock_Actual NUMERIC(19, 4) NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Almacen, Cod_Articulo)
);

-- Lots recorded in inventory counts, one line per counted lot of the article in
-- the warehouse; a typed lot that is not a listed one has key 0.
CREATE TABLE Inventario_Lotes (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Almacen SMALLINT NOT NULL,
    Cod_Articulo INTEGER NOT NULL,
    Num_Linea INTEGER NOT NULL,
    Cod_Lote INTEGER NOT NULL DEFAULT 0,
    Lote VARCHAR(50) NOT NULL DEFAULT '',
    Caducidad DATE,
    Tono VARCHAR(20) NOT NULL DEFAULT '',
    Calibre VARCHAR(20) NOT NULL DEFAULT '',
    Cantidad NUMERIC(19, 4) NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Almacen, Cod_Articulo, Num_Linea)
);
CREATE INDEX IX_Inventario_Lotes_Articulo ON Inventario_Lotes (Cod_Empresa, Cod_Articulo, Cod_Almacen, Cod_Lote);
-- The counts of an article in every warehouse, in lot order: the inventory list
-- merges them with the article's lots and shows its first rows before the rest.
CREATE INDEX IX_Inventario_Lotes_Lote ON Inventario_Lotes (Cod_Empresa, Cod_Articulo, Cod_Lote);

CREATE TABLE Clientes (
    Cod_Empresa SMALLINT NOT NULL,
    Codigo INTEGER NOT NULL,
    Nombre VARCHAR(100) NOT NULL DEFAULT '',
    PRIMARY KEY (Cod_Empresa, Codigo)
);

CREATE TABLE Facturas (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Ejercicio SMALLINT NOT NULL,
    Serie VARCHAR(10) NOT NULL,
    Codigo INTEGER NOT NULL,
    TipoDoc SMALLINT NOT NULL,
    Cliente INTEGER NOT NULL,
    Fecha DATE NOT NULL,
    Hora TIME,
    Cod_AlmacenStock SMALLINT NOT NULL,
    TipoFactura SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc)
);
CREATE INDEX IX_Facturas_Almacen ON Facturas (Cod_Empresa, Cod_AlmacenStock, TipoFactura);

-- Unidades_Suministradas: units of the line already supplied to the customer.
CREATE TABLE Facturas_Lineas (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Ejercicio SMALLINT NOT NULL,
    Serie VARCHAR(10) NOT NULL,
    Codigo INTEGER NOT NULL,
    TipoDoc SMALLINT NOT NULL,
    Num_Linea INTEGER NOT NULL,
    Cod_Articulo INTEGER NOT NULL,
    Unidades NUMERIC(19, 4) NOT NULL DEFAULT 0,
    Unidades_Suministradas NUMERIC(19, 4) NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea),
    FOREIGN KEY (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc)
        REFERENCES Facturas (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc)
);
CREATE INDEX IX_Facturas_Lineas_Articulo ON Facturas_Lineas (Cod_Empresa, Cod_Articulo);

CREATE TABLE Albaranes_F (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Ejercicio SMALLINT NOT NULL,
    Serie VARCHAR(10) NOT NULL,
    Codigo INTEGER NOT NULL,
    TipoDoc SMALLINT NOT NULL,
    Cliente INTEGER NOT NULL,
    Fecha DATE NOT NULL,
    Hora TIME,
    Cod_AlmacenStock SMALLINT NOT NULL,
    PRIMARY KEY (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc)
);
CREATE INDEX IX_Albaranes_F_Almacen ON Albaranes_F (Cod_Empresa, Cod_AlmacenStock);

CREATE TABLE Albaranes_F_Lineas (
    Cod_Empresa SMALLINT NOT NULL,
    Cod_Ejercicio SMALLINT NOT NULL,
    Serie VARCHAR(10) NOT NULL,
    Codigo INTEGER NOT NULL,
    TipoDoc SMALLINT NOT NULL,
    Num_Linea INTEGER NOT NULL,
    Cod_Articulo INTEGER NOT NULL,
    Unidades NUMERIC(19, 4) NOT NULL DEFAULT 0,
    Unidades_Suministradas NUMERIC(19, 4) NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc, Num_Linea),
    FOREIGN KEY (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc)
        REFERENCES Albaranes_F (Cod_Empresa, Cod_Ejercicio, Serie, Codigo, TipoDoc)
);
CREATE INDEX IX_Albaranes_F_Lineas_Articulo ON Albaranes_F_Lineas (Cod_Empresa, Cod_Articulo);

CREATE TABLE SGD_Usuarios (
    CodUsuario INTEGER NOT NULL PRIMARY KEY,
    Nombre VARCHAR(50) NOT NULL DEFAULT ''
);

CREATE TABLE SGD_Grupos (
    CodGrupo INTEGER NOT NULL PRIMARY KEY,
    Nombre VARCHAR(50) NOT NULL DEFAULT ''
);

CREATE TABLE SGD_Usuarios_Grupos (
    CodUsuario INTEGER NOT NULL,
    CodGrupo INTEGER NOT NULL,
    PRIMARY KEY (CodUsuario, CodGrupo)
);

CREATE TABLE SGD_Menus (
    Codigo INTEGER NOT NULL PRIMARY KEY,
    NombreInterno VARCHAR(100) NOT NULL DEFAULT '',
    Modulo SMALLINT NOT NULL DEFAULT 1
);
CREATE INDEX IX_SGD_Menus_Nombre ON SGD_Menus (NombreInterno, Modulo);

CREATE TABLE SGD_Menus_Grupos (
    CodMenu INTEGER NOT NULL,
    CodGrupo INTEGER NOT NULL,
    TipoAcceso SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (CodMenu, CodGrupo)
);

CREATE TABLE SGD_XTR_Menus_Grupos (
    Modulo SMALLINT NOT NULL,
    CodMenu INTEGER NOT NULL,
    CodGrupo INTEGER NOT NULL,
    TipoAcceso SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (Modulo, CodMenu, CodGrupo)
);

CREATE TABLE SGD_Formularios (
    Cod_Formulario INTEGER NOT NULL PRIMARY KEY,
    Nombre VARCHAR(50) NOT NULL,
    IDMenu INTEGER
);
CREATE INDEX IX_SGD_Formularios_Nombre ON SGD_Formularios (Nombre);

CREATE TABLE SGD_Controles (
    Cod_Formulario INTEGER NOT NULL,
    Cod_Control SMALLINT NOT NULL,
    Nombre VARCHAR(50) NOT NULL,
    Indice CHAR(2) NOT NULL DEFAULT '  ',
    TabIndex SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Formulario, Cod_Control)
);
CREATE INDEX IX_SGD_Controles_Nombre ON SGD_Controles (Cod_Formulario, Nombre, Indice);
CREATE INDEX IX_SGD_Controles_TabIndex ON SGD_Controles (TabIndex);

CREATE TABLE SGD_Controles_Grupos (
    Cod_Grupo INTEGER NOT NULL,
    Cod_Formulario INTEGER NOT NULL,
    Cod_Control SMALLINT NOT NULL,
    Permiso SMALLINT NOT NULL DEFAULT 0,
    PRIMARY KEY (Cod_Grupo, Cod_Formulario, Cod_Control),
    FOREIGN KEY (Cod_Formulario, Cod_Control) REFERENCES SGD_Controles (Cod_Formulario, Cod_Control)
);
CREATE INDEX IX_SGD_Controles_Grupos_Control ON SGD_Controles_Grupos (Cod_Formulario, Cod_Control);

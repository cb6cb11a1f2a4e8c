-- Host database, version 1, PostgreSQL: the host's scalar functions in schema
-- dbo (the library calls them as dbo.fn_...) and the lot stock procedure.
-- Arguments are integer so that both plain numbers and smallint columns reach them.

CREATE SCHEMA IF NOT EXISTS dbo;

-- Units of an invoice line already supplied to the customer.
CREATE FUNCTION dbo.fn_FacturasLineasUndSuministradas(p_empresa integer, p_ejercicio integer, p_serie varchar,
                                                      p_codigo integer, p_tipodoc integer, p_linea integer)
RETURNS numeric LANGUAGE sql STABLE AS $$
    SELECT COALESCE((SELECT Unidades_Suministradas FROM Facturas_Lineas
                      WHERE Cod_Empresa = p_empresa AND Cod_Ejercicio = p_ejercicio AND Serie = p_serie
                        AND Codigo = p_codigo AND TipoDoc = p_tipodoc AND Num_Linea = p_linea), 0)
$$;

-- Units of a delivery-note line already supplied to the customer.
CREATE FUNCTION dbo.fn_AlbaranesFLineasUndSuministradas(p_empresa integer, p_ejercicio integer, p_serie varchar,
                                                        p_codigo integer, p_tipodoc integer, p_linea integer)
RETURNS numeric LANGUAGE sql STABLE AS $$
    SELECT COALESCE((SELECT Unidades_Suministradas FROM Albaranes_F_Lineas
                      WHERE Cod_Empresa = p_empresa AND Cod_Ejercicio = p_ejercicio AND Serie = p_serie
                        AND Codigo = p_codigo AND TipoDoc = p_tipodoc AND Num_Linea = p_linea), 0)
$$;

-- Units of an article still owed to customers from a warehouse: ordinary
-- invoices (TipoFactura 0) and delivery notes whose lines exceed what was supplied.
CREATE FUNCTION dbo.fn_DevArticuloUnidadesOSPendEntrega(p_empresa integer, p_almacen integer, p_articulo integer)
RETURNS numeric LANGUAGE sql STABLE AS $$
    SELECT COALESCE((SELECT SUM(l.Unidades - l.Unidades_Suministradas) FROM Facturas_Lineas l
                      INNER JOIN Facturas f ON l.Cod_Empresa = f.Cod_Empresa AND l.Cod_Ejercicio = f.Cod_Ejercicio
                             AND l.Serie = f.Serie AND l.Codigo = f.Codigo AND l.TipoDoc = f.TipoDoc
                      WHERE l.Cod_Empresa = p_empresa AND l.Cod_Articulo = p_articulo
                        AND f.Cod_AlmacenStock = p_almacen AND f.TipoFactura = 0
                        AND l.Unidades > 0 AND l.Unidades > l.Unidades_Suministradas), 0)
         + COALESCE((SELECT SUM(l.Unidades - l.Unidades_Suministradas) FROM Albaranes_F_Lineas l
                      INNER JOIN Albaranes_F f ON l.Cod_Empresa = f.Cod_Empresa AND l.Cod_Ejercicio = f.Cod_Ejercicio
                             AND l.Serie = f.Serie AND l.Codigo = f.Codigo AND l.TipoDoc = f.TipoDoc
                      WHERE l.Cod_Empresa = p_empresa AND l.Cod_Articulo = p_articulo
                        AND f.Cod_AlmacenStock = p_almacen
                        AND l.Unidades > 0 AND l.Unidades > l.Unidades_Suministradas), 0)
$$;

-- Makes sure the lot with this identity (lot code, expiry, tone, caliber) exists
-- for the article, with a stock row in the warehouse; adds the units; answers
-- the lot's key. The null date 01/01/1900 means no expiry. Keys are numbered
-- per company from 2 (1 stands for "no lots kept"), so creators of one company
-- take turns on a transaction lock: two sessions creating the same lot at the
-- same moment get one lot and the same key.
CREATE PROCEDURE GES_Almacen_Articulo_Lotes_Update(
    p_cod_empresa integer, p_cod_almacen integer, p_cod_articulo integer, p_unidades numeric,
    p_lote varchar, p_caducidad date, p_tono varchar, p_calibre varchar, INOUT p_cod_lote integer)
LANGUAGE plpgsql AS $$
DECLARE
    v_caducidad date := NULLIF(p_caducidad, DATE '1900-01-01');
BEGIN
    PERFORM pg_advisory_xact_lock(hashtext('GES_Almacen_Articulo_Lotes_Update'), p_cod_empresa);

    SELECT Cod_Lote INTO p_cod_lote FROM Articulos_Lotes
     WHERE Cod_Empresa = p_cod_empresa AND Cod_Articulo = p_cod_articulo
       AND Lote = COALESCE(p_lote, '') AND Tono = COALESCE(p_tono, '') AND Calibre = COALESCE(p_calibre, '')
       AND (Caducidad = v_caducidad
            OR (v_caducidad IS NULL AND (Caducidad IS NULL OR Caducidad = DATE '1900-01-01')))
     ORDER BY Cod_Lote
     LIMIT 1;

    IF NOT FOUND THEN
        SELECT COALESCE(MAX(Cod_Lote), 1) + 1 INTO p_cod_lote FROM Articulos_Lotes WHERE Cod_Empresa = p_cod_empresa;
        INSERT INTO Articulos_Lotes (Cod_Empresa, Cod_Lote, Cod_Articulo, Lote, Caducidad, Tono, Calibre, Bloqueado)
        VALUES (p_cod_empresa, p_cod_lote, p_cod_articulo, COALESCE(p_lote, ''), v_caducidad,
                COALESCE(p_tono, ''), COALESCE(p_calibre, ''), 0);
    END IF;

    INSERT INTO Almacen_Articulos_Lotes (Cod_Empresa, Cod_Almacen, Cod_Lote, Stock_Actual)
    VALUES (p_cod_empresa, p_cod_almacen, p_cod_lote, 0)
    ON CONFLICT (Cod_Empresa, Cod_Almacen, Cod_Lote) DO NOTHING;

    IF COALESCE(p_unidades, 0) <> 0 THEN
        UPDATE Almacen_Articulos_Lotes SET Stock_Actual = Stock_Actual + p_unidades
         WHERE Cod_Empresa = p_cod_empresa AND Cod_Almacen = p_cod_almacen AND Cod_Lote = p_cod_lote;
    END IF;
END
$$;

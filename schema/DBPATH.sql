-- DBPATH.MDB, in the data folder: the suite's folder table, one row per installed product.
-- Create with: sqlite3 DBPATH.MDB < DBPATH.sql
-- Index names carry their table ("<table>.<index>"), so that each table can have its own
-- "PrimaryKey" in one file.
-- Readers that set no index take the rows in stored order: insert them in key order.
CREATE TABLE TPATH (
    TPATH_NUM INTEGER NOT NULL,
    TPATH_PROD TEXT,
    TPATH_PATH TEXT,
    TPATH_NOMEXE TEXT,
    TPATH_NOMMDB TEXT,
    TPATH_STATUS TEXT,
    TPATH_RESEAU TEXT
);
CREATE UNIQUE INDEX "TPATH.PrimaryKey" ON TPATH (TPATH_NUM);

-- DBPATH.MDB, in the data folder: the suite's folder table, one row per installed product.
-- Create with: sqlite3 DBPATH.MDB < DBPATH.sql
-- Index names carry their table ("<table>.<index>"), so that each table can have its own
-- "PrimaryKey" in one file.
-- TPATH_NUM is the row id, so the stored order is the key order: the readers that set no index
-- and those that read in key order take the same first row, whatever the order of insertion.
CREATE TABLE TPATH (
    TPATH_NUM INTEGER PRIMARY KEY,
    TPATH_PROD TEXT,
    TPATH_PATH TEXT,
    TPATH_NOMEXE TEXT,
    TPATH_NOMMDB TEXT,
    TPATH_STATUS TEXT,
    TPATH_RESEAU TEXT
);
-- The index by its own name, for the cursors that set index "PrimaryKey".
CREATE UNIQUE INDEX "TPATH.PrimaryKey" ON TPATH (TPATH_NUM);

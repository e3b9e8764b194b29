-- BDLOC.MDB, in the data folder: the workstation's own work tables.
-- Create with: sqlite3 BDLOC.MDB < BDLOC.sql
-- NOCASE is SQLite's own on every connection, the suite's included: rows may be written by any
-- SQLite program. The suite matches accented capitals in code, not through the index order.

-- The current language's translations, copied at launcher start (see TMP_TRADSOURCE).
CREATE TABLE TMP_TRAD (
    T_ABREGE TEXT COLLATE NOCASE,
    T_VALEUR TEXT COLLATE NOCASE,
    T_TRAD TEXT
);
-- Several French texts share one 20-character prefix: duplicates allowed.
CREATE INDEX "TMP_TRAD.NTX_ABREGE" ON TMP_TRAD (T_ABREGE COLLATE NOCASE);

-- Where TMP_TRAD's rows were copied from, written in the same transaction as they are: the launcher
-- copies again only when the translation database file or the language has changed since. At most
-- one row. A BDLOC.MDB without this table gets the copy at every start.
CREATE TABLE TMP_TRADSOURCE (
    TMP_CHEMIN TEXT,        -- resolved path of BDTRAD.MDB
    TMP_LANGUE INTEGER,
    TMP_TAILLE INTEGER,     -- file size in bytes
    TMP_DATEMODIF INTEGER,  -- modification time in nanoseconds
    TMP_PERIPH INTEGER,     -- device and inode of the file
    TMP_INODE INTEGER,
    TMP_COMPTEUR INTEGER    -- SQLite's file change counter (header bytes 24 to 27)
);

-- The server folders applied from the data-path window, oldest first.
CREATE TABLE TMP_MEMOPATH (
    TMP_NUM INTEGER PRIMARY KEY AUTOINCREMENT,
    TMP_PATHBASES TEXT COLLATE NOCASE
);

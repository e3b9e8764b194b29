-- BDLOC.MDB, in the data folder: the workstation's own work tables.
-- Create with: sqlite3 BDLOC.MDB < BDLOC.sql
-- NOCASE keys: the suite's programs replace SQLite's ASCII-only NOCASE with a Unicode one on
-- their connections; rows with accented keys must be written through them.

-- The current language's translations, refilled at every launcher start.
CREATE TABLE TMP_TRAD (
    T_ABREGE TEXT COLLATE NOCASE,
    T_VALEUR TEXT COLLATE NOCASE,
    T_TRAD TEXT
);
-- Several French texts share one 20-character prefix: duplicates allowed.
CREATE INDEX "TMP_TRAD.NTX_ABREGE" ON TMP_TRAD (T_ABREGE COLLATE NOCASE);

-- The server folders applied from the data-path window, oldest first.
CREATE TABLE TMP_MEMOPATH (
    TMP_NUM INTEGER PRIMARY KEY AUTOINCREMENT,
    TMP_PATHBASES TEXT COLLATE NOCASE
);

-- BDTRAD.MDB, in the folder of the first TPATH row: the suite's translation table.
-- Create with: sqlite3 BDTRAD.MDB < BDTRAD.sql
-- Texts compare ignoring the case of ASCII letters (SQLite's own NOCASE, on every connection); rows
-- may be written by any SQLite program. The editor lists them in French order, which no index holds.
CREATE TABLE TTRAD (
    -- A row identity for the editor's grid; the French text is the key of the row.
    TTRAD_ID INTEGER PRIMARY KEY,
    T_VALEUR TEXT COLLATE NOCASE,
    T_TRAD1 TEXT COLLATE NOCASE,
    T_TRAD2 TEXT COLLATE NOCASE,
    T_COMMENTAIRE TEXT
);
CREATE INDEX "TTRAD.NTX_VALEUR" ON TTRAD (T_VALEUR COLLATE NOCASE);

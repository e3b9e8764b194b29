-- A business module's database (TORBSTOC.MDB, TORBCOM.MDB, TORBAPRO.MDB, TORBPRIX.MDB,
-- TORBPLAN.MDB, TORBTECH.MDB), in the folder of the first TPATH row.
-- Create with: sqlite3 TORBSTOC.MDB < MODULE.sql
-- The module maintains these tables; the login dialog only reads the profile and rights tables.
-- Profiles are indexed by SQLite's own NOCASE; the login dialog matches accented capitals in code.

-- Profiles and their password codes; the "2" tables serve the module that shares this file.
CREATE TABLE TZPR (
    TZPR_PROFIL TEXT COLLATE NOCASE,
    TZPR_CODE INTEGER
);
CREATE UNIQUE INDEX "TZPR.PrimaryKey" ON TZPR (TZPR_PROFIL COLLATE NOCASE, TZPR_CODE);

CREATE TABLE TZPR2 (
    TZPR_PROFIL TEXT COLLATE NOCASE,
    TZPR_CODE INTEGER
);
CREATE UNIQUE INDEX "TZPR2.PrimaryKey" ON TZPR2 (TZPR_PROFIL COLLATE NOCASE, TZPR_CODE);

-- Menu rights: 0 hidden, 1 read-only, 2 or more full access. TZMN_NOM is a control name, exact case.
CREATE TABLE TZMN (
    TZMN_PROFIL TEXT COLLATE NOCASE,
    TZMN_NOM TEXT,
    TZMN_ACCES INTEGER
);

CREATE TABLE TZMN2 (
    TZMN_PROFIL TEXT COLLATE NOCASE,
    TZMN_NOM TEXT,
    TZMN_ACCES INTEGER
);

-- The module's own data (only the stand-in's parameters here).
CREATE TABLE TPARAM (
    PARAM_CODE TEXT COLLATE NOCASE NOT NULL,
    PARAM_VALEUR TEXT
);
CREATE UNIQUE INDEX "TPARAM.PrimaryKey" ON TPARAM (PARAM_CODE COLLATE NOCASE);

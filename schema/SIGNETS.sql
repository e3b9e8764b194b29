-- SIGNETS.MDB, in the template manager's program folder: its bookmark table.
-- Create with: sqlite3 SIGNETS.MDB < SIGNETS.sql
CREATE TABLE T_SIGNETS (
    SIGNETS_APPLI TEXT COLLATE NOCASE,
    SIGNETS_Nomdot TEXT COLLATE NOCASE
);

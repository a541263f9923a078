-- SPDX-License-Identifier: MIT
-- The class journal of the nonlinear coder lab: one table of results and two roles.
-- Run once, as a superuser, in a new database, giving the two roles' passwords:
--   createdb lab_journal
--   psql -d lab_journal -v writer_password='…' -v teacher_password='…' -f class-journal.sql
-- lab_writer (the lab PCs) may add results and do nothing else: not read them, change them,
-- delete them or touch any other table. lab_teacher may read them.
\set ON_ERROR_STOP on
BEGIN;

CREATE ROLE lab_writer LOGIN PASSWORD :'writer_password';
CREATE ROLE lab_teacher LOGIN PASSWORD :'teacher_password';

-- Nobody but these two roles connects; nobody creates anything in the database.
REVOKE ALL ON DATABASE :"DBNAME" FROM PUBLIC;
GRANT CONNECT ON DATABASE :"DBNAME" TO lab_writer, lab_teacher;
REVOKE ALL ON SCHEMA public FROM PUBLIC;

CREATE SCHEMA lab;
GRANT USAGE ON SCHEMA lab TO lab_writer, lab_teacher;

CREATE TABLE lab.results (
    -- made on the PC with the result: sending it twice stores it once
    id uuid PRIMARY KEY,
    finished_at timestamp NOT NULL,
    student1 text NOT NULL CHECK (student1 <> ''),
    student2 text NOT NULL DEFAULT '',
    intro_right smallint NOT NULL CHECK (intro_right BETWEEN 0 AND 10),
    intro_wrong smallint[] NOT NULL
        CHECK (intro_wrong <@ '{1,2,3,4,5,6,7,8,9,10}' AND cardinality(intro_wrong) = 10 - intro_right),
    final_right smallint NOT NULL CHECK (final_right BETWEEN 0 AND 10),
    final_wrong smallint[] NOT NULL
        CHECK (final_wrong <@ '{1,2,3,4,5,6,7,8,9,10}' AND cardinality(final_wrong) = 10 - final_right),
    practice_value integer NOT NULL,
    practice_errors integer NOT NULL CHECK (practice_errors >= 0),
    lab_version text NOT NULL DEFAULT '',
    received_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX results_finished_at ON lab.results (finished_at);

GRANT INSERT ON lab.results TO lab_writer;
GRANT SELECT ON lab.results TO lab_teacher;

COMMIT;

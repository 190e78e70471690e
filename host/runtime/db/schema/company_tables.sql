-- The company database: payroll tables, master data and the bank transfer settings.
-- Dates are texts 'YYYY-MM-DD'; amounts are decimal numbers with cents.

-- Pay runs: one row per payment of salary or of an additional payment (bonus).
CREATE TABLE MF_FS (
    FS_NO   VARCHAR(20) NOT NULL PRIMARY KEY,
    FS_DD   VARCHAR(10) NOT NULL,             -- pay date
    REM     VARCHAR(60)
);

-- Pay run lines: the net pay of one employee in one run.
CREATE TABLE TF_FS1 (
    FS_NO    VARCHAR(20) NOT NULL,
    YG_NO    VARCHAR(12) NOT NULL,
    DEP      VARCHAR(12),                     -- the employee's department in that run
    AMTN_NET NUMERIC(12,2),
    BIL_NO   VARCHAR(20)                      -- NULL or empty for regular salary, else MF_FJ.FJ_NO
);

-- Additional payment runs and their salary category.
CREATE TABLE MF_FJ (
    FJ_NO   VARCHAR(20) NOT NULL PRIMARY KEY,
    FJ_KND  VARCHAR(20),
    FJ_DD   VARCHAR(10),
    REM     VARCHAR(60)
);

-- Employees.
CREATE TABLE MF_YG (
    YG_NO     VARCHAR(12) NOT NULL PRIMARY KEY,
    NAME      VARCHAR(30),
    ENG_NAME  VARCHAR(40),
    ID_NO     VARCHAR(10),                    -- national identity number
    DEP       VARCHAR(12),
    PAY_MTH   VARCHAR(1),                     -- 2 bank transfer, 1 cash
    BACC1_NO  VARCHAR(20),                    -- first account and its holder's title
    BACC1_TIT VARCHAR(30),
    BACC2_NO  VARCHAR(20),                    -- second account
    BACC2_TIT VARCHAR(30),
    IN_DD     VARCHAR(10)                     -- date of joining
);

-- Departments, and the department tree: one row per department and each of its subordinates.
CREATE TABLE DEPT (
    DEP      VARCHAR(12) NOT NULL PRIMARY KEY,
    NAME     VARCHAR(30),
    ENG_NAME VARCHAR(40)
);
CREATE TABLE DEPT_CHK (
    DEP_UP VARCHAR(12) NOT NULL,
    DEP_DW VARCHAR(12) NOT NULL,
    PRIMARY KEY (DEP_UP, DEP_DW)
);

-- Bank parameters (rows "1" to "28") and the transfer windows' saved conditions (row "0").
CREATE TABLE BANK1 (
    BNK_NO   VARCHAR(4) NOT NULL PRIMARY KEY,
    NAME     VARCHAR(255),
    ID1      VARCHAR(40),
    ID2      VARCHAR(40),
    ID3      VARCHAR(40),
    ID4      VARCHAR(40),
    ID5      VARCHAR(40),
    ID10     VARCHAR(40),
    FILENAME VARCHAR(255)
);

-- Companies (kept in the system database; the company database may hold it as well).
CREATE TABLE Comp (
    COMPNO   VARCHAR(4) NOT NULL PRIMARY KEY,
    NAME     VARCHAR(60),
    ENG_NAME VARCHAR(80),
    TEL      VARCHAR(20),
    FAX      VARCHAR(20),
    UNI_NO   VARCHAR(10),                     -- uniform number
    CMP_ADR  VARCHAR(100)
);

-- Master data kept at hand by the module's cached tables.
CREATE TABLE PRDT (PRD_NO VARCHAR(20) NOT NULL PRIMARY KEY, NAME VARCHAR(40), ENG_NAME VARCHAR(60));
CREATE TABLE ACCN (ACC_NO VARCHAR(20) NOT NULL PRIMARY KEY, NAME VARCHAR(40), ENG_NAME VARCHAR(60));
CREATE TABLE CUST (CUS_NO VARCHAR(12) NOT NULL PRIMARY KEY, NAME VARCHAR(60), ENG_NAME VARCHAR(80));
CREATE TABLE CUR_ID (CUR_ID VARCHAR(4) NOT NULL PRIMARY KEY, NAME VARCHAR(20), ENG_NAME VARCHAR(40));
CREATE TABLE MY_WH (WH VARCHAR(12) NOT NULL PRIMARY KEY, NAME VARCHAR(40), ENG_NAME VARCHAR(60));
CREATE TABLE BILN (BIL_ID VARCHAR(4) NOT NULL PRIMARY KEY, NAME VARCHAR(40), LAST_NO VARCHAR(20));
CREATE TABLE PSWD (USR VARCHAR(12) NOT NULL PRIMARY KEY, NAME VARCHAR(30));
CREATE TABLE PSWD1 (USR VARCHAR(12) NOT NULL, COMPNO VARCHAR(4) NOT NULL, NAME VARCHAR(30), PRIMARY KEY (USR, COMPNO));
CREATE TABLE SPC_PSWD (USR VARCHAR(12) NOT NULL, SPC_ID VARCHAR(12) NOT NULL, NAME VARCHAR(30), PRIMARY KEY (USR, SPC_ID));

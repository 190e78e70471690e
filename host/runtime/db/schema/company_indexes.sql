-- Indexes of the company database, made after the tables are filled.
CREATE UNIQUE INDEX TF_FS1_RUN ON TF_FS1 (FS_NO, YG_NO);
CREATE INDEX TF_FS1_EMPLOYEE ON TF_FS1 (YG_NO);
CREATE INDEX MF_FS_DATE ON MF_FS (FS_DD);

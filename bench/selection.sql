-- The two selection statements of a transfer of February 2026 (all departments, first account
-- when filled else the second, regular salary, ordered by employee), as the embedded database
-- runs them: the floor that the transfer's own time is measured against.
CREATE TEMP TABLE "#TF_FS1" AS SELECT A.BIL_NO,A.YG_NO,A.DEP AS DEP_NO,A.AMTN_NET AS A_MTN,
  Case When (B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>'') then B.BACC1_NO else B.BACC2_NO End AS BACC_NO,
  B.NAME As YG_NAME,B.ID_NO,B.ENG_NAME
FROM TF_FS1 A,MF_YG B Where (A.YG_NO=B.YG_NO)And(B.PAY_MTH='2')
And(((B.BACC1_NO IS NOT NULL)And(B.BACC1_NO<>''))Or((B.BACC2_NO IS NOT NULL)And(B.BACC2_NO<>'')))
And(A.FS_NO IN (Select DISTINCT FS_NO From MF_FS Where (FS_DD>='2026-02-01')And(FS_DD<='2026-02-28'))) Order By A.BIL_NO;
SELECT * From "#TF_FS1" Where (YG_NAME IS NOT NULL)And((BIL_NO IS NULL)Or(BIL_NO='')Or(BIL_NO In(Select FJ_NO From MF_FJ Where (FJ_KND IN ('正常薪資')))))
 Order By YG_NO;

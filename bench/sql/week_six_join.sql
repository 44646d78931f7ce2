-- Every active member's week with each day's Times row joined: the store reading what
-- best and available read.
SELECT MBR_PK, MBR_Online_Player_Name, MBR_FK_TZones, SCH_FL_MON, d0.TMS_PK, d0.TMS_Slot1_Start, d0.TMS_Slot1_End, d0.TMS_Slot2_Start, d0.TMS_Slot2_End, SCH_FL_TUE, d1.TMS_PK, d1.TMS_Slot1_Start, d1.TMS_Slot1_End, d1.TMS_Slot2_Start, d1.TMS_Slot2_End, SCH_FL_WED, d2.TMS_PK, d2.TMS_Slot1_Start, d2.TMS_Slot1_End, d2.TMS_Slot2_Start, d2.TMS_Slot2_End, SCH_FL_THU, d3.TMS_PK, d3.TMS_Slot1_Start, d3.TMS_Slot1_End, d3.TMS_Slot2_Start, d3.TMS_Slot2_End, SCH_FL_FRI, d4.TMS_PK, d4.TMS_Slot1_Start, d4.TMS_Slot1_End, d4.TMS_Slot2_Start, d4.TMS_Slot2_End, SCH_FL_SAT_SUN, d5.TMS_PK, d5.TMS_Slot1_Start, d5.TMS_Slot1_End, d5.TMS_Slot2_Start, d5.TMS_Slot2_End
FROM Members JOIN Schedules ON SCH_FK_Member = MBR_PK
  LEFT JOIN Times d0 ON d0.TMS_PK = SCH_FK_TIMES_MON
  LEFT JOIN Times d1 ON d1.TMS_PK = SCH_FK_TIMES_TUE
  LEFT JOIN Times d2 ON d2.TMS_PK = SCH_FK_TIMES_WED
  LEFT JOIN Times d3 ON d3.TMS_PK = SCH_FK_TIMES_THU
  LEFT JOIN Times d4 ON d4.TMS_PK = SCH_FK_TIMES_FRI
  LEFT JOIN Times d5 ON d5.TMS_PK = SCH_FK_TIMES_SAT_SUN
WHERE MBR_FL_Active <> 0;

-- The same rows as two plain scans, as best and available read them.
SELECT MBR_PK, MBR_Online_Player_Name, MBR_FK_TZones, SCH_FL_MON, SCH_FK_TIMES_MON, SCH_FL_TUE, SCH_FK_TIMES_TUE, SCH_FL_WED, SCH_FK_TIMES_WED, SCH_FL_THU, SCH_FK_TIMES_THU, SCH_FL_FRI, SCH_FK_TIMES_FRI, SCH_FL_SAT_SUN, SCH_FK_TIMES_SAT_SUN
FROM Members JOIN Schedules ON SCH_FK_Member = MBR_PK WHERE MBR_FL_Active <> 0;
SELECT TMS_PK, TMS_Slot1_Start, TMS_Slot1_End, TMS_Slot2_Start, TMS_Slot2_End FROM Times;

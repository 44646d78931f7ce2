-- The member list query behind members and the window's lists.
Select MBR_PK, MBR_Online_Player_Name, DIV_Name, MBR_FK_Division, DIV_PK, DIV_Hide, MBR_FL_Active
From Members Left Join Divisions On MBR_FK_Division = DIV_PK Order By DIV_Name, MBR_Online_Player_Name;

var arrCorvalis=new Array()
a=arrCorvalis
a[1]=new Cv("Aquile",0.00,11,999,68.50,"3-4-3",66.00,"3-4-3")
a[2]=new Cv("Delfini",0.00,11,999,65.00,"3-4-3",65.00,"3-4-3")
a[3]=new Cv("Bisonti",4.00,13,2.00,66.00,"4-4-2",70.00,"4-5-1")
a[4]=new Cv("Condor","n/a",0,999,0,"4-5-1",0,"")

var arrCorvalTot=new Array()
a=arrCorvalTot
a[1]=new CvTot("Condor",.500,2)
a[2]=new CvTot("Delfini",1.00,3)
a[3]=new CvTot("Aquile",1.12,3)
a[4]=new CvTot("Bisonti",1.37,3)

var arrCorvalTot=new Array()
a=arrCorvalTot
a[1]=new CvTot("Virtus Tigre",33.64,3)
a[2]=new CvTot("Real Arancino",68.89,3)
a[3]=new CvTot("Dinamo Polenta",121.000,3)
a[4]=new CvTot("Virtus Arancino",184.96,3)

var arrCorvalTot=new Array()
a=arrCorvalTot
a[1]=new CvTot("Bayer Grappa",7.97531190612631,5)
a[2]=new CvTot("Sporting Risotto",8.53814968245462,5)
a[3]=new CvTot("Atletico Gorgonzola",8.6808467328942,5)
a[4]=new CvTot("Vis Carbonara",11.2236892330463,5)
a[5]=new CvTot("Academica Risotto",12.3323760889781,4)
a[6]=new CvTot("Borussia Panettone",13.31,5)

var arrCorvalis=new Array()
a=arrCorvalis
a[1]=new Cv("Real Arancino",6.00,22,0.54,79.00,"0-0-0",85.00,"3-4-3")
a[2]=new Cv("Virtus Tigre",7.50,23,0.62,71.00,"4-5-1",78.50,"3-4-3 4-3-3")
a[3]=new Cv("Virtus Arancino",8.50,21,0.85,62.50,"0-0-0",71.00,"5-3-2")
a[4]=new Cv("Dinamo Polenta",23.50,24,1.80,61.00,"0-0-0",84.50,"3-4-3 4-4-2")

var arrCorvalis=new Array()
a=arrCorvalis
a[1]=new Cv("Bayer Grappa",9.50,23,0.79,66.50,"3-5-2",76.00,"3-4-3 4-4-2")
a[2]=new Cv("Sporting Risotto",13.00,25,0.92,82.00,"5-3-2",95.00,"3-4-3")
a[3]=new Cv("Atletico Gorgonzola",15.50,22,1.40,73.50,"0-0-0",89.00,"3-4-3 4-3-3")
a[4]=new Cv("Vis Carbonara",15.50,24,1.19,70.50,"4-4-2",86.00,"4-4-2")
a[5]=new Cv("Academica Risotto",17.00,23,1.41,69.00,"4-4-2",86.00,"3-4-3 4-3-3")
a[6]=new Cv("Borussia Panettone",20.00,22,1.81,63.50,"0-0-0",83.50,"3-4-3")

<?php header('Content-Type: text/html; charset=windows-1252'); ?>
<html><head><script src='../js/crvUtils.js' type='text/javascript'></script>
<title>Statistiche Corvalis</title><meta name='author' content='kx'>
<link href='corvalis.css' rel='stylesheet' type='text/css'>
</head><body><h2 class='intest'>Riepilogo dati Corvalis</h2>
<div id='laycorvalisH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laycorvalis')"><font class='intest2'>Classifica Corvalis</font></a></div>
<div id='laycorvalis' style='display: none;' align='center'><?php include ('corvalis.htm') ?></div>
<div id='laybestrosH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laybestros')"><font class='intest2'>Migliori Rose</font></a></div>
<div id='laybestros' style='display: none;' align='center'><?php include ('bestrose.htm') ?></div>
<div id='laycalenbombeH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laycalenbombe')"><font class='intest2'>Calendario con marcatori </font></a></div>
<div id='laycalenbombe' style='display: none;' align='center'><?php include ('calenbomber.htm') ?></div>
<div id='laycannonierH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laycannonier')"><font class='intest2'>Classifica Cannonieri </font></a></div>
<div id='laycannonier' style='display: none;' align='center'><?php include ('cannonieri.htm') ?></div>
<div id='layincomediH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layincomedi')"><font class='intest2'>Classifica incompresi (media) </font></a></div>
<div id='layincomedi' style='display: none;' align='center'><?php include ('incomedia.htm') ?></div>
<div id='layincomtoH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layincomto')"><font class='intest2'>Classifica incompresi (totale) </font></a></div>
<div id='layincomto' style='display: none;' align='center'><?php include ('incomtot.htm') ?></div>
<div id='layuomopartitH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layuomopartit')"><font class='intest2'>Migliore in Campo</font></a></div>
<div id='layuomopartit' style='display: none;' align='center'><?php include ('uomopartita.htm') ?></div>
<div id='layflop1H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layflop1')"><font class='intest2'>Flop11 - Giornata </font></a></div>
<div id='layflop1' style='display: none;' align='center'><?php include ('flop11.htm') ?></div>
<div id='layflop11H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layflop11')"><font class='intest2'>Flop11 - Stagione </font></a></div>
<div id='layflop11' style='display: none;' align='center'><?php include ('flop11s.htm') ?></div>
<div id='laytop1H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laytop1')"><font class='intest2'>Top11 - Giornata </font></a></div>
<div id='laytop1' style='display: none;' align='center'><?php include ('top11.htm') ?></div>
<div id='laytop11H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laytop11')"><font class='intest2'>Top11 - Stagione </font></a></div>
<div id='laytop11' style='display: none;' align='center'><?php include ('top11s.htm') ?></div>
<div id='layfantasfigH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layfantasfig')"><font class='intest2'>Fantasfiga</font></a></div>
<div id='layfantasfig' style='display: none;' align='center'><?php include ('fantasfiga.htm') ?></div>
<div id='layfantasfigH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layultima')"><font class='intest2'>Ultima Giornata</font></a></div>
<div id='layultima' style='display: none;' align='center'><?php include ('ultima.htm') ?></div>
</body></html>
<html><head><script src='../js/crvUtils.js' type='text/javascript'></script>
<title>Statistiche Corvalis</title><meta name='author' content='kx'>
<link href='corvalis.css' rel='stylesheet' type='text/css'>
</head><body><h2 class='intest'>Statistiche di Squadra</h2>
<div id='sq1H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq1')"><font class='intest2'>Olimpia Birra</font></a></div>
<div id='sq1' style='display: none;' align='center'><?php include ('sq1.htm') ?></div>
<div id='sq2H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq2')"><font class='intest2'>Fulham Cotechino</font></a></div>
<div id='sq2' style='display: none;' align='center'><?php include ('sq2.htm') ?></div>
<div id='sq3H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq3')"><font class='intest2'>Nizza Panettone</font></a></div>
<div id='sq3' style='display: none;' align='center'><?php include ('sq3.htm') ?></div>
<div id='sq4H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq4')"><font class='intest2'>Stella ÉLITE Bar</font></a></div>
<div id='sq4' style='display: none;' align='center'><?php include ('sq4.htm') ?></div>
<div id='sq5H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq5')"><font class='intest2'>Bayer &lt;Never&gt; &amp; Lusa</font></a></div>
<div id='sq5' style='display: none;' align='center'><?php include ('sq5.htm') ?></div>
<div id='sq6H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq6')"><font class='intest2'>Sevilla Ragù</font></a></div>
<div id='sq6' style='display: none;' align='center'><?php include ('sq6.htm') ?></div>
<div id='sq7H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq7')"><font class='intest2'>Inter Nos</font></a></div>
<div id='sq7' style='display: none;' align='center'><?php include ('sq7.htm') ?></div>
<div id='sq8H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('sq8')"><font class='intest2'>Città Risotto</font></a></div>
<div id='sq8' style='display: none;' align='center'><?php include ('sq8.htm') ?></div>
<br><center><font class='cpr'>Powered by </font><font class='cpr2'>kx</font></center>
</body></html>

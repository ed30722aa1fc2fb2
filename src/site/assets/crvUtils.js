/*
 * crvUtils.js - the script library of the league's statistics pages.
 *
 * Shipped with Corvalis and installed into the site's script folder only
 * when the site has no crvUtils.js of its own: edit or replace it on the
 * web host at will, the program never overwrites it.
 *
 * What it gives the pages:
 *   - invertiDisplayLayer(id): the titles of fanta.php show and hide their
 *     section with it;
 *   - CvTot, Cv, T11: the records of the data scripts crvCorvalisTot.js,
 *     crvCorvalisDati<N>.js and crvTop11.js;
 *   - on fanta.php: the phone layout (viewport) and a link to grafici.htm;
 *   - crvGrafici: the charts of grafici.htm, drawn as inline SVG.
 *
 * Plain ASCII (accented letters as \u escapes) and plain ES5, so that it
 * reads the same under any charset and runs on old phones too.
 * fanta.php holds two HTML documents and so loads this file twice: loading
 * it again must change nothing.
 */

/* Shows the layer `id` when it is hidden, hides it when it is shown. */
function invertiDisplayLayer(id) {
  var layer = document.getElementById(id);
  if (!layer) return false;
  var shown = window.getComputedStyle ?
      window.getComputedStyle(layer, null).display : layer.style.display;
  layer.style.display = shown === 'none' ? 'block' : 'none';
  return false;
}

/*
 * A figure of a data script as a number: numbers as they are, and a text
 * that is no number ("n/a", "sv/ng") as null, "no figure".
 */
function crvNumero(valore) {
  if (typeof valore === 'number') return isFinite(valore) ? valore : null;
  if (typeof valore === 'string' && /^\s*-?(\d+\.?\d*|\.\d+)\s*$/.test(valore)) {
    return parseFloat(valore);
  }
  return null;
}

/*
 * A league text as the pages show it: a league may write a character
 * reference such as &agrave; in its names, which the pages show as the
 * letter. A textarea decodes references and never makes elements.
 */
function crvTesto(testo) {
  testo = testo === undefined || testo === null ? '' : String(testo);
  if (testo.indexOf('&') < 0 || typeof document === 'undefined') return testo;
  var area = document.createElement('textarea');
  area.innerHTML = testo;
  return area.value;
}

/* crvCorvalisTot.js: one team of the season coach rating, best first. */
function CvTot(squadra, scartoPesato, partite) {
  this.squadra = crvTesto(squadra);
  this.scartoPesato = crvNumero(scartoPesato);  /* null: not available */
  this.partite = crvNumero(partite);
}

/* crvCorvalisDati<N>.js: one team on the latest matchday, best first. */
function Cv(squadra, scarto, voti, scartoVoti, parziale, modulo, max, moduliMigliori) {
  this.squadra = crvTesto(squadra);
  this.scarto = crvNumero(scarto);            /* null: the team did not play */
  this.voti = crvNumero(voti);
  this.scartoVoti = crvNumero(scartoVoti);    /* 999: not available */
  if (this.scartoVoti === 999) this.scartoVoti = null;
  this.parziale = crvNumero(parziale);
  this.modulo = modulo;
  this.max = crvNumero(max);
  this.moduliMigliori = moduliMigliori;
}

/* crvTop11.js: one player of the Top 11 of the latest matchday. */
function T11(ruolo, nome, squadra, voto) {
  this.ruolo = ruolo;
  this.nome = crvTesto(nome);
  this.squadra = crvTesto(squadra);
  this.voto = crvNumero(voto);
}

/* The site's icon, a ball, drawn inline: no request for /favicon.ico. */
var crvIcona = 'data:image/svg+xml,' + encodeURIComponent(
    '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 16 16">' +
    '<circle cx="8" cy="8" r="7" fill="#fff" stroke="#1d4e89" stroke-width="1.5"/>' +
    '<path d="M8 4.5l3 2.2-1.1 3.5H6.1L5 6.7z" fill="#1d4e89"/></svg>');

/*
 * The page set-up, done once however often the file is loaded: the
 * viewport setting (otherwise a phone lays the page out 980 px wide), the
 * icon, and on a page built like fanta.php a link to the charts page under
 * its first heading. The titles of fanta.php are links to "#": following
 * them would jump back to the top of the page, so that is prevented.
 */
(function () {
  if (window.crvUtilsPronto) return;
  window.crvUtilsPronto = true;

  var head = document.head || document.getElementsByTagName('head')[0];
  if (head && !document.querySelector('meta[name="viewport"]')) {
    var viewport = document.createElement('meta');
    viewport.name = 'viewport';
    viewport.content = 'width=device-width, initial-scale=1';
    head.appendChild(viewport);
  }
  if (head && !document.querySelector('link[rel~="icon"]')) {
    var icona = document.createElement('link');
    icona.rel = 'icon';
    icona.href = crvIcona;
    head.appendChild(icona);
  }

  function collegaGrafici() {
    var titolo = document.querySelector('h2.intest');
    if (!titolo || !document.querySelector('.i-layer')) return;
    if (document.getElementById('crvLinkGrafici')) return;
    var riga = document.createElement('div');
    riga.id = 'crvLinkGrafici';
    riga.className = 'crvLinkGrafici';
    var link = document.createElement('a');
    link.href = 'grafici.htm';
    link.appendChild(document.createTextNode('Grafici della stagione'));
    riga.appendChild(link);
    titolo.parentNode.insertBefore(riga, titolo.nextSibling);
  }

  function senzaSalto(evento) {
    for (var nodo = evento.target; nodo && nodo !== document; nodo = nodo.parentNode) {
      if (nodo.nodeName === 'A') {
        var padre = nodo.parentNode;
        if (nodo.getAttribute('href') === '#' && padre && /(^|\s)i-layer(\s|$)/.test(padre.className)) {
          evento.preventDefault();
        }
        return;
      }
    }
  }

  document.addEventListener('click', senzaSalto, false);
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', collegaGrafici, false);
  } else {
    collegaGrafici();
  }
})();

/*
 * The charts of grafici.htm. Every chart is an <svg> drawn into a
 * container element, sized from the container's width so that its text
 * stays readable on a phone. A chart whose data is missing shows a short
 * note instead.
 */
var crvGrafici = (function () {
  var SVG = 'http://www.w3.org/2000/svg';

  function elemento(nome, attributi, padre, testo) {
    var nodo = document.createElementNS(SVG, nome);
    for (var chiave in attributi) {
      if (Object.prototype.hasOwnProperty.call(attributi, chiave)) {
        nodo.setAttribute(chiave, attributi[chiave]);
      }
    }
    if (testo !== undefined) nodo.appendChild(document.createTextNode(testo));
    if (padre) padre.appendChild(nodo);
    return nodo;
  }

  function tela(contenitore, larghezza, altezza, descrizione) {
    var svg = elemento('svg', {
      'class': 'crvSvg', width: larghezza, height: altezza,
      viewBox: '0 0 ' + larghezza + ' ' + altezza, role: 'img'
    }, contenitore);
    elemento('title', {}, svg, descrizione);
    return svg;
  }

  function larghezzaDi(contenitore, minima, massima) {
    var w = contenitore.clientWidth || massima;
    return Math.max(minima, Math.min(massima, w));
  }

  function accorcia(testo, caratteri) {
    testo = String(testo);
    return testo.length <= caratteri ? testo : testo.substring(0, caratteri - 1) + '\u2026';
  }

  function cifre(numero, decimali) {
    return numero === null ? 'n/d' : numero.toFixed(decimali);
  }

  function svuota(contenitore) {
    while (contenitore.firstChild) contenitore.removeChild(contenitore.firstChild);
  }

  /* A short note in place of a chart. */
  function avviso(contenitore, testo) {
    svuota(contenitore);
    var p = document.createElement('p');
    p.className = 'crvAvviso';
    p.appendChild(document.createTextNode(testo));
    contenitore.appendChild(p);
  }

  /*
   * Horizontal bars, one per entry, in the given order:
   * voci = [{etichetta, valore (null: no figure), fondo (optional: a lighter
   * bar behind, e.g. the best possible score)}].
   */
  function barre(contenitore, voci, opzioni) {
    opzioni = opzioni || {};
    svuota(contenitore);
    var w = larghezzaDi(contenitore, 300, 720);
    var riga = 28;
    var etichette = Math.round(w * 0.38);
    var spazioCifra = 0;
    for (var t = 0; t < voci.length; t++) {
      var scritta = voci[t].testo !== undefined ? voci[t].testo : cifre(voci[t].valore, opzioni.decimali || 2);
      spazioCifra = Math.max(spazioCifra, 12 + 7 * String(scritta).length);
    }
    var h = voci.length * riga + 8;
    var svg = tela(contenitore, w, h, opzioni.descrizione || '');
    var massimo = 0;
    for (var i = 0; i < voci.length; i++) {
      massimo = Math.max(massimo, voci[i].valore || 0, voci[i].fondo || 0);
    }
    var scala = massimo > 0 ? (w - etichette - spazioCifra - 8) / massimo : 0;
    var caratteri = Math.max(8, Math.floor(etichette / 7.5));
    for (var k = 0; k < voci.length; k++) {
      var voce = voci[k];
      var y = 4 + k * riga;
      var nome = elemento('text', {'class': 'crvEtichetta', x: etichette - 6, y: y + 18,
                                   'text-anchor': 'end'}, svg, accorcia(voce.etichetta, caratteri));
      elemento('title', {}, nome, voce.etichetta);
      if (voce.fondo !== undefined && voce.fondo !== null) {
        elemento('rect', {'class': 'crvFondo', x: etichette, y: y + 4,
                          width: Math.max(0, voce.fondo * scala), height: riga - 8}, svg);
      }
      var lunghezza = voce.valore === null ? 0 : Math.max(voce.valore * scala, voce.valore > 0 ? 2 : 0);
      var barra = elemento('rect', {'class': 'crvBarra' + (k === 0 && opzioni.primoEvidente ? ' crvPrimo' : ''),
                                    x: etichette, y: y + 4, width: lunghezza, height: riga - 8,
                                    'data-squadra': voce.etichetta}, svg);
      elemento('title', {}, barra, voce.etichetta + ': ' + cifre(voce.valore, opzioni.decimali || 2));
      var testo = voce.testo !== undefined ? voce.testo : cifre(voce.valore, opzioni.decimali || 2);
      var fine = Math.max(lunghezza, voce.fondo ? voce.fondo * scala : 0);
      elemento('text', {'class': 'crvCifra', x: etichette + fine + 6, y: y + 18}, svg, testo);
    }
    return svg;
  }

  /*
   * One small chart per team: a column per matchday (its gap), a cross for
   * a matchday the team did not play, a dashed line at the team's average
   * gap. All on the same scale, so that the teams compare.
   */
  function colonne(contenitore, giornate, squadre) {
    svuota(contenitore);
    var massimo = 0;
    var i, j;
    for (i = 0; i < squadre.length; i++) {
      for (j = 0; j < squadre[i].scarti.length; j++) {
        if (squadre[i].scarti[j] !== null) massimo = Math.max(massimo, squadre[i].scarti[j]);
      }
    }
    if (massimo <= 0) massimo = 1;
    for (i = 0; i < squadre.length; i++) {
      var squadra = squadre[i];
      var riquadro = document.createElement('div');
      riquadro.className = 'crvPiccolo';
      var titolo = document.createElement('div');
      titolo.className = 'crvPiccoloTitolo';
      titolo.appendChild(document.createTextNode(squadra.nome));
      if (squadra.media !== null) {
        var media = document.createElement('span');
        media.className = 'crvPiccoloMedia';
        media.appendChild(document.createTextNode(' media ' + cifre(squadra.media, 2)));
        titolo.appendChild(media);
      }
      riquadro.appendChild(titolo);
      contenitore.appendChild(riquadro);

      var w = larghezzaDi(riquadro, 240, 340);
      var h = 120;
      var basso = h - 18;
      var alto = 12;
      var svg = tela(riquadro, w, h, 'Scarto per giornata: ' + squadra.nome);
      var passo = (w - 16) / Math.max(1, giornate.length);
      var scala = (basso - alto) / massimo;
      elemento('line', {'class': 'crvAsse', x1: 8, y1: basso, x2: w - 8, y2: basso}, svg);
      var ogni = Math.ceil(giornate.length / Math.max(1, Math.floor((w - 16) / 22)));
      for (j = 0; j < giornate.length; j++) {
        var x = 8 + j * passo;
        var scarto = squadra.scarti[j];
        if (scarto === null) {
          elemento('text', {'class': 'crvAssente', x: x + passo / 2, y: basso - 3,
                            'text-anchor': 'middle'}, svg, 'x');
        } else {
          var alta = Math.max(scarto * scala, scarto > 0 ? 1 : 0);
          var colonna = elemento('rect', {'class': 'crvColonna', x: x + passo * 0.15,
                                          y: basso - alta, width: passo * 0.7, height: alta}, svg);
          elemento('title', {}, colonna, 'Giornata ' + giornate[j] + ': ' + cifre(scarto, 2));
        }
        if (j % ogni === 0) {
          elemento('text', {'class': 'crvAsseTesto', x: x + passo / 2, y: h - 4,
                            'text-anchor': 'middle'}, svg, String(giornate[j]));
        }
      }
      if (squadra.media !== null) {
        var ym = basso - Math.min(squadra.media, massimo) * scala;
        var lineaMedia = elemento('line', {'class': 'crvMedia', x1: 8, y1: ym, x2: w - 8, y2: ym}, svg);
        elemento('title', {}, lineaMedia, 'media ' + cifre(squadra.media, 2));
      }
    }
  }

  /*
   * An eleven on a pitch, goalkeeper at the bottom: giocatori = [{ruolo
   * ("P", "D", "C", "A"), nome, squadra, voto}]. The names are listed under
   * the pitch too, with their teams.
   */
  function campo(contenitore, giocatori, descrizione) {
    svuota(contenitore);
    var w = 400;
    var h = 460;
    var svg = tela(contenitore, w, h, descrizione);
    elemento('rect', {'class': 'crvPrato', x: 0, y: 0, width: w, height: h, rx: 8}, svg);
    var linee = {'class': 'crvLinea', fill: 'none'};
    function linea(attributi) {
      var a = {};
      for (var k in linee) a[k] = linee[k];
      for (var k2 in attributi) a[k2] = attributi[k2];
      return a;
    }
    elemento('rect', linea({x: 12, y: 12, width: w - 24, height: h - 24}), svg);
    elemento('line', linea({x1: 12, y1: h / 2, x2: w - 12, y2: h / 2}), svg);
    elemento('circle', linea({cx: w / 2, cy: h / 2, r: 40}), svg);
    elemento('rect', linea({x: w / 2 - 90, y: h - 12 - 64, width: 180, height: 64}), svg);
    elemento('rect', linea({x: w / 2 - 90, y: 12, width: 180, height: 64}), svg);

    var righe = {A: 70, C: 180, D: 285, P: 385};
    var perRuolo = {P: [], D: [], C: [], A: []};
    for (var i = 0; i < giocatori.length; i++) {
      var ruolo = String(giocatori[i].ruolo).charAt(0);
      if (perRuolo[ruolo]) perRuolo[ruolo].push(giocatori[i]);
    }
    for (var r in perRuolo) {
      if (!Object.prototype.hasOwnProperty.call(perRuolo, r)) continue;
      var fila = perRuolo[r];
      for (var j = 0; j < fila.length; j++) {
        var g = fila[j];
        var voto = crvNumero(g.voto);
        var x = w * (j + 1) / (fila.length + 1);
        var caratteri = Math.max(5, Math.floor((w / (fila.length + 1) - 4) / 6.8));
        var y = righe[r];
        var gruppo = elemento('g', {'class': 'crvGiocatore'}, svg);
        elemento('title', {}, gruppo, g.nome + ' (' + g.squadra + ') ' + cifre(voto, 2));
        elemento('circle', {'class': 'crvMaglia', cx: x, cy: y, r: 18}, gruppo);
        elemento('text', {'class': 'crvVoto', x: x, y: y + 4, 'text-anchor': 'middle'},
                 gruppo, voto === null ? '-' : String(voto));
        var nome = String(g.nome);
        var spazio = nome.lastIndexOf(' ');
        var prima = spazio > 0 ? nome.substring(0, spazio) : nome;
        var seconda = spazio > 0 ? nome.substring(spazio + 1) : '';
        elemento('text', {'class': 'crvNomeCampo', x: x, y: y + 31, 'text-anchor': 'middle'},
                 gruppo, accorcia(prima, caratteri));
        if (seconda) {
          elemento('text', {'class': 'crvNomeCampo', x: x, y: y + 43, 'text-anchor': 'middle'},
                   gruppo, accorcia(seconda, caratteri));
        }
      }
    }

    var elenco = document.createElement('ol');
    elenco.className = 'crvElenco';
    for (var n = 0; n < giocatori.length; n++) {
      var voce = document.createElement('li');
      voce.appendChild(document.createTextNode(
          giocatori[n].ruolo + ' ' + giocatori[n].nome + ' (' + giocatori[n].squadra + ') ' +
          cifre(crvNumero(giocatori[n].voto), 2)));
      elenco.appendChild(voce);
    }
    contenitore.appendChild(elenco);
  }

  /* The records of a data script's array, in order (index 0 is unused). */
  function righeDi(array) {
    var righe = [];
    if (!array) return righe;
    for (var i = 0; i < array.length; i++) {
      if (array[i]) righe.push(array[i]);
    }
    return righe;
  }

  function contenitore(id) { return document.getElementById(id); }

  function manca(nomeFile) {
    return 'Dati non disponibili: il file ' + nomeFile + ' non \u00E8 stato caricato.';
  }

  /* The page's own data holds league texts as the pages write them. */
  function decodificaTesti(dati) {
    var squadre = dati.squadre || [];
    for (var s = 0; s < squadre.length; s++) squadre[s].nome = crvTesto(squadre[s].nome);
    var top = dati.top11Stagione || [];
    for (var p = 0; p < top.length; p++) {
      top[p].nome = crvTesto(top[p].nome);
      top[p].squadra = crvTesto(top[p].squadra);
    }
  }

  /* Draws every chart of grafici.htm from the data scripts and the page's own data. */
  function disegna() {
    var dati = window.crvDatiGrafici;
    if (dati && !dati.testiLetti) {
      dati.testiLetti = true;
      decodificaTesti(dati);
    }

    var c;

    if ((c = contenitore('graficoAllenatori'))) {
      var tot = typeof arrCorvalTot !== 'undefined' ? righeDi(arrCorvalTot) : [];
      if (!tot.length) {
        avviso(c, manca('crvCorvalisTot.js'));
      } else {
        var voci = [];
        for (var i = 0; i < tot.length; i++) {
          voci.push({etichetta: tot[i].squadra, valore: tot[i].scartoPesato});
        }
        barre(c, voci, {descrizione: 'Scarto pesato per squadra', decimali: 2, primoEvidente: true});
      }
    }

    if ((c = contenitore('graficoGiornate'))) {
      if (!dati || !dati.squadre || !dati.squadre.length) {
        avviso(c, 'Dati non disponibili per questo grafico.');
      } else {
        colonne(c, dati.giornate, dati.squadre);
      }
    }

    if ((c = contenitore('graficoUltima'))) {
      var giornata = typeof arrCorvalis !== 'undefined' ? righeDi(arrCorvalis) : [];
      if (!giornata.length) {
        avviso(c, manca('crvCorvalisDati' + (dati ? dati.ultimaGiornata : '') + '.js'));
      } else {
        var punti = [];
        for (var k = 0; k < giornata.length; k++) {
          punti.push({etichetta: giornata[k].squadra, valore: giornata[k].parziale,
                      fondo: giornata[k].max,
                      testo: cifre(giornata[k].parziale, 1) + ' / ' + cifre(giornata[k].max, 1)});
        }
        barre(c, punti, {descrizione: 'Punteggio e massimo possibile, ultima giornata', decimali: 1});
      }
    }

    if ((c = contenitore('graficoTop11Stagione'))) {
      if (!dati || !dati.top11Stagione || !dati.top11Stagione.length) {
        avviso(c, 'Nessun giocatore ha ancora le presenze per la Top 11 della stagione.');
      } else {
        campo(c, dati.top11Stagione, 'Top 11 della stagione');
      }
    }

    if ((c = contenitore('graficoTop11Giornata'))) {
      var top = typeof arrTop11 !== 'undefined' ? righeDi(arrTop11) : [];
      if (!top.length) {
        avviso(c, manca('crvTop11.js'));
      } else {
        var giocatori = [];
        for (var n = 0; n < top.length; n++) {
          giocatori.push({ruolo: top[n].ruolo, nome: top[n].nome, squadra: top[n].squadra,
                          voto: top[n].voto});
        }
        campo(c, giocatori, 'Top 11 dell\'ultima giornata');
      }
    }
  }

  return {barre: barre, colonne: colonne, campo: campo, avviso: avviso, disegna: disegna};
})();

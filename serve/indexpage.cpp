#include "serve/indexpage.h"

std::string IndexPage() {
  // One self-contained page: no script or style from elsewhere, so it works on a closed network.
  return R"(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Boardsmith diagram service</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 2em auto; padding: 0 1em; }
label { display: inline-block; margin: 0.3em 1em 0.3em 0; }
input[type=text] { width: 100%; box-sizing: border-box; font-family: monospace; }
img { display: block; margin: 1em 0; max-width: 100%; border: 1px solid #ccc; }
code { word-break: break-all; }
</style>
</head>
<body>
<h1>Boardsmith diagram service</h1>
<p>Every diagram is a URL: put it in an <code>&lt;img&gt;</code> tag, a Markdown image or a chat
message. The query takes the options of <code>boardsmith-export</code> by the same names.</p>
<form id="form">
<label for="fen">FEN</label>
<input type="text" id="fen" name="fen" value="rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1">
<label>Format <select id="format"><option>png</option><option>svg</option><option>pdf</option><option>bmp</option></select></label>
<label>Style <select id="style"><option>print</option><option>colour</option></select></label>
<label>Theme <select id="theme"><option>0</option><option>1</option><option>2</option><option>3</option><option>4</option><option>5</option><option>6</option><option>7</option></select></label>
<label><input type="checkbox" id="flip"> Black at the bottom</label>
<label><input type="checkbox" id="coords"> Coordinates</label>
<label>Arrow <input type="text" id="arrow" size="6" style="width:6em" placeholder="e2e4"></label>
<button type="submit">Show</button>
</form>
<img id="picture" alt="The diagram">
<p>URL: <code id="url"></code></p>
<script>
function show(event) {
  if (event) event.preventDefault();
  const q = new URLSearchParams();
  const v = id => document.getElementById(id);
  q.set('fen', v('fen').value.trim());
  if (v('style').value === 'colour') { q.set('style', 'colour'); q.set('theme', v('theme').value); }
  if (v('flip').checked) q.set('flip', 'yes');
  if (v('coords').checked) q.set('coords', 'yes');
  if (v('arrow').value.trim()) q.set('arrow', v('arrow').value.trim());
  const url = 'diagram.' + v('format').value + '?' + q.toString();
  v('url').textContent = new URL(url, location.href).href;
  v('picture').src = url;
}
document.getElementById('form').addEventListener('submit', show);
show();
</script>
</body>
</html>
)";
}

// Starts resonix on the page (appended to resonix.js, after the program's
// factory): the program's code is fetched and compiled once, and every start
// makes a fresh program from it, so that starting again fetches nothing.
(function () {
  'use strict';
  // The fetch takes what index.html preloads.
  var compiled = WebAssembly.compileStreaming(fetch('resonix.wasm', { credentials: 'same-origin', mode: 'cors' }));
  var ended;
  var again;

  function start() {
    ended.hidden = true;
    createResonix({
      instantiateWasm: function (imports, receive) {
        compiled.then(function (module) {
          return WebAssembly.instantiate(module, imports).then(function (instance) { receive(instance, module); });
        }).catch(failed);
        return {};
      },
      programEnded: function () {
        ended.hidden = false;
        again.focus();
      },
      printErr: function (text) { console.error(text); },
    }).catch(failed);
  }

  function failed(error) {
    document.getElementById('failed').hidden = false;
    console.error(error);
  }

  // The page's windows go into its desktop, which may still be on its way.
  function ready() {
    ended = document.getElementById('ended');
    again = document.getElementById('start-again');
    again.addEventListener('click', start);
    start();
  }
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', ready);
  else ready();
})();

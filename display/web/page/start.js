// Starts resonix on the page (appended to resonix.js, after the program's
// factory): the program's code is fetched and compiled once, and every start
// makes a fresh program from it, so that starting again fetches nothing.
(function () {
  'use strict';
  var compiled = WebAssembly.compileStreaming(fetch('resonix.wasm'));
  var ended = document.getElementById('ended');
  var again = document.getElementById('start-again');

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

  again.addEventListener('click', start);
  start();
})();

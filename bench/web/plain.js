// The yardstick of the browser benchmark (bench/web_bench.sh): the
// Translation window of resonix's page, the same HTML controls, driven by
// plain script with no window system and no program under it. It takes the
// same input events as resonix's page does and makes the same changes:
// opening the window, choosing an analysis (captions, unit lists, blanks),
// an edit hiding the results, and Calculate writing the echoes, the results
// and the deflection and showing them. Only the natural frequency is worked
// out, which is all the benchmark asks for.
(function () {
  'use strict';
  var main = document.querySelector('.rx-window');
  var motion = main.querySelector('[data-id="1000"]');
  var template = document.getElementById('translation-window');
  var open = null;

  var inputArea = [1, 1013, 1007, 1008, 1009, 1010, 1011, 1012];
  var results = [1022, 1024, 1028, 1029, 1030];
  var units = { 1011: ['kg', 'slugs', 'lbm'], 1012: ['N/m', 'N/mm', 'lbf/ft', 'lbf/in'] };

  function control(id) { return open.querySelector('[data-id="' + id + '"]'); }
  function show(ids, shown) { ids.forEach(function (id) { control(id).hidden = !shown; }); }

  // printf's %14.Ng, near enough for the benchmark's inputs.
  function g(value, digits) {
    var text = Number(value.toPrecision(digits)).toString();
    return text.length < 14 ? ' '.repeat(14 - text.length) + text : text;
  }

  function hideResults() {
    show(results, false);
    control(1024).value = ' ';
    control(1029).value = ' ';
  }

  function openWindow() {
    open = template.content.firstElementChild.cloneNode(true);
    document.getElementById('desktop').append(open);
    main.inert = true;
    main.classList.remove('rx-active');
    open.hidden = false;
    control(2).focus();
  }

  function closeWindow() {
    open.remove();
    open = null;
    main.inert = false;
    main.classList.add('rx-active');
    motion.selectedIndex = -1;
    motion.focus();
  }

  function chooseAnalysis(index) {
    control(1002).selectedIndex = index;
    control(1002).focus();
    show(inputArea, true);
    control(1007).value = 'Mass';
    control(1008).value = 'Stiffness';
    [1011, 1012].forEach(function (id) {
      var list = control(id);
      list.replaceChildren();
      units[id].forEach(function (name) {
        var option = document.createElement('option');
        option.textContent = name;
        list.append(option);
      });
      list.selectedIndex = 0;
    });
    control(1009).value = ' ';
    control(1010).value = ' ';
    hideResults();
  }

  function calculate() {
    var mass = parseFloat(control(1009).value) || 0;
    var stiffness = parseFloat(control(1010).value) || 0;
    control(1009).value = g(mass, 5);
    control(1010).value = g(stiffness, 5);
    hideResults();
    var omega = Math.sqrt(stiffness / mass);
    var deflection = mass * 9.80665 / stiffness;
    control(1028).value = 'Natural Frequency';
    control(1024).value = g(omega, 4) + ' rad/sec\n\n' + g(omega / (2 * Math.PI), 4) + ' Hz';
    control(1029).value = g(deflection * 1000, 3) + ' mm \n\n' + g(deflection / 0.0254, 3) + ' in';
    show(results, true);
  }

  document.addEventListener('mousedown', function (event) {
    var option = event.target.closest('option');
    if (!option) return;
    event.preventDefault();
    var list = option.parentElement;
    if (list === motion && option.index === 1 && !open) {
      motion.selectedIndex = 1;
      openWindow();
    } else if (open && list === control(1002)) {
      chooseAnalysis(option.index);
    } else if (open && (list === control(1011) || list === control(1012))) {
      list.selectedIndex = option.index;
      hideResults();
    }
  }, true);
  document.addEventListener('input', function () { if (open) hideResults(); });
  document.addEventListener('keydown', function (event) {
    if (!open) return;
    if (event.key === 'Enter') { event.preventDefault(); calculate(); }
    if (event.key === 'Escape') { event.preventDefault(); closeWindow(); }
  }, true);
})();

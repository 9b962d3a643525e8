// Plays a user on a page of the browser benchmark (bench/web_bench.py runs
// it in resonix's page and in the yardstick alike): opens the Translation
// window from the main window's list, chooses "natural frequency", types two
// values and presses Enter for Calculate, and times the opening and each
// Calculate from the input to the end of the layout that shows what it did.
// The paint that follows draws the same controls on both pages, and waiting
// for it would time the display's frame rate instead. Each input starts from
// a painted page. Arguments: openings, Calculates per opening; returns the
// times in milliseconds.
async function resonixBenchmark(openings, calculates) {
  var painted = function () {
    return new Promise(function (done) { requestAnimationFrame(function () { setTimeout(done, 0); }); });
  };
  var laidOut = function () { return document.documentElement.getBoundingClientRect().height; };
  var windowOf = function (caption) {
    return [...document.querySelectorAll('.rx-window')].find(function (w) {
      return !w.hidden && w.querySelector('.rx-caption').textContent === caption;
    });
  };
  var control = function (caption, id) { return windowOf(caption).querySelector('[data-id="' + id + '"]'); };
  var press = function (element, options) {
    element.dispatchEvent(new MouseEvent('mousedown', Object.assign({ bubbles: true, cancelable: true, button: 0 }, options)));
  };
  var key = function (name) {
    document.activeElement.dispatchEvent(new KeyboardEvent('keydown', { key: name, bubbles: true, cancelable: true }));
  };
  var type = function (edit, text) {
    edit.focus();
    edit.value = text;
    edit.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText', data: text }));
  };
  var main = document.querySelector('.rx-window .rx-caption').textContent;
  var times = { open: [], calculate: [] };
  for (var opening = 0; opening < openings; ++opening) {
    await painted();
    var started = performance.now();
    press(control(main, 1000).options[1]);
    laidOut();
    times.open.push(performance.now() - started);
    if (!windowOf('Translation')) throw new Error('the Translation window did not open');
    press(control('Translation', 1002).options[0]);
    type(control('Translation', 1009), '10');
    type(control('Translation', 1010), '1000');
    for (var i = 0; i < calculates; ++i) {
      await painted();
      started = performance.now();
      key('Enter');
      laidOut();
      times.calculate.push(performance.now() - started);
      if (control('Translation', 1024).hidden) throw new Error('Calculate showed no results');
    }
    key('Escape');
    await painted();
    if (windowOf('Translation')) throw new Error('the Translation window did not close');
  }
  return times;
}

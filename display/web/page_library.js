// The page side of the browser display (display/web/page.h): draws each
// window of the window system with a frame of the page's own and one HTML
// control per control, and reports what the user does, raw, for the program
// to take while it waits for input. The page decides nothing: what a key,
// a click or a text does is the window system's, which then tells the page
// what to show. Everything the program makes happen on the page while it
// runs (focus moving, values set) is never reported back as input.
//
// This file holds the page's state, the input the user gives and the
// program's wait for it; page_windows.js the windows' frames,
// page_controls.js the controls, page_menu.js the system menu and
// page_input.js what the page does with the keyboard and the pointer.

mergeInto(LibraryManager.library, {
  $ResonixPage__deps: ['$Asyncify', '$ResonixInput', '$ResonixMenu', '$ResonixWindows', '$ResonixControls'],
  $ResonixPage: {
    // Keys the dialog manager interprets, as windowing/key.h numbers them.
    keys: { Return: 0, Escape: 1, Tab: 2, ShiftTab: 3, Up: 4, Down: 5, Home: 6, End: 7, Space: 8 },
    // What the page reports (PageInputKind).
    input: { Typed: 1, Selected: 2, Clicked: 3, Focused: 4, Key: 5, Closed: 6, SystemCommand: 7, Painted: 8, Restored: 9 },

    // Made by install(): the library keeps no objects but plain ones.
    windows: null,
    controls: null,
    queue: [],
    wake: null,
    // True while the program runs: whatever the page sees then is the
    // program's own doing, not the user's.
    busy: true,
    ended: false,
    menu: null,
    moving: null,
    painted: false,
    current: null,
    // The stacking order of the windows: the active one is above the others.
    layers: 0,
    active: 0,
    // What the program wrote while it ran, put on the page once it has done
    // with an input: the texts of edits, written over many times by one
    // Calculate, and the focus, which the browser can only move in a page
    // laid out afresh.
    texts: null,
    focus: null,
    // Fields to scroll once laid out, before the next paint.
    scrolls: null,

    flush: function() {
      var page = ResonixPage;
      page.texts.forEach(function(text, element) { if (element.value !== text) element.value = text; });
      page.texts.clear();
      if (page.scrolls.size) {
        var scrolls = page.scrolls;
        page.scrolls = new Set();
        requestAnimationFrame(function() {
          scrolls.forEach(function(control) { if (!control.element.hidden) control.element.scrollLeft = control.scroll; });
        });
      }
      var target = page.focus;
      page.focus = null;
      if (!target || !target.isConnected || page.menu || page.moving) return;
      var owner = page.windowOf(target);
      if (owner && owner.tile) return;
      if (document.activeElement !== target) target.focus();
    },
    listeners: [],

    desktop: function() { return document.getElementById('desktop'); },

    // A window (or its icon) came on screen: the program paints it, and the
    // first one is the program's first paint.
    shown: function(win) {
      requestAnimationFrame(function() {
        ResonixPage.report(ResonixPage.input.Painted, win.handle, 0);
        if (ResonixPage.painted) return;
        ResonixPage.painted = true;
        // Once the frame is on screen.
        setTimeout(function() { performance.mark('resonix-first-paint'); }, 0);
      });
    },

    install: function() {
      if (ResonixPage.listeners.length) return;
      ResonixPage.windows = new Map();
      ResonixPage.controls = new Map();
      ResonixPage.texts = new Map();
      ResonixPage.scrolls = new Set();
      var on = function(target, type, handler, capture) {
        target.addEventListener(type, handler, capture);
        ResonixPage.listeners.push([target, type, handler, capture]);
      };
      on(document, 'keydown', ResonixInput.keyDown, true);
      on(document, 'keyup', ResonixInput.keyUp, true);
      on(document, 'mousedown', ResonixInput.mouseDown, true);
      on(document, 'pointerdown', ResonixInput.drag, false);
      on(document, 'focusin', ResonixInput.focusIn, false);
      on(document, 'input', ResonixInput.typed, false);
      on(document, 'click', ResonixInput.clicked, false);
      on(document, 'auxclick', function(event) { if (ResonixPage.controlOf(event.target)) event.preventDefault(); }, false);
      on(document, 'contextmenu', ResonixInput.contextMenu, false);
    },

    uninstall: function() {
      ResonixPage.listeners.forEach(function(l) { l[0].removeEventListener(l[1], l[2], l[3]); });
      ResonixPage.listeners = [];
    },

    // --- Reporting input ---------------------------------------------------
    report: function(kind, handle, value, text) {
      if (ResonixPage.busy || ResonixPage.ended) return false;
      ResonixPage.queue.push({ kind: kind, handle: handle, value: value || 0, text: text || '' });
      var wake = ResonixPage.wake;
      if (wake) {
        ResonixPage.wake = null;
        ResonixPage.busy = true;
        wake();
      }
      return true;
    },

    windowOf: function(element) {
      var root = element && element.closest ? element.closest('.rx-window') : null;
      return root ? ResonixPage.windows.get(Number(root.dataset.handle)) : null;
    },
    controlOf: function(element) {
      var found = element && element.closest ? element.closest('[data-control]') : null;
      return found ? ResonixPage.controls.get(Number(found.dataset.control)) : null;
    },
    activeWindow: function() {
      var active = null;
      ResonixPage.windows.forEach(function(win) { if (win.root.classList.contains('rx-active')) active = win; });
      return active;
    },

    // "&x" as x underlined; "&&" as "&".
    showMnemonic: function(element, text) {
      element.textContent = '';
      var plain = '';
      for (var i = 0; i < text.length; ++i) {
        if (text[i] === '&' && i + 1 < text.length) {
          ++i;
          if (text[i] !== '&') {
            element.append(plain);
            plain = '';
            var marked = document.createElement('u');
            marked.textContent = text[i];
            element.append(marked);
            continue;
          }
        }
        plain += text[i];
      }
      element.append(plain);
    },
  },

  // --- The rest ---------------------------------------------------------------------------
  pageAnnounce__deps: ['$ResonixPage'],
  pageAnnounce: function(text) {
    var region = document.getElementById('announcement');
    if (!region) return;
    // A new node each time: the same words again are said again.
    var said = document.createElement('p');
    said.textContent = UTF8ToString(text);
    region.replaceChildren(said);
  },
  pageOpenAddress: function(address) {
    window.open(UTF8ToString(address), '_blank', 'noopener,noreferrer');
  },
  pageProgramEnded__deps: ['$ResonixPage'],
  pageProgramEnded: function(code) {
    ResonixPage.flush();
    ResonixPage.ended = true;
    ResonixPage.busy = false;
    ResonixMenu.close(false);
    ResonixPage.uninstall();
    if (Module['programEnded']) Module['programEnded'](code);
  },

  // --- Input ----------------------------------------------------------------------------------
  pageWaitForInput__deps: ['$ResonixPage', '$Asyncify'],
  pageWaitForInput: function() {
    ResonixPage.flush();
    Asyncify.handleSleep(function(wakeUp) {
      ResonixPage.busy = false;
      if (ResonixPage.queue.length) {
        ResonixPage.busy = true;
        wakeUp();
      } else {
        ResonixPage.wake = wakeUp;
      }
    });
  },
  pageNextInput__deps: ['$ResonixPage'],
  pageNextInput: function(handle, value) {
    var page = ResonixPage;
    page.current = page.queue.shift() || null;
    if (!page.current) return 0;
    HEAPU32[handle >> 2] = page.current.handle;
    HEAP32[value >> 2] = page.current.value;
    return page.current.kind;
  },
  pageInputTextSize__deps: ['$ResonixPage'],
  pageInputTextSize: function() {
    return ResonixPage.current ? lengthBytesUTF8(ResonixPage.current.text) + 1 : 1;
  },
  pageInputText__deps: ['$ResonixPage'],
  pageInputText: function(buffer, size) {
    stringToUTF8(ResonixPage.current ? ResonixPage.current.text : '', buffer, size);
  },
});

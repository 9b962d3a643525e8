// The keyboard and the pointer on the page (see page_library.js): which
// input goes to the window system, raw, and which the browser keeps; and
// moving a window, which the desktop does without the program.

mergeInto(LibraryManager.library, {
  $ResonixInput__deps: ['$ResonixPage'],
  $ResonixInput: {
    // --- Keys ----------------------------------------------------------------
    keyDown: function(event) {
      var page = ResonixPage;
      if (page.ended) return;
      if (page.moving) { ResonixInput.moveKey(event); return; }
      if (page.menu) { ResonixMenu.key(event); return; }
      var plain = !event.ctrlKey && !event.altKey && !event.metaKey;
      if (event.altKey && !event.ctrlKey && !event.metaKey && event.code === 'Space') {
        var active = page.activeWindow();
        if (active && !active.root.hidden) {
          event.preventDefault();
          ResonixMenu.open(active, null);
        }
        return;
      }
      var win = page.windowOf(event.target);
      if (!win || win.root.inert) return;
      var control = page.controlOf(event.target);
      var kind = control ? control.kind : 'window';
      var press = function(key) {
        event.preventDefault();
        page.report(page.input.Key, win.handle, key);
      };
      if (event.key === 'Tab' && plain) {
        press(event.shiftKey ? page.keys.ShiftTab : page.keys.Tab);
      } else if (event.key === 'Enter' && plain && !event.shiftKey) {
        // A multi-line edit that wants Return takes it as a line break.
        if ((kind === 'textarea' || kind === 'results') && control.flags & ResonixControls.flags.wantsReturn) return;
        press(page.keys.Return);
      } else if (event.key === 'Escape' && plain && !event.shiftKey) {
        press(page.keys.Escape);
      } else if (event.key === ' ' && plain && !event.shiftKey && (kind === 'button' || kind === 'link')) {
        event.preventDefault();
        if (!event.repeat) page.report(page.input.Key, win.handle, page.keys.Space);
      } else if (kind === 'list' && plain) {
        var listKeys = { ArrowUp: page.keys.Up, ArrowDown: page.keys.Down, Home: page.keys.Home, End: page.keys.End };
        if (event.key in listKeys) press(listKeys[event.key]);
        // A list moves its selection only as the window system says: not by
        // typing its first letters, nor by pages.
        else if (event.key.length === 1 || /^(Page|Arrow)/.test(event.key)) event.preventDefault();
      }
    },

    keyUp: function(event) {
      // A button pressed with Space would click itself as the key comes up.
      var control = ResonixPage.controlOf(event.target);
      if (event.key === ' ' && control && (control.kind === 'button' || control.kind === 'link')) event.preventDefault();
    },

    // --- The pointer -----------------------------------------------------------
    mouseDown: function(event) {
      var page = ResonixPage;
      if (page.ended) return;
      if (page.menu && !page.menu.element.contains(event.target)) ResonixMenu.close(true);
      if (page.moving) { ResonixInput.endMove(true); return; }
      var win = page.windowOf(event.target);
      if (!win || win.root.inert) return;
      var control = page.controlOf(event.target);
      if (!control) {
        // The window's background takes no focus from a control.
        if (win.client.contains(event.target)) event.preventDefault();
        return;
      }
      if (event.button !== 0) {
        // Only edits take the focus with another button, for their own menu.
        if (control.kind !== 'input' && control.kind !== 'caption' && control.kind !== 'textarea' && control.kind !== 'results') {
          event.preventDefault();
        }
        return;
      }
      if (control.kind === 'list') {
        var list = control.element;
        var box = list.getBoundingClientRect();
        // The scroll bar scrolls the list, as the browser does it.
        if (event.clientX - box.left >= list.clientLeft + list.clientWidth) return;
        event.preventDefault();
        var index = -1;
        if (event.target.tagName === 'OPTION') {
          index = event.target.index;
        } else if (list.options.length) {
          var row = list.options[0].getBoundingClientRect().height || 1;
          var y = event.clientY - list.options[0].getBoundingClientRect().top;
          index = Math.floor(y / row);
          if (index < 0 || index >= list.options.length) index = -1;
        }
        page.report(page.input.Selected, control.handle, index);
      } else if (control.kind === 'label' || control.kind === 'group' || control.kind === 'picture' || control.kind === 'empty') {
        event.preventDefault();
      }
    },

    focusIn: function(event) {
      var page = ResonixPage;
      if (page.busy || page.ended || page.menu) return;
      var control = page.controlOf(event.target);
      if (control) page.report(page.input.Focused, control.handle, 0);
    },

    typed: function(event) {
      var control = ResonixPage.controlOf(event.target);
      if (!control || (control.kind !== 'input' && control.kind !== 'textarea')) return;
      var text = control.element.value;
      if (control.kind === 'textarea') text = text.replace(/\r?\n/g, '\r\n');
      ResonixPage.report(ResonixPage.input.Typed, control.handle, 0, text);
    },

    clicked: function(event) {
      var page = ResonixPage;
      var control = page.controlOf(event.target);
      if (control && control.kind === 'link') {
        // The link opens what the window system tells it to.
        event.preventDefault();
        page.report(page.input.Clicked, control.handle, 0);
      } else if (control && control.kind === 'button') {
        page.report(page.input.Clicked, control.handle, 0);
      }
    },

    contextMenu: function(event) {
      var page = ResonixPage;
      var win = page.windowOf(event.target);
      if (!win || page.ended) return;
      var control = page.controlOf(event.target);
      // Edits offer the browser's own menu; the background offers the system menu.
      if (control && (control.kind === 'input' || control.kind === 'caption' || control.kind === 'textarea' ||
                      control.kind === 'results' || control.kind === 'link')) return;
      event.preventDefault();
      if (!control || control.kind === 'label' || control.kind === 'group' || control.kind === 'picture') {
        if (!win.root.inert) ResonixMenu.open(win, { x: event.clientX, y: event.clientY });
      }
    },

    // --- Moving a window -----------------------------------------------------------
    place: function(win, x, y) {
      win.x = Math.max(0, Math.min(x, Math.max(0, window.innerWidth - 40)));
      win.y = Math.max(0, Math.min(y, Math.max(0, window.innerHeight - 20)));
      win.root.style.left = win.x + 'px';
      win.root.style.top = win.y + 'px';
    },
    // A window moves with its title bar, as the desktop moves it.
    drag: function(event) {
      var page = ResonixPage;
      var win = page.windowOf(event.target);
      var title = event.target.closest && event.target.closest('.rx-title');
      if (!win || !title || event.target.closest('button') || event.button !== 0 || win.root.inert || page.ended) return;
      var start = { x: event.clientX - win.x, y: event.clientY - win.y };
      title.setPointerCapture(event.pointerId);
      var move = function(e) { ResonixInput.place(win, e.clientX - start.x, e.clientY - start.y); };
      var end = function() {
        title.removeEventListener('pointermove', move);
        title.removeEventListener('pointerup', end);
        title.removeEventListener('pointercancel', end);
      };
      title.addEventListener('pointermove', move);
      title.addEventListener('pointerup', end);
      title.addEventListener('pointercancel', end);
      event.preventDefault();
    },
    moveKey: function(event) {
      var page = ResonixPage;
      var win = page.moving.win;
      var step = event.ctrlKey ? 1 : 8;
      var moves = { ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, -step], ArrowDown: [0, step] };
      event.preventDefault();
      event.stopPropagation();
      if (event.key in moves) ResonixInput.place(win, win.x + moves[event.key][0], win.y + moves[event.key][1]);
      else if (event.key === 'Enter') ResonixInput.endMove(true);
      else if (event.key === 'Escape') ResonixInput.endMove(false);
    },
    endMove: function(keep) {
      var moving = ResonixPage.moving;
      ResonixPage.moving = null;
      moving.win.root.classList.remove('rx-moving');
      if (!keep) ResonixInput.place(moving.win, moving.x, moving.y);
      if (moving.focus) moving.focus.focus();
    },
  },

  pageBeginMove__deps: ['$ResonixPage'],
  pageBeginMove: function(handle) {
    var win = ResonixPage.windows.get(handle);
    if (!win || win.tile) return;
    ResonixPage.moving = { win: win, x: win.x, y: win.y, focus: document.activeElement };
    win.root.classList.add('rx-moving');
  },
});

// The page side of the browser display (display/web/page.h): draws each
// window of the window system with a frame of the page's own and one HTML
// control per control, and reports what the user does, raw, for the program
// to take while it waits for input. The page decides nothing: what a key,
// a click or a text does is the window system's, which then tells the page
// what to show. Everything the program makes happen on the page while it
// runs (focus moving, values set) is never reported back as input.

mergeInto(LibraryManager.library, {
  $ResonixPage__deps: ['$Asyncify'],
  $ResonixPage: {
    // Keys the dialog manager interprets, as windowing/key.h numbers them.
    keys: { Return: 0, Escape: 1, Tab: 2, ShiftTab: 3, Up: 4, Down: 5, Home: 6, End: 7, Space: 8 },
    // What the page reports (PageInputKind).
    input: { Typed: 1, Selected: 2, Clicked: 3, Focused: 4, Key: 5, Closed: 6, SystemCommand: 7, Painted: 8, Restored: 9 },
    // What each control shows as (PageControl) and its styles (PageControlFlag).
    kinds: ['button', 'group', 'label', 'picture', 'input', 'caption', 'textarea', 'results', 'list', 'link', 'empty'],
    flags: { tabStop: 1, border: 2, vscroll: 4, hscroll: 8, centred: 16, right: 32, wraps: 64, wantsReturn: 128, prefix: 256 },
    scMove: 0xF010,

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
    measure: null,
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
      on(document, 'keydown', ResonixPage.keyDown, true);
      on(document, 'keyup', ResonixPage.keyUp, true);
      on(document, 'mousedown', ResonixPage.mouseDown, true);
      on(document, 'pointerdown', ResonixPage.drag, false);
      on(document, 'focusin', ResonixPage.focusIn, false);
      on(document, 'input', ResonixPage.typed, false);
      on(document, 'click', ResonixPage.clicked, false);
      on(document, 'auxclick', function(event) { if (ResonixPage.controlOf(event.target)) event.preventDefault(); }, false);
      on(document, 'contextmenu', ResonixPage.contextMenu, false);
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

    // --- Keys ----------------------------------------------------------------
    keyDown: function(event) {
      var page = ResonixPage;
      if (page.ended) return;
      if (page.moving) { page.moveKey(event); return; }
      if (page.menu) { page.menuKey(event); return; }
      var plain = !event.ctrlKey && !event.altKey && !event.metaKey;
      if (event.altKey && !event.ctrlKey && !event.metaKey && event.code === 'Space') {
        var active = page.activeWindow();
        if (active && !active.root.hidden) {
          event.preventDefault();
          page.openMenu(active, null);
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
        if ((kind === 'textarea' || kind === 'results') && control.flags & page.flags.wantsReturn) return;
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
      if (page.menu && !page.menu.element.contains(event.target)) page.closeMenu(true);
      if (page.moving) { page.endMove(true); return; }
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
        if (!win.root.inert) page.openMenu(win, { x: event.clientX, y: event.clientY });
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
      var move = function(e) { ResonixPage.place(win, e.clientX - start.x, e.clientY - start.y); };
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
      if (event.key in moves) page.place(win, win.x + moves[event.key][0], win.y + moves[event.key][1]);
      else if (event.key === 'Enter') page.endMove(true);
      else if (event.key === 'Escape') page.endMove(false);
    },
    endMove: function(keep) {
      var moving = ResonixPage.moving;
      ResonixPage.moving = null;
      moving.win.root.classList.remove('rx-moving');
      if (!keep) ResonixPage.place(moving.win, moving.x, moving.y);
      if (moving.focus) moving.focus.focus();
    },

    // --- The system menu -----------------------------------------------------------
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
    mnemonicOf: function(text) {
      var at = text.replace(/&&/g, '').indexOf('&');
      return at >= 0 ? text.replace(/&&/g, '')[at + 1].toLowerCase() : null;
    },
    openMenu: function(win, at) {
      var page = ResonixPage;
      if (!win.menuItems.length || win.root.inert || page.busy) return;
      page.closeMenu(false);
      var element = document.createElement('div');
      element.className = 'rx-menu';
      element.setAttribute('role', 'menu');
      element.setAttribute('aria-label', win.caption.textContent);
      var entries = [];
      win.menuItems.forEach(function(item) {
        if (!item.command) {
          var line = document.createElement('div');
          line.className = 'rx-separator';
          line.setAttribute('role', 'separator');
          element.append(line);
          return;
        }
        var entry = document.createElement('div');
        entry.setAttribute('role', 'menuitem');
        entry.tabIndex = -1;
        var parts = item.text.split('\t');
        var name = document.createElement('span');
        page.showMnemonic(name, parts[0]);
        entry.append(name);
        if (parts.length > 1) {
          var shortcut = document.createElement('span');
          shortcut.className = 'rx-shortcut';
          shortcut.textContent = parts[1];
          shortcut.setAttribute('aria-hidden', 'true');
          entry.append(shortcut);
          entry.setAttribute('aria-keyshortcuts', parts[1].replace(/\s/g, ''));
        }
        if (!item.enabled) entry.setAttribute('aria-disabled', 'true');
        entry.addEventListener('click', function() { if (item.enabled) page.chooseMenu(item); });
        entry.addEventListener('pointermove', function() { entry.focus(); });
        entries.push({ element: entry, item: item, mnemonic: page.mnemonicOf(parts[0]) });
        element.append(entry);
      });
      page.desktop().append(element);
      var box = win.icon.getBoundingClientRect();
      var x = at ? at.x : box.left;
      var y = at ? at.y : box.bottom;
      var size = element.getBoundingClientRect();
      element.style.left = Math.max(0, Math.min(x, window.innerWidth - size.width)) + window.scrollX + 'px';
      element.style.top = Math.max(0, Math.min(y, window.innerHeight - size.height)) + window.scrollY + 'px';
      page.menu = { element: element, entries: entries, win: win, focus: document.activeElement };
      win.icon.setAttribute('aria-expanded', 'true');
      var first = entries.find(function(e) { return e.item.enabled; });
      (first || entries[0]).element.focus();
    },
    closeMenu: function(refocus) {
      var menu = ResonixPage.menu;
      if (!menu) return;
      ResonixPage.menu = null;
      menu.element.remove();
      menu.win.icon.setAttribute('aria-expanded', 'false');
      if (refocus && menu.focus && menu.focus.isConnected) menu.focus.focus();
    },
    chooseMenu: function(item) {
      var page = ResonixPage;
      var win = page.menu.win;
      page.closeMenu(true);
      page.report(page.input.SystemCommand, win.handle, item.command);
    },
    menuKey: function(event) {
      var page = ResonixPage;
      var entries = page.menu.entries;
      var at = entries.findIndex(function(e) { return e.element === document.activeElement; });
      var moveTo = function(step) {
        for (var i = 1; i <= entries.length; ++i) {
          var next = entries[((at < 0 ? (step > 0 ? -1 : 0) : at) + step * i + entries.length * 2) % entries.length];
          if (next.item.enabled) { next.element.focus(); return; }
        }
      };
      event.preventDefault();
      event.stopPropagation();
      if (event.key === 'ArrowDown') moveTo(1);
      else if (event.key === 'ArrowUp') moveTo(-1);
      else if (event.key === 'Home') { at = -1; moveTo(1); }
      else if (event.key === 'End') { at = 0; moveTo(-1); }
      else if (event.key === 'Escape' || event.key === 'Alt' || event.key === 'Tab') page.closeMenu(true);
      else if ((event.key === 'Enter' || event.key === ' ') && at >= 0 && entries[at].item.enabled) page.chooseMenu(entries[at].item);
      else if (event.key.length === 1) {
        var chosen = entries.find(function(e) { return e.mnemonic === event.key.toLowerCase() && e.item.enabled; });
        if (chosen) page.chooseMenu(chosen.item);
      }
    },

    // --- Drawing ---------------------------------------------------------------------
    // A window's small icon in its title bar: the program's (a style of the
    // page's, set once), or one of its own. Icons are pictures in the page's
    // memory (data: addresses).
    showIcon: function(win) {
      var page = ResonixPage;
      var small = win.icons.get(16) || win.icons.values().next().value;
      var own = small && page.programIcons && small !== (page.programIcons.get(16) || page.programIcons.values().next().value);
      win.icon.style.backgroundImage = own ? 'url("' + small + '")' : '';
    },
    programIcons: null,
    // A picture as a 32-bit bitmap file with its transparency, which takes
    // no drawing surface to make.
    pictureOf: function(pixels, width, height) {
      var header = 14 + 108;
      var bytes = new Uint8Array(header + width * height * 4);
      var view = new DataView(bytes.buffer);
      view.setUint16(0, 0x4D42, true);                    // "BM"
      view.setUint32(2, bytes.length, true);
      view.setUint32(10, header, true);
      view.setUint32(14, 108, true);                      // BITMAPV4HEADER
      view.setInt32(18, width, true);
      view.setInt32(22, -height, true);                   // rows top down
      view.setUint16(26, 1, true);
      view.setUint16(28, 32, true);
      view.setUint32(30, 3, true);                        // BI_BITFIELDS
      view.setUint32(34, width * height * 4, true);
      view.setUint32(54, 0x00FF0000, true);               // red, green, blue, alpha masks
      view.setUint32(58, 0x0000FF00, true);
      view.setUint32(62, 0x000000FF, true);
      view.setUint32(66, 0xFF000000, true);
      view.setUint32(70, 0x73524742, true);               // sRGB
      for (var i = 0; i < width * height; ++i) view.setUint32(header + i * 4, HEAPU32[(pixels >> 2) + i], true);
      var text = '';
      for (var at = 0; at < bytes.length; at += 0x8000) text += String.fromCharCode.apply(null, bytes.subarray(at, at + 0x8000));
      return 'data:image/bmp;base64,' + btoa(text);
    },
    paint: function(canvas, pixels, width, height) {
      canvas.width = width;
      canvas.height = height;
      var image = new ImageData(width, height);
      var data = image.data;
      for (var i = 0; i < width * height; ++i) {
        var argb = HEAPU32[(pixels >> 2) + i];
        data[i * 4] = (argb >>> 16) & 255;
        data[i * 4 + 1] = (argb >>> 8) & 255;
        data[i * 4 + 2] = argb & 255;
        data[i * 4 + 3] = argb >>> 24;
      }
      canvas.getContext('2d').putImageData(image, 0, 0);
    },

    // The dialog font: the templates' face (System) is the browser's
    // interface face here, at the templates' size.
    font: function() {
      var page = ResonixPage;
      if (!page.measure) {
        // Both read from the page's styles at once.
        var style = getComputedStyle(page.desktop());
        page.measure = {
          context: document.createElement('canvas').getContext('2d'),
          pixels: parseFloat(style.fontSize),
          family: style.fontFamily,
          mono: getComputedStyle(document.getElementById('mono')).fontFamily,
        };
      }
      return page.measure;
    },
    // The HTML control of a kind of control, with its styles.
    makeControl: function(kind, flags, height) {
      var page = ResonixPage;
      var element;
      switch (kind) {
      case 'button':
        element = document.createElement('button');
        element.type = 'button';
        break;
      case 'group':
        element = document.createElement('fieldset');
        element.append(document.createElement('legend'));
        break;
      case 'picture':
        element = document.createElement('canvas');
        element.setAttribute('role', 'img');
        break;
      case 'input':
      case 'caption':
        element = document.createElement('input');
        element.type = 'text';
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.readOnly = kind === 'caption';
        break;
      case 'textarea':
      case 'results':
        element = document.createElement('textarea');
        element.spellcheck = false;
        element.readOnly = kind === 'results';
        element.wrap = flags & page.flags.wraps ? 'soft' : 'off';
        break;
      case 'list':
        element = document.createElement('select');
        element.size = Math.max(2, Math.floor(height / 16));
        break;
      case 'link':
        element = document.createElement('a');
        break;
      default:
        element = document.createElement('div');
      }
      var styles = { border: 'rx-border', vscroll: 'rx-vscroll', hscroll: 'rx-hscroll', centred: 'rx-centred', right: 'rx-right',
                     wraps: 'rx-wraps' };
      element.className = Object.keys(styles).reduce(function(names, style) {
        return flags & page.flags[style] ? names + ' ' + styles[style] : names;
      }, 'rx-control rx-' + kind);
      // Only tab stops take the focus; the window system moves it.
      if (!(flags & page.flags.tabStop)) element.tabIndex = -1;
      else if (kind === 'link') element.tabIndex = 0;
      return element;
    },
    prototypes: null,

    // Every opening of a window measures the same few texts again.
    widths: null,
    widthOf: function(text, pixels, family, weight, italic) {
      var page = ResonixPage;
      if (!page.widths) page.widths = new Map();
      var font = (italic ? 'italic ' : '') + (weight || 400) + ' ' + pixels + 'px ' + family;
      var key = font + '\n' + text;
      var width = page.widths.get(key);
      if (width === undefined) {
        var context = page.font().context;
        if (context.font !== font) context.font = font;
        width = context.measureText(text).width;
        // The program's texts are few; a bound all the same.
        if (page.widths.size > 1000) page.widths.clear();
        page.widths.set(key, width);
      }
      return width;
    },
  },

  // --- Measuring ------------------------------------------------------------------------
  resonix_page_dialog_font_width__deps: ['$ResonixPage'],
  resonix_page_dialog_font_width: function() {
    var font = ResonixPage.font();
    var letters = 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ';
    return Math.round(ResonixPage.widthOf(letters, font.pixels, font.family) / letters.length);
  },
  resonix_page_dialog_font_height__deps: ['$ResonixPage'],
  resonix_page_dialog_font_height: function() {
    var font = ResonixPage.font();
    font.context.font = font.pixels + 'px ' + font.family;
    var metrics = font.context.measureText('Mg');
    return Math.round(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
  },
  resonix_page_width__deps: ['$ResonixPage'],
  resonix_page_width: function() { return window.innerWidth; },
  resonix_page_height__deps: ['$ResonixPage'],
  resonix_page_height: function() { return window.innerHeight; },
  resonix_page_text_width__deps: ['$ResonixPage'],
  resonix_page_text_width: function(handle, text, pixels) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return 0;
    var font = ResonixPage.font();
    return ResonixPage.widthOf(UTF8ToString(text), pixels, control.mono ? font.mono : font.family, control.weight, control.italic);
  },
  resonix_page_font_pixels__deps: ['$ResonixPage'],
  resonix_page_font_pixels: function(handle) {
    var control = ResonixPage.controls.get(handle);
    return control ? control.pixels : 0;
  },
  resonix_page_text_room__deps: ['$ResonixPage'],
  resonix_page_text_room: function(handle) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return 0;
    // What the page's styles leave of the control's width (index.html):
    // frames of 1 pixel, and 2 pixels of padding each side in edits.
    var frame = control.flags & ResonixPage.flags.border ? 2 : 0;
    var padding = { caption: 4, input: 4, textarea: 4, results: 4 }[control.kind] || 0;
    return control.width - frame - padding;
  },

  // --- Windows --------------------------------------------------------------------------
  resonix_page_open_window__deps: ['$ResonixPage'],
  resonix_page_open_window: function(handle, owner, x, y, width, height, flags) {
    var page = ResonixPage;
    page.install();
    var root = document.createElement('section');
    root.className = 'rx-window';
    root.dataset.handle = handle;
    root.setAttribute('role', 'dialog');
    root.setAttribute('aria-labelledby', 'rx-caption-' + handle);
    root.hidden = true;
    var title = document.createElement('div');
    title.className = 'rx-title';
    var icon = document.createElement('button');
    icon.className = 'rx-icon';
    icon.type = 'button';
    icon.tabIndex = -1;
    icon.setAttribute('aria-label', 'System menu');
    icon.setAttribute('aria-haspopup', 'menu');
    icon.setAttribute('aria-expanded', 'false');
    icon.hidden = !(flags & 1);
    var caption = document.createElement('span');
    caption.className = 'rx-caption';
    caption.id = 'rx-caption-' + handle;
    var close = document.createElement('button');
    close.className = 'rx-close';
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Close');
    close.hidden = !(flags & 1);
    title.append(icon, caption, close);
    var client = document.createElement('div');
    client.className = 'rx-client';
    client.tabIndex = -1;
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    root.append(title, client);
    var win = { handle: handle, owner: owner, root: root, title: title, icon: icon, caption: caption, client: client,
                menuItems: [], icons: new Map(), tile: null, painted: null, x: 0, y: 0 };
    icon.addEventListener('click', function() { page.openMenu(win, null); });
    close.addEventListener('click', function() { page.report(page.input.Closed, handle, 0); });
    page.windows.set(handle, win);
    // Put on the page only as it shows, with its controls made and in their
    // state: building it there would have the browser follow every change.
    page.place(win, x, y);
  },
  resonix_page_close_window__deps: ['$ResonixPage'],
  resonix_page_close_window: function(handle) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    if (!win) return;
    if (page.menu && page.menu.win === win) page.closeMenu(false);
    if (page.moving && page.moving.win === win) page.moving = null;
    page.controls.forEach(function(control, key) { if (control.window === handle) page.controls.delete(key); });
    if (win.tile) win.tile.remove();
    win.root.remove();
    page.windows.delete(handle);
  },
  resonix_page_add_control__deps: ['$ResonixPage'],
  resonix_page_add_control: function(windowHandle, handle, id, kindNumber, x, y, width, height, flags) {
    var page = ResonixPage;
    var win = page.windows.get(windowHandle);
    if (!win) return;
    var kind = page.kinds[kindNumber] || 'empty';
    var control = { handle: handle, window: windowHandle, kind: kind, flags: flags, width: width, height: height,
                    pixels: page.font().pixels, mono: kind === 'textarea' || kind === 'results', weight: 400, italic: false,
                    scroll: 0, selected: -1 };
    // Each kind of control is made once and copied: a window's controls
    // come new at every opening.
    var key = kind + flags + (kind === 'list' ? ' ' + height : '');
    if (!page.prototypes) page.prototypes = new Map();
    var prototype = page.prototypes.get(key);
    if (!prototype) {
      prototype = page.makeControl(kind, flags, height);
      page.prototypes.set(key, prototype);
    }
    var element = prototype.cloneNode(true);
    element.setAttribute('data-control', handle);
    element.setAttribute('data-id', id);
    element.style.cssText = 'left:' + x + 'px;top:' + y + 'px;width:' + width + 'px;height:' + height + 'px';
    control.element = element;
    page.controls.set(handle, control);
    win.client.append(element);
  },
  resonix_page_set_text__deps: ['$ResonixPage'],
  resonix_page_set_text: function(handle, text) {
    var page = ResonixPage;
    text = UTF8ToString(text);
    var win = page.windows.get(handle);
    if (win) {
      win.caption.textContent = text;
      if (win.tile) win.tile.querySelector('span').textContent = text;
      if (!page.windows.size || win.owner === 0) document.title = text;
      return;
    }
    var control = page.controls.get(handle);
    if (!control) return;
    var element = control.element;
    switch (control.kind) {
    case 'input':
    case 'caption':
      page.texts.set(element, text);
      break;
    case 'textarea':
    case 'results':
      page.texts.set(element, text.replace(/\r\n/g, '\n'));
      break;
    case 'group':
      page.showMnemonic(element.firstChild, text);
      break;
    case 'button':
    case 'label':
      if (control.flags & page.flags.prefix) page.showMnemonic(element, text);
      else element.textContent = text;
      break;
    case 'link':
      element.textContent = text;
      break;
    }
  },
  resonix_page_set_visible__deps: ['$ResonixPage'],
  resonix_page_set_visible: function(handle, visible) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    if (win) {
      var showing = visible && win.root.hidden && !win.tile;
      win.root.hidden = !visible || !!win.tile;
      if (visible && !win.root.isConnected) page.desktop().append(win.root);
      if (showing) page.shown(win);
      return;
    }
    var control = page.controls.get(handle);
    if (!control) return;
    control.element.hidden = !visible;
    if (visible && control.scroll) page.scrolls.add(control);
  },
  resonix_page_set_enabled__deps: ['$ResonixPage'],
  resonix_page_set_enabled: function(handle, enabled) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    if (win) {
      win.root.inert = !enabled;
      if (win.tile) win.tile.inert = !enabled;
      return;
    }
    var control = page.controls.get(handle);
    if (!control) return;
    if ('disabled' in control.element) control.element.disabled = !enabled;
    else control.element.setAttribute('aria-disabled', enabled ? 'false' : 'true');
  },
  resonix_page_activate__deps: ['$ResonixPage'],
  resonix_page_activate: function(handle) {
    if (ResonixPage.active === handle) return;
    ResonixPage.active = handle;
    ResonixPage.windows.forEach(function(win) {
      var active = win.handle === handle;
      win.root.classList.toggle('rx-active', active);
      win.root.setAttribute('aria-modal', active ? 'true' : 'false');
    });
    var win = ResonixPage.windows.get(handle);
    // Above the others.
    if (win && Number(win.root.style.zIndex) !== ResonixPage.layers) win.root.style.zIndex = ++ResonixPage.layers;
  },
  resonix_page_set_minimized__deps: ['$ResonixPage'],
  resonix_page_set_minimized: function(handle, minimized) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    if (!win || !!win.tile === !!minimized) return;
    if (minimized) {
      // A minimised window is an icon on the desktop, in which it paints.
      var tile = document.createElement('button');
      tile.type = 'button';
      tile.className = 'rx-tile';
      // Blank until the program paints in it.
      var picture = document.createElement('canvas');
      picture.width = 32;
      picture.height = 32;
      var name = document.createElement('span');
      name.textContent = win.caption.textContent;
      tile.append(picture, name);
      tile.addEventListener('click', function() { page.report(page.input.Restored, handle, 0); });
      tile.addEventListener('keydown', function(event) {
        if (event.altKey && event.code === 'Space') { event.preventDefault(); event.stopPropagation(); page.openMenu(win, null); }
      });
      win.tile = tile;
      win.root.hidden = true;
      document.getElementById('icons').append(tile);
      tile.focus();
    } else {
      win.tile.remove();
      win.tile = null;
      win.root.hidden = false;
    }
    page.shown(win);
  },
  resonix_page_set_icon__deps: ['$ResonixPage'],
  resonix_page_set_icon: function(handle, pixels, width, height) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    if (!win) return;
    win.icons.set(width, page.pictureOf(pixels, width, height));
    // The program's icon is also the icon of its other windows.
    if (!page.programIcons || page.programIcons === win.icons) {
      page.programIcons = win.icons;
      var small = win.icons.get(16) || win.icons.values().next().value;
      document.documentElement.style.setProperty('--rx-program-icon', 'url("' + small + '")');
    }
    page.showIcon(win);
  },
  resonix_page_set_picture__deps: ['$ResonixPage'],
  resonix_page_set_picture: function(handle, pixels, width, height) {
    var control = ResonixPage.controls.get(handle);
    if (control) ResonixPage.paint(control.element, pixels, width, height);
  },
  resonix_page_set_painted__deps: ['$ResonixPage'],
  resonix_page_set_painted: function(handle, pixels, width, height) {
    var win = ResonixPage.windows.get(handle);
    if (win && win.tile) ResonixPage.paint(win.tile.querySelector('canvas'), pixels, width, height);
  },

  // --- Controls ---------------------------------------------------------------------------
  resonix_page_add_item__deps: ['$ResonixPage'],
  resonix_page_add_item: function(handle, text) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    var option = document.createElement('option');
    option.textContent = UTF8ToString(text);
    // The lists are narrow: a name cut at its end shows whole under the pointer.
    var font = ResonixPage.font();
    if (ResonixPage.widthOf(option.textContent, control.pixels, font.family) > control.width - 20) option.title = option.textContent;
    control.element.append(option);
  },
  resonix_page_clear_items__deps: ['$ResonixPage'],
  resonix_page_clear_items: function(handle) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    control.element.replaceChildren();
    control.selected = -1;
  },
  resonix_page_set_selection__deps: ['$ResonixPage'],
  resonix_page_set_selection: function(handle, index) {
    var control = ResonixPage.controls.get(handle);
    if (!control || control.selected === index) return;
    control.selected = index;
    control.element.selectedIndex = index;
  },
  resonix_page_set_default__deps: ['$ResonixPage'],
  resonix_page_set_default: function(handle, isDefault) {
    var control = ResonixPage.controls.get(handle);
    if (control) control.element.classList.toggle('rx-default', !!isDefault);
  },
  resonix_page_set_focus__deps: ['$ResonixPage'],
  resonix_page_set_focus: function(handle) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    var target = win ? win.client : page.controls.has(handle) ? page.controls.get(handle).element : null;
    if (target) page.focus = target;
  },
  resonix_page_set_name__deps: ['$ResonixPage'],
  resonix_page_set_name: function(handle, name, description) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    name = UTF8ToString(name);
    description = UTF8ToString(description);
    var element = control.element;
    // Buttons, group boxes and labels are named by what they show.
    if (control.kind === 'button' || control.kind === 'group' || control.kind === 'label') return;
    if (name) element.setAttribute('aria-label', name);
    else element.removeAttribute('aria-label');
    if (description) element.setAttribute('aria-description', description);
    else element.removeAttribute('aria-description');
  },
  resonix_page_set_font_pixels__deps: ['$ResonixPage'],
  resonix_page_set_font_pixels: function(handle, pixels) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    var wanted = pixels === control.pixels ? '' : pixels + 'px';
    if (control.element.style.fontSize !== wanted) control.element.style.fontSize = wanted;
  },
  resonix_page_set_scroll__deps: ['$ResonixPage'],
  resonix_page_set_scroll: function(handle, pixels) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    control.scroll = pixels;
    ResonixPage.scrolls.add(control);
  },
  resonix_page_set_target__deps: ['$ResonixPage'],
  resonix_page_set_target: function(handle, address) {
    var control = ResonixPage.controls.get(handle);
    if (control) control.element.href = UTF8ToString(address);
  },
  resonix_page_set_font__deps: ['$ResonixPage'],
  resonix_page_set_font: function(handle, points, weight, italic, underline, strikeOut) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    if (points > 0) control.pixels = points * 96 / 72;
    control.weight = weight;
    control.italic = !!italic;
    var style = control.element.style;
    style.fontSize = control.pixels + 'px';
    style.fontWeight = weight;
    style.fontStyle = italic ? 'italic' : 'normal';
    style.textDecoration = [underline ? 'underline' : '', strikeOut ? 'line-through' : ''].join(' ').trim() || 'none';
  },

  // --- The system menu ----------------------------------------------------------------------
  resonix_page_clear_menu__deps: ['$ResonixPage'],
  resonix_page_clear_menu: function(handle) {
    var win = ResonixPage.windows.get(handle);
    if (win) win.menuItems = [];
  },
  resonix_page_add_menu_item__deps: ['$ResonixPage'],
  resonix_page_add_menu_item: function(handle, command, text, enabled) {
    var win = ResonixPage.windows.get(handle);
    if (win) win.menuItems.push({ command: command >>> 0, text: UTF8ToString(text), enabled: !!enabled });
  },

  // --- The rest ---------------------------------------------------------------------------
  resonix_page_announce__deps: ['$ResonixPage'],
  resonix_page_announce: function(text) {
    var region = document.getElementById('announcement');
    if (!region) return;
    // A new node each time: the same words again are said again.
    var said = document.createElement('p');
    said.textContent = UTF8ToString(text);
    region.replaceChildren(said);
  },
  resonix_page_open_address: function(address) {
    window.open(UTF8ToString(address), '_blank', 'noopener,noreferrer');
  },
  resonix_page_begin_move__deps: ['$ResonixPage'],
  resonix_page_begin_move: function(handle) {
    var win = ResonixPage.windows.get(handle);
    if (!win || win.tile) return;
    ResonixPage.moving = { win: win, x: win.x, y: win.y, focus: document.activeElement };
    win.root.classList.add('rx-moving');
  },
  resonix_page_program_ended__deps: ['$ResonixPage'],
  resonix_page_program_ended: function(code) {
    ResonixPage.flush();
    ResonixPage.ended = true;
    ResonixPage.busy = false;
    ResonixPage.closeMenu(false);
    ResonixPage.uninstall();
    if (Module['programEnded']) Module['programEnded'](code);
  },

  // --- Input ----------------------------------------------------------------------------------
  resonix_page_wait_for_input__deps: ['$ResonixPage', '$Asyncify'],
  resonix_page_wait_for_input: function() {
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
  resonix_page_next_input__deps: ['$ResonixPage'],
  resonix_page_next_input: function(handle, value) {
    var page = ResonixPage;
    page.current = page.queue.shift() || null;
    if (!page.current) return 0;
    HEAPU32[handle >> 2] = page.current.handle;
    HEAP32[value >> 2] = page.current.value;
    return page.current.kind;
  },
  resonix_page_input_text_size__deps: ['$ResonixPage'],
  resonix_page_input_text_size: function() {
    return ResonixPage.current ? lengthBytesUTF8(ResonixPage.current.text) + 1 : 1;
  },
  resonix_page_input_text__deps: ['$ResonixPage'],
  resonix_page_input_text: function(buffer, size) {
    stringToUTF8(ResonixPage.current ? ResonixPage.current.text : '', buffer, size);
  },
});

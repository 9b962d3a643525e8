// The controls on the page (see page_library.js): one HTML control each,
// placed in the pixels the window system gives, showing its texts, items,
// selection, names and state; and the measuring of texts that the display
// asks for.

mergeInto(LibraryManager.library, {
  $ResonixControls__deps: ['$ResonixPage'],
  $ResonixControls: {
    // What each control shows as (PageControl) and its styles (page_style).
    kinds: ['button', 'group', 'label', 'picture', 'input', 'caption', 'textarea', 'results', 'list', 'link', 'empty'],
    flags: { tabStop: 1, border: 2, vscroll: 4, hscroll: 8, centred: 16, right: 32, wraps: 64, wantsReturn: 128, prefix: 256 },
    measure: null,
    // The dialog font: the templates' face (System) is the browser's
    // interface face here, at the templates' size.
    font: function() {
      var page = ResonixPage;
      if (!ResonixControls.measure) {
        // Both read from the page's styles at once.
        var style = getComputedStyle(page.desktop());
        ResonixControls.measure = {
          context: document.createElement('canvas').getContext('2d'),
          pixels: parseFloat(style.fontSize),
          family: style.fontFamily,
          mono: getComputedStyle(document.getElementById('mono')).fontFamily,
        };
      }
      return ResonixControls.measure;
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
        element.wrap = flags & ResonixControls.flags.wraps ? 'soft' : 'off';
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
        return flags & ResonixControls.flags[style] ? names + ' ' + styles[style] : names;
      }, 'rx-control rx-' + kind);
      // Only tab stops take the focus; the window system moves it.
      if (!(flags & ResonixControls.flags.tabStop)) element.tabIndex = -1;
      else if (kind === 'link') element.tabIndex = 0;
      return element;
    },
    prototypes: null,

    // Every opening of a window measures the same few texts again.
    widths: null,
    widthOf: function(text, pixels, family, weight, italic) {
      var page = ResonixPage;
      if (!ResonixControls.widths) ResonixControls.widths = new Map();
      var font = (italic ? 'italic ' : '') + (weight || 400) + ' ' + pixels + 'px ' + family;
      var key = font + '\n' + text;
      var width = ResonixControls.widths.get(key);
      if (width === undefined) {
        var context = ResonixControls.font().context;
        if (context.font !== font) context.font = font;
        width = context.measureText(text).width;
        // The program's texts are few; a bound all the same.
        if (ResonixControls.widths.size > 1000) ResonixControls.widths.clear();
        ResonixControls.widths.set(key, width);
      }
      return width;
    },
  },

  // --- Measuring ------------------------------------------------------------------------
  pageDialogFontWidth__deps: ['$ResonixPage'],
  pageDialogFontWidth: function() {
    var font = ResonixControls.font();
    var letters = 'abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ';
    return Math.round(ResonixControls.widthOf(letters, font.pixels, font.family) / letters.length);
  },
  pageDialogFontHeight__deps: ['$ResonixPage'],
  pageDialogFontHeight: function() {
    var font = ResonixControls.font();
    font.context.font = font.pixels + 'px ' + font.family;
    var metrics = font.context.measureText('Mg');
    return Math.round(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
  },
  pageWidth__deps: ['$ResonixPage'],
  pageWidth: function() { return window.innerWidth; },
  pageHeight__deps: ['$ResonixPage'],
  pageHeight: function() { return window.innerHeight; },
  pageTextWidth__deps: ['$ResonixPage'],
  pageTextWidth: function(handle, text, pixels) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return 0;
    var font = ResonixControls.font();
    return ResonixControls.widthOf(UTF8ToString(text), pixels, control.mono ? font.mono : font.family, control.weight, control.italic);
  },
  pageFontPixels__deps: ['$ResonixPage'],
  pageFontPixels: function(handle) {
    var control = ResonixPage.controls.get(handle);
    return control ? control.pixels : 0;
  },
  pageTextRoom__deps: ['$ResonixPage'],
  pageTextRoom: function(handle) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return 0;
    // What the page's styles leave of the control's width (index.html):
    // frames of 1 pixel, and 2 pixels of padding each side in edits.
    var frame = control.flags & ResonixControls.flags.border ? 2 : 0;
    var padding = { caption: 4, input: 4, textarea: 4, results: 4 }[control.kind] || 0;
    return control.width - frame - padding;
  },

  pageAddControl__deps: ['$ResonixPage'],
  pageAddControl: function(windowHandle, handle, id, kindNumber, x, y, width, height, flags) {
    var page = ResonixPage;
    var win = page.windows.get(windowHandle);
    if (!win) return;
    var kind = ResonixControls.kinds[kindNumber] || 'empty';
    var control = { handle: handle, window: windowHandle, kind: kind, flags: flags, width: width, height: height,
                    pixels: ResonixControls.font().pixels, mono: kind === 'textarea' || kind === 'results', weight: 400, italic: false,
                    scroll: 0, selected: -1 };
    // Each kind of control is made once and copied: a window's controls
    // come new at every opening.
    var key = kind + flags + (kind === 'list' ? ' ' + height : '');
    if (!ResonixControls.prototypes) ResonixControls.prototypes = new Map();
    var prototype = ResonixControls.prototypes.get(key);
    if (!prototype) {
      prototype = ResonixControls.makeControl(kind, flags, height);
      ResonixControls.prototypes.set(key, prototype);
    }
    var element = prototype.cloneNode(true);
    element.setAttribute('data-control', handle);
    element.setAttribute('data-id', id);
    element.style.cssText = 'left:' + x + 'px;top:' + y + 'px;width:' + width + 'px;height:' + height + 'px';
    control.element = element;
    page.controls.set(handle, control);
    win.client.append(element);
  },
  pageSetText__deps: ['$ResonixPage'],
  pageSetText: function(handle, text) {
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
      if (control.flags & ResonixControls.flags.prefix) page.showMnemonic(element, text);
      else element.textContent = text;
      break;
    case 'link':
      element.textContent = text;
      break;
    }
  },
  pageSetVisible__deps: ['$ResonixPage'],
  pageSetVisible: function(handle, visible) {
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
  pageSetEnabled__deps: ['$ResonixPage'],
  pageSetEnabled: function(handle, enabled) {
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
  pageSetPicture__deps: ['$ResonixPage'],
  pageSetPicture: function(handle, pixels, width, height) {
    var control = ResonixPage.controls.get(handle);
    if (control) ResonixWindows.paint(control.element, pixels, width, height);
  },
  // --- Controls ---------------------------------------------------------------------------
  pageAddItem__deps: ['$ResonixPage'],
  pageAddItem: function(handle, text) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    var option = document.createElement('option');
    option.textContent = UTF8ToString(text);
    // The lists are narrow: a name cut at its end shows whole under the pointer.
    var font = ResonixControls.font();
    if (ResonixControls.widthOf(option.textContent, control.pixels, font.family) > control.width - 20) option.title = option.textContent;
    control.element.append(option);
  },
  pageClearItems__deps: ['$ResonixPage'],
  pageClearItems: function(handle) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    control.element.replaceChildren();
    control.selected = -1;
  },
  pageSetSelection__deps: ['$ResonixPage'],
  pageSetSelection: function(handle, index) {
    var control = ResonixPage.controls.get(handle);
    if (!control || control.selected === index) return;
    control.selected = index;
    control.element.selectedIndex = index;
  },
  pageSetDefault__deps: ['$ResonixPage'],
  pageSetDefault: function(handle, isDefault) {
    var control = ResonixPage.controls.get(handle);
    if (control) control.element.classList.toggle('rx-default', !!isDefault);
  },
  pageSetFocus__deps: ['$ResonixPage'],
  pageSetFocus: function(handle) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    var target = win ? win.client : page.controls.has(handle) ? page.controls.get(handle).element : null;
    if (target) page.focus = target;
  },
  pageSetName__deps: ['$ResonixPage'],
  pageSetName: function(handle, name, description) {
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
  pageSetFontPixels__deps: ['$ResonixPage'],
  pageSetFontPixels: function(handle, pixels) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    var wanted = pixels === control.pixels ? '' : pixels + 'px';
    if (control.element.style.fontSize !== wanted) control.element.style.fontSize = wanted;
  },
  pageSetScroll__deps: ['$ResonixPage'],
  pageSetScroll: function(handle, pixels) {
    var control = ResonixPage.controls.get(handle);
    if (!control) return;
    control.scroll = pixels;
    ResonixPage.scrolls.add(control);
  },
  pageSetTarget__deps: ['$ResonixPage'],
  pageSetTarget: function(handle, address) {
    var control = ResonixPage.controls.get(handle);
    if (control) control.element.href = UTF8ToString(address);
  },
  pageSetFont__deps: ['$ResonixPage'],
  pageSetFont: function(handle, points, weight, italic, underline, strikeOut) {
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
});

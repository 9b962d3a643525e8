// The windows on the page (see page_library.js): each with a frame of the
// page's own (icon, caption, close box), placed and stacked, shown as an
// icon while minimised.

mergeInto(LibraryManager.library, {
  $ResonixWindows__deps: ['$ResonixPage'],
  $ResonixWindows: {
    // A window's small icon in its title bar: the program's (a style of the
    // page's, set once), or one of its own. Icons are pictures in the page's
    // memory (data: addresses).
    showIcon: function(win) {
      var page = ResonixPage;
      var small = win.icons.get(16) || win.icons.values().next().value;
      var own = small && ResonixWindows.programIcons && small !== (ResonixWindows.programIcons.get(16) || ResonixWindows.programIcons.values().next().value);
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
  },

  // --- Windows --------------------------------------------------------------------------
  pageOpenWindow__deps: ['$ResonixPage'],
  pageOpenWindow: function(handle, owner, x, y, width, height, flags) {
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
    icon.addEventListener('click', function() { ResonixMenu.open(win, null); });
    close.addEventListener('click', function() { page.report(page.input.Closed, handle, 0); });
    page.windows.set(handle, win);
    // Put on the page only as it shows, with its controls made and in their
    // state: building it there would have the browser follow every change.
    ResonixInput.place(win, x, y);
  },
  pageCloseWindow__deps: ['$ResonixPage'],
  pageCloseWindow: function(handle) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    if (!win) return;
    if (page.menu && page.menu.win === win) ResonixMenu.close(false);
    if (page.moving && page.moving.win === win) page.moving = null;
    page.controls.forEach(function(control, key) { if (control.window === handle) page.controls.delete(key); });
    if (win.tile) win.tile.remove();
    win.root.remove();
    page.windows.delete(handle);
  },
  pageActivate__deps: ['$ResonixPage'],
  pageActivate: function(handle) {
    if (ResonixPage.active === handle) return;
    ResonixPage.active = handle;
    // Not aria-modal: the windows under a modal one are inert already, and a
    // modal dialog would hide the results' announcements from screen readers.
    ResonixPage.windows.forEach(function(win) { win.root.classList.toggle('rx-active', win.handle === handle); });
    var win = ResonixPage.windows.get(handle);
    // Above the others.
    if (win && Number(win.root.style.zIndex) !== ResonixPage.layers) win.root.style.zIndex = ++ResonixPage.layers;
  },
  pageSetMinimized__deps: ['$ResonixPage'],
  pageSetMinimized: function(handle, minimized) {
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
        if (event.altKey && event.code === 'Space') { event.preventDefault(); event.stopPropagation(); ResonixMenu.open(win, null); }
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
  pageSetIcon__deps: ['$ResonixPage'],
  pageSetIcon: function(handle, pixels, width, height) {
    var page = ResonixPage;
    var win = page.windows.get(handle);
    if (!win) return;
    win.icons.set(width, ResonixWindows.pictureOf(pixels, width, height));
    // The program's icon is also the icon of its other windows.
    if (!ResonixWindows.programIcons || ResonixWindows.programIcons === win.icons) {
      ResonixWindows.programIcons = win.icons;
      var small = win.icons.get(16) || win.icons.values().next().value;
      document.documentElement.style.setProperty('--rx-program-icon', 'url("' + small + '")');
    }
    ResonixWindows.showIcon(win);
  },
  pageSetPainted__deps: ['$ResonixPage'],
  pageSetPainted: function(handle, pixels, width, height) {
    var win = ResonixPage.windows.get(handle);
    if (win && win.tile) ResonixWindows.paint(win.tile.querySelector('canvas'), pixels, width, height);
  },
});

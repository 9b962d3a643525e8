// A window's system menu on the page (see page_library.js): opened on its
// icon, on Alt+Space or on the window's background, chosen by pointer,
// arrows or mnemonic; the choice goes to the window system.

mergeInto(LibraryManager.library, {
  $ResonixMenu__deps: ['$ResonixPage'],
  $ResonixMenu: {
    mnemonicOf: function(text) {
      var at = text.replace(/&&/g, '').indexOf('&');
      return at >= 0 ? text.replace(/&&/g, '')[at + 1].toLowerCase() : null;
    },
    open: function(win, at) {
      var page = ResonixPage;
      if (!win.menuItems.length || win.root.inert || page.busy) return;
      ResonixMenu.close(false);
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
        entry.addEventListener('click', function() { if (item.enabled) ResonixMenu.choose(item); });
        entry.addEventListener('pointermove', function() { entry.focus(); });
        entries.push({ element: entry, item: item, mnemonic: ResonixMenu.mnemonicOf(parts[0]) });
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
    close: function(refocus) {
      var menu = ResonixPage.menu;
      if (!menu) return;
      ResonixPage.menu = null;
      menu.element.remove();
      menu.win.icon.setAttribute('aria-expanded', 'false');
      if (refocus && menu.focus && menu.focus.isConnected) menu.focus.focus();
    },
    choose: function(item) {
      var page = ResonixPage;
      var win = page.menu.win;
      ResonixMenu.close(true);
      page.report(page.input.SystemCommand, win.handle, item.command);
    },
    key: function(event) {
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
      else if (event.key === 'Escape' || event.key === 'Alt' || event.key === 'Tab') ResonixMenu.close(true);
      else if ((event.key === 'Enter' || event.key === ' ') && at >= 0 && entries[at].item.enabled) ResonixMenu.choose(entries[at].item);
      else if (event.key.length === 1) {
        var chosen = entries.find(function(e) { return e.mnemonic === event.key.toLowerCase() && e.item.enabled; });
        if (chosen) ResonixMenu.choose(chosen.item);
      }
    },
  },

  // --- The system menu ----------------------------------------------------------------------
  pageClearMenu__deps: ['$ResonixPage'],
  pageClearMenu: function(handle) {
    var win = ResonixPage.windows.get(handle);
    if (win) win.menuItems = [];
  },
  pageAddMenuItem__deps: ['$ResonixPage'],
  pageAddMenuItem: function(handle, command, text, enabled) {
    var win = ResonixPage.windows.get(handle);
    if (win) win.menuItems.push({ command: command >>> 0, text: UTF8ToString(text), enabled: !!enabled });
  },
});

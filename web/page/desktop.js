'use strict';
// The page as a desktop of its own: one HTML window per shown form (caption, close box,
// menu bar, a canvas with the form's pixels), the keyboard and mouse passed to the
// program one event at a time, the program's clock on animation frames.
(function () {
  const query = new URLSearchParams(location.search);
  for (const [k, v] of new URLSearchParams(location.hash.replace(/^#/, ''))) query.set(k, v);
  const manualClock = query.get('clock') === 'manual';
  const screenEl = document.getElementById('mg-screen');
  const stageEl = document.getElementById('mg-stage');
  // The page's landmark: the screen, the pop-ups and the hint lie in it.
  const pageEl = document.getElementById('mg-page');
  const messageEl = document.getElementById('mg-message');
  const liveEl = document.getElementById('mg-live');
  const windows = new Map(); // page window id -> window record
  let activeId = -1;
  let ended = false;
  let started = false;

  // ---- One event at a time: input that arrives while the program runs waits its turn.
  let busy = false;
  const queue = [];
  function deliver(fn) {
    if (ended) return;
    if (busy) {
      queue.push(fn);
      return;
    }
    busy = true;
    try {
      fn();
    } finally {
      busy = false;
    }
    if (queue.length) deliver(queue.shift());
  }

  // ---- The screen: ?screen=WxH, else chosen for the viewport and the display's density
  // (screen.js); it shows at view.scale CSS pixels per program pixel.
  const view = { width: 0, height: 0, scale: 1, dpr: 1 };
  const coarse = window.matchMedia('(pointer: coarse)');

  function viewport() {
    const root = document.documentElement;
    return [root.clientWidth || window.innerWidth, root.clientHeight || window.innerHeight];
  }

  function chooseScreen() {
    const m = /^(\d{1,5})x(\d{1,5})$/.exec(query.get('screen') || '');
    const [vw, vh] = viewport();
    view.dpr = window.devicePixelRatio || 1;
    const s = mgScreen.choose(vw, vh, view.dpr, m ? [+m[1], +m[2]] : null);
    view.width = s.width;
    view.height = s.height;
    screenEl.style.width = s.width + 'px';
    screenEl.style.height = s.height + 'px';
    showScale(s.scale);
  }

  function showScale(scale) {
    view.scale = scale;
    screenEl.style.transform = scale === 1 ? '' : `scale(${scale})`;
    stageEl.style.width = view.width * scale + 'px';
    stageEl.style.height = view.height * scale + 'px';
    document.documentElement.style.setProperty('--mg-k', String(scale));
    // A program pixel on a whole number of display pixels stays crisp; any other scale is
    // smoothed, so that no line of text drops out.
    const d = scale * view.dpr;
    screenEl.classList.toggle('mg-smooth', d < 1 || Math.abs(d - Math.round(d)) > 1e-6);
  }

  // A turned phone or a resized window: the same screen, as large as the viewport lets it
  // be (on a fine pointer at most one display pixel per program pixel). The browser's zoom
  // (the display pixels per CSS pixel change) leaves the screen's CSS size as it is, so
  // that the screen grows with the zoom.
  window.addEventListener('resize', () => {
    if (!started || ended) return;
    const dpr = window.devicePixelRatio || 1;
    if (dpr !== view.dpr) {
      view.dpr = dpr;
      showScale(view.scale);
      return;
    }
    const [vw, vh] = viewport();
    const fitted = Math.min(vw / view.width, vh / view.height);
    showScale(coarse.matches ? fitted : Math.min(fitted, 1 / dpr));
    closePopups();
  });

  // "&Datei" -> D underlined; "&&" is a plain "&".
  function captionNodes(caption) {
    const frag = document.createDocumentFragment();
    let text = '';
    let letter = '';
    for (let i = 0; i < caption.length; ++i) {
      const c = caption[i];
      if (c === '&' && i + 1 < caption.length) {
        const n = caption[++i];
        if (n === '&') {
          text += '&';
          continue;
        }
        if (!letter) {
          frag.append(text);
          text = '';
          const u = document.createElement('u');
          u.textContent = n;
          frag.append(u);
          letter = n.toLowerCase();
          continue;
        }
        text += n;
        continue;
      }
      text += c;
    }
    frag.append(text);
    return { frag, letter };
  }
  function plainCaption(caption) {
    return caption.replace(/&(&?)/g, '$1');
  }

  // ---- Windows

  function makeWindow(id) {
    const el = document.createElement('section');
    el.className = 'mg-window';
    el.setAttribute('role', 'dialog');
    el.hidden = true;
    const caption = document.createElement('div');
    caption.className = 'mg-caption';
    const title = document.createElement('span');
    title.className = 'mg-title';
    title.id = 'mg-title-' + id;
    el.setAttribute('aria-labelledby', title.id);
    // The window takes the focus when it opens (a screen reader reads its name).
    el.tabIndex = -1;
    const close = document.createElement('button');
    close.className = 'mg-close';
    close.type = 'button';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Schließen');
    close.textContent = '\u00d7';
    caption.append(title, close);
    const menubar = document.createElement('div');
    menubar.className = 'mg-menubar';
    menubar.setAttribute('role', 'menubar');
    const canvas = document.createElement('canvas');
    canvas.className = 'mg-client';
    // The picture is for the eyes; a screen reader reads the window's text alternative
    // beside it: its description, then a text page's lines in reading order.
    canvas.setAttribute('aria-hidden', 'true');
    const text = document.createElement('div');
    text.className = 'mg-text';
    text.setAttribute('role', 'document');
    text.setAttribute('aria-labelledby', title.id);
    const description = document.createElement('p');
    description.id = 'mg-description-' + id;
    const lines = document.createElement('div');
    text.append(description, lines);
    el.setAttribute('aria-describedby', description.id);
    // The controls' invisible twins lie over the canvas.
    const layer = document.createElement('div');
    layer.className = 'mg-controls';
    const body = document.createElement('div');
    body.className = 'mg-body';
    body.append(text, canvas, layer);
    el.append(caption, menubar, body);
    screenEl.append(el);
    const w = { id, el, title, close, menubar, canvas, description, lines, layer, ctx: canvas.getContext('2d'), state: null, menuKey: '', textKey: null,
                mirror: null, focusKey: null, pointer: null, mouse: null };
    el.mgWin = w;

    el.addEventListener('mousedown', (e) => {
      if (e.button !== 0) return;
      if (id !== activeId || w.state.modalDisabled) deliver(() => Module._mg_activate(id));
      if (w.state && !w.state.enabled) {
        // A window below a modal one takes no input: the modal window shows itself.
        e.preventDefault();
        flash(activeId);
      }
    });
    // A press on the caption keeps the keyboard focus where it is (on the program's control).
    caption.addEventListener('mousedown', (e) => e.preventDefault());
    close.addEventListener('click', (e) => {
      e.stopPropagation();
      closePopups();
      deliver(() => Module._mg_close(id));
    });
    pointerInput(w);
    return w;
  }

  // ---- Mouse, pen and touch on a window's picture, and the wheel over a window

  const buttons = (e) => (e.button >= 0 && e.button <= 2 ? e.button : -1);

  // A press on a window's picture. The pointer that pressed holds the canvas until it
  // lets go, also outside it.
  function press(w, e) {
    if (!e.isPrimary || w.pointer !== null || buttons(e) < 0) return;
    const p = clientPoint(w, e);
    closePopups();
    // A menu lets the keyboard go; the program's focused control keeps it.
    const focused = document.activeElement;
    if (focused && focused.blur && !(w.mirror && w.mirror.owns(focused))) focused.blur();
    w.canvas.setPointerCapture(e.pointerId);
    w.pointer = e.pointerId;
    w.mouse = p;
    deliver(() => Module._mg_mouse(w.id, 0, p[0], p[1], e.button, mgInput.shiftState(e)));
    syncFocus();
  }

  function pointerInput(w) {
    const { id, el, canvas } = w;
    canvas.addEventListener('pointerdown', (e) => press(w, e));
    canvas.addEventListener('pointermove', (e) => {
      if (!e.isPrimary || (w.pointer !== null && e.pointerId !== w.pointer)) return;
      const p = clientPoint(w, e);
      if (w.mouse && p[0] === w.mouse[0] && p[1] === w.mouse[1]) return;
      w.mouse = p;
      // Also without a button: what lies under the mouse may follow it.
      deliver(() => Module._mg_mouse(id, 1, p[0], p[1], 0, mgInput.shiftState(e)));
      updateCursor(w);
    });
    const release = (e) => {
      if (e.pointerId !== w.pointer) return;
      w.pointer = null;
      // A cancelled touch ends where it was last seen.
      const p = e.type === 'pointercancel' && w.mouse ? w.mouse : clientPoint(w, e);
      deliver(() => Module._mg_mouse(id, 2, p[0], p[1], e.button < 0 ? 0 : e.button, mgInput.shiftState(e)));
      syncFocus();
    };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', release);
    canvas.addEventListener('pointerleave', () => {
      if (w.pointer === null) w.mouse = null;
    });
    // The focus stays with the program's control; no text gets selected.
    canvas.addEventListener('mousedown', (e) => e.preventDefault());
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    const notches = mgInput.wheel();
    el.addEventListener('wheel', (e) => {
      e.preventDefault();
      const n = notches(e);
      if (!n || e.target !== canvas) return;
      const p = clientPoint(w, e);
      deliver(() => Module._mg_wheel(id, p[0], p[1], n, mgInput.shiftState(e)));
    }, { passive: false });
  }

  // Covered windows are inert (no focus, nothing for a screen reader, no hit): a press on
  // one lands on the screen (or a window below it) and finds the window by its place. It
  // comes forward, and the press goes on to its picture or menu, as on the desktop.
  function windowAt(x, y) {
    let top = null;
    for (const w of windows.values()) {
      if (w.el.hidden) continue;
      const r = w.el.getBoundingClientRect();
      if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
      if (!top || (+w.el.style.zIndex || 0) > (+top.el.style.zIndex || 0)) top = w;
    }
    return top;
  }
  let rerouted = false;
  screenEl.addEventListener('pointerdown', (e) => {
    rerouted = false;
    const w = windowAt(e.clientX, e.clientY);
    if (!w || !w.el.inert || buttons(e) < 0) return;
    rerouted = true;
    e.stopPropagation();
    e.preventDefault();
    closePopups();
    deliver(() => Module._mg_activate(w.id));
    if (!w.state.enabled) {
      // A window below a modal one takes no input: the modal window shows itself.
      flash(activeId);
      return;
    }
    if (w.el.inert) return;
    const under = document.elementFromPoint(e.clientX, e.clientY);
    if (under === w.canvas) press(w, e);
    const item = under && under.closest && under.closest('.mg-menubar > .mg-item');
    if (item && item.mgWin === w) chooseOrOpen(item);
  }, true);
  // The click that ends a rerouted press belongs to no element of the page.
  screenEl.addEventListener('click', (e) => {
    if (!rerouted) return;
    rerouted = false;
    e.stopPropagation();
  }, true);

  function clientPoint(w, e) {
    const r = w.canvas.getBoundingClientRect();
    const x = Math.floor(((e.clientX - r.left) * w.canvas.width) / r.width);
    const y = Math.floor(((e.clientY - r.top) * w.canvas.height) / r.height);
    return [x, y];
  }

  function updateCursor(w) {
    if (!w.mouse || ended) return;
    const hand = w.state && w.state.enabled && Module._mg_cursor_at(w.id, w.mouse[0], w.mouse[1]);
    w.canvas.style.cursor = hand ? 'pointer' : '';
  }

  function flash(id) {
    const w = windows.get(id);
    if (!w) return;
    w.el.classList.remove('mg-flash');
    void w.el.offsetWidth;
    w.el.classList.add('mg-flash');
  }

  function setState(id, json) {
    let w = windows.get(id);
    if (!w) {
      w = makeWindow(id);
      windows.set(id, w);
    }
    const old = w.state;
    // A message may bring only what changed (the controls): the rest stays as it was.
    const s = Object.assign({}, old, JSON.parse(json));
    w.state = s;
    w.el.dataset.form = s.cls;
    if (w.el.hidden) opened.push(w);
    w.el.hidden = false;
    w.el.style.left = s.left + 'px';
    w.el.style.top = s.top + 'px';
    w.el.style.width = s.width + 'px';
    w.el.style.height = s.height + 'px';
    w.title.textContent = s.caption;
    w.el.classList.toggle('mg-disabled', !s.enabled);
    w.el.setAttribute('aria-disabled', s.enabled ? 'false' : 'true');
    if (!old || old.clientWidth !== s.clientWidth || old.clientHeight !== s.clientHeight) {
      w.canvas.width = s.clientWidth;
      w.canvas.height = s.clientHeight;
      w.canvas.style.width = s.clientWidth + 'px';
      w.canvas.style.height = s.clientHeight + 'px';
    }
    const textKey = s.description + '\n' + s.text.join('\n');
    if (textKey !== w.textKey) {
      w.textKey = textKey;
      w.description.textContent = s.description;
      w.lines.replaceChildren(...s.text.map((line) => Object.assign(document.createElement('p'), { textContent: line })));
    }
    const menuKey = JSON.stringify(s.menu);
    if (menuKey !== w.menuKey) {
      w.menuKey = menuKey;
      buildMenubar(w);
      if (popups.length && popups[0].win === w) refreshPopups();
    }
    w.menubar.style.height = s.menuBar + 'px';
    w.menubar.style.setProperty('--mg-bar', s.menuBar + 'px');
    w.menubar.hidden = s.menuBar === 0;
    if (s.controls) updateControls(w, s.controls);
    updateCursor(w);
  }

  // ---- Controls: the mirror, and the browser's focus on the program's

  function updateControls(w, controls) {
    const id = w.id;
    if (!w.mirror) {
      const call = (fn, types, args) => deliver(() => Module.ccall(fn, null, ['number', ...types], [id, ...args]));
      w.mirror = mgMirror(w.layer, 'mg-c' + id, {
        focus: (name) => call('mg_focus', ['string'], [name]),
        press: (name) => call('mg_press', ['string'], [name]),
        set: (name, value) => call('mg_set', ['string', 'string'], [name, String(value)]),
        edit: (name, start, end, text) => call('mg_edit', ['string', 'number', 'number', 'string'], [name, start, end, text]),
      });
    }
    w.mirror.update(controls);
    const focused = controls.find((c) => c.focused);
    const focusKey = focused ? focused.name + ' ' + focused.value : '';
    if (focusKey !== w.focusKey) {
      w.focusKey = focusKey;
      if (id === activeId) syncFocus();
    }
  }

  // The program's focused control in the active window has the browser's focus, unless
  // a menu has the keyboard.
  function syncFocus() {
    const focused = document.activeElement;
    if (focused && focused.closest && focused.closest('.mg-popup, .mg-menubar')) return;
    const w = windows.get(activeId);
    if (w && w.mirror && w.mirror.focusProgram()) return;
    if (focused && focused.closest && focused.closest('.mg-controls')) focused.blur();
  }

  function hideWindow(id) {
    const w = windows.get(id);
    if (!w) return;
    if (popups.length && popups[0].win === w) closePopups();
    w.el.hidden = true;
    w.el.classList.remove('mg-active');
  }

  // Windows shown since the last order: the page says which opened, and the active one
  // takes the focus.
  let opened = [];

  function setOrder(json) {
    const o = JSON.parse(json);
    o.z.forEach((id, i) => {
      const w = windows.get(id);
      if (w) w.el.style.zIndex = String(10 + i);
    });
    const changed = activeId !== o.active;
    activeId = o.active;
    for (const [id, w] of windows) {
      w.el.classList.toggle('mg-active', id === activeId);
      w.el.inert = id !== activeId;
    }
    if (popups.length && popups[0].win.id !== activeId) closePopups();
    if (changed) syncFocus();
    const shown = opened.filter((w) => !w.el.hidden);
    opened = [];
    if (!shown.length) return;
    const active = windows.get(activeId);
    const named = shown.includes(active) ? active : shown[shown.length - 1];
    announce('Fenster geöffnet: ' + named.state.caption);
    // On the next frame, so that the page lays itself out once, when it paints.
    if (shown.includes(active)) {
      requestAnimationFrame(() => {
        if (active.id === activeId && !active.el.hidden && !active.el.contains(document.activeElement) && !inMenus())
          active.el.focus({ preventScroll: true });
      });
    }
  }

  function inMenus() {
    const focused = document.activeElement;
    return !!(focused && focused.closest && focused.closest('.mg-popup, .mg-menubar'));
  }

  // A polite line for screen readers; the same line again is read again.
  function announce(text) {
    liveEl.textContent = '';
    requestAnimationFrame(() => (liveEl.textContent = text));
  }

  function putPixels(id, bytes, x, y, width, height) {
    const w = windows.get(id);
    if (!w) return;
    // A view of the program's memory, not a copy: the canvas copies it at once.
    const img = new ImageData(new Uint8ClampedArray(bytes.buffer, bytes.byteOffset, bytes.length), width, height);
    w.ctx.putImageData(img, x, y);
    if (!firstPaint) firstPaint = performance.now();
  }

  function quit() {
    ended = true;
    const url = new URL(location.href);
    url.searchParams.delete('open');
    url.hash = '';
    document.body.className = 'mg-ended';
    document.body.innerHTML = '<main><h1>Programm beendet</h1><p><a></a></p></main>';
    const a = document.querySelector('a');
    a.href = url.toString();
    a.textContent = 'Metallographie neu starten';
  }

  // ---- Menus

  function visibleItems(list) {
    return list.filter((i) => i.visible);
  }

  function menuItemEl(win, item, top) {
    const el = document.createElement('div');
    el.setAttribute('role', 'menuitem');
    el.dataset.item = item.name;
    el.className = 'mg-item';
    const { frag, letter } = captionNodes(item.caption);
    const label = document.createElement('span');
    label.append(frag);
    el.append(label);
    el.mgItem = item;
    el.mgLetter = letter;
    el.mgWin = win;
    el.tabIndex = top ? 0 : -1;
    if (!item.enabled) el.setAttribute('aria-disabled', 'true');
    if (visibleItems(item.items).length) {
      el.setAttribute('aria-haspopup', 'menu');
      el.setAttribute('aria-expanded', 'false');
    }
    el.addEventListener('click', (e) => {
      e.stopPropagation();
      chooseOrOpen(el);
    });
    el.addEventListener('mouseenter', () => {
      if (top && popups.length && popups[0].win === win && popups[0].owner !== el) openPopup(el, 0, false);
      if (!top) el.focus({ preventScroll: true });
    });
    return el;
  }

  function buildMenubar(w) {
    w.menubar.replaceChildren(...visibleItems(w.state.menu).map((i) => menuItemEl(w, i, true)));
  }

  // Open pop-ups, outermost first: { win, owner (the item that opened it), el }.
  let popups = [];

  function closePopups(from = 0) {
    for (const p of popups.slice(from)) {
      p.el.remove();
      p.owner.setAttribute('aria-expanded', 'false');
      p.owner.classList.remove('mg-open');
    }
    popups = popups.slice(0, from);
  }

  function openPopup(owner, level, focusFirst) {
    closePopups(level);
    const item = owner.mgItem;
    const list = visibleItems(item.items);
    if (!list.length) return;
    const el = document.createElement('div');
    el.setAttribute('role', 'menu');
    el.className = 'mg-popup';
    el.dataset.form = owner.mgWin.state.cls;
    el.setAttribute('aria-label', plainCaption(item.caption));
    for (const sub of list) el.append(menuItemEl(owner.mgWin, sub, false));
    pageEl.append(el);
    // At the screen's scale beside the menu bar; for a finger at the page's own size, with
    // rows a finger can hit.
    const scale = coarse.matches ? 1 : Math.min(1, view.scale);
    if (scale !== 1) el.style.transform = `scale(${scale})`;
    el.style.setProperty('--mg-pk', String(scale));
    const r = owner.getBoundingClientRect();
    let left = level === 0 ? r.left : r.right - 2 * scale;
    // Below the menu bar itself (its items reach beyond it).
    let top = level === 0 ? owner.parentElement.getBoundingClientRect().bottom : r.top - 3 * scale;
    // Inside the viewport: a pop-up that would stand out moves back in (a sub-menu to the
    // left of its item).
    const [vw, vh] = viewport();
    const size = el.getBoundingClientRect();
    if (left + size.width > vw) left = level === 0 ? vw - size.width : r.left - size.width + 2 * scale;
    if (top + size.height > vh) top = vh - size.height;
    el.style.left = Math.max(0, left) + window.scrollX + 'px';
    el.style.top = Math.max(0, top) + window.scrollY + 'px';
    owner.setAttribute('aria-expanded', 'true');
    owner.classList.add('mg-open');
    popups.push({ win: owner.mgWin, owner, el });
    if (focusFirst) focusItem(el, 0);
  }

  function refreshPopups() {
    // The menu changed while open (an item enabled or disabled): keep it open as it is now.
    const chain = popups.map((p) => p.owner.dataset.item);
    const win = popups[0].win;
    closePopups();
    let scope = win.menubar;
    chain.forEach((name, level) => {
      const owner = scope && scope.querySelector(`[data-item="${CSS.escape(name)}"]`);
      if (!owner) return;
      openPopup(owner, level, false);
      scope = popups.length > level ? popups[level].el : null;
    });
  }

  function items(container) {
    return [...container.children].filter((c) => c.getAttribute('role') === 'menuitem');
  }

  function focusItem(container, start) {
    const list = items(container);
    if (!list.length) return;
    const i = ((start % list.length) + list.length) % list.length;
    list[i].focus({ preventScroll: true });
  }

  function chooseOrOpen(el) {
    const win = el.mgWin;
    if (!win.state.enabled) {
      flash(activeId);
      return;
    }
    const item = el.mgItem;
    const inBar = el.parentElement === win.menubar;
    if (visibleItems(item.items).length) {
      if (el.getAttribute('aria-disabled') === 'true') return;
      const level = inBar ? 0 : popups.findIndex((p) => p.el === el.parentElement) + 1;
      if (inBar && popups.length && popups[0].owner === el) {
        closePopups();
        return;
      }
      if (win.id !== activeId) deliver(() => Module._mg_activate(win.id));
      openPopup(el, level, true);
      return;
    }
    if (el.getAttribute('aria-disabled') === 'true') return;
    closePopups();
    // Choosing an item leaves the menu: the keyboard belongs to the window again.
    if (document.activeElement && document.activeElement.blur) document.activeElement.blur();
    deliver(() => Module._mg_menu(win.id, item.index));
  }

  // A letter that several items share moves the highlight from one to the next; a letter
  // only one item has chooses it. In a pop-up, a letter no item underlines goes by the
  // first letter of the captions.
  function letterIn(list, letter, current, byInitial = false) {
    let matches = list.filter((el) => el.mgLetter === letter);
    if (!matches.length && byInitial)
      matches = list.filter((el) => plainCaption(el.mgItem.caption).trim().charAt(0).toLowerCase() === letter);
    if (!matches.length) return false;
    if (matches.length === 1) {
      matches[0].focus({ preventScroll: true });
      chooseOrOpen(matches[0]);
      return true;
    }
    const at = matches.indexOf(current);
    matches[(at + 1) % matches.length].focus({ preventScroll: true });
    return true;
  }

  // ---- Keyboard

  let altAlone = false;
  document.addEventListener('keydown', (e) => {
    if (ended || !started) return;
    const focused = document.activeElement;
    const inPopup = popups.length && focused && focused.closest && focused.closest('.mg-popup');
    const inBar = focused && focused.closest && focused.closest('.mg-menubar');
    const active = windows.get(activeId);
    if (e.key === 'Alt') {
      altAlone = true;
      return;
    }
    altAlone = false;
    if (e.key === 'Escape') {
      e.preventDefault();
      if (popups.length) {
        const last = popups[popups.length - 1];
        closePopups(popups.length - 1);
        last.owner.focus({ preventScroll: true });
      } else if (inBar) {
        focused.blur();
      } else if (activeId >= 0) {
        deliver(() => Module._mg_escape(activeId));
      }
      return;
    }
    if (e.key === 'F10' && !e.shiftKey && !e.ctrlKey && !e.altKey && !e.metaKey) {
      // F10 highlights the active window's first menu, as Alt alone does; in the menus, it
      // leaves them.
      e.preventDefault();
      if (inPopup || inBar) {
        closePopups();
        if (focused.isConnected) focused.blur();
        syncFocus();
      } else {
        const first = active && items(active.menubar)[0];
        if (first) first.focus({ preventScroll: true });
      }
      return;
    }
    if (e.altKey && /^[a-zäöüß0-9]$/i.test(e.key) && active && active.state.enabled) {
      e.preventDefault();
      closePopups();
      letterIn(items(active.menubar), e.key.toLowerCase(), focused);
      return;
    }
    if (inPopup) {
      const list = items(inPopup);
      const at = list.indexOf(focused);
      const level = popups.findIndex((p) => p.el === inPopup);
      if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        e.preventDefault();
        focusItem(inPopup, at + (e.key === 'ArrowDown' ? 1 : -1));
      } else if (e.key === 'Enter' || e.key === ' ') {
        e.preventDefault();
        chooseOrOpen(focused);
      } else if (e.key === 'ArrowRight') {
        e.preventDefault();
        if (focused.getAttribute('aria-haspopup')) chooseOrOpen(focused);
        else moveInBar(popups[0].win, popups[0].owner, 1);
      } else if (e.key === 'ArrowLeft') {
        e.preventDefault();
        if (level > 0) {
          const owner = popups[level].owner;
          closePopups(level);
          owner.focus({ preventScroll: true });
        } else moveInBar(popups[0].win, popups[0].owner, -1);
      } else if (e.key.length === 1 && !e.ctrlKey && !e.metaKey) {
        e.preventDefault();
        letterIn(list, e.key.toLowerCase(), focused, true);
      } else if (e.key === 'Tab') {
        e.preventDefault();
        moveInBar(popups[0].win, popups[0].owner, e.shiftKey ? -1 : 1);
      }
      return;
    }
    if (inBar) {
      const win = focused.mgWin;
      if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
        e.preventDefault();
        moveInBar(win, focused, e.key === 'ArrowRight' ? 1 : -1, false);
      } else if (e.key === 'Enter' || e.key === ' ' || e.key === 'ArrowDown') {
        e.preventDefault();
        chooseOrOpen(focused);
      } else if (e.key.length === 1 && !e.ctrlKey && !e.metaKey) {
        e.preventDefault();
        letterIn(items(win.menubar), e.key.toLowerCase(), focused);
      }
      return;
    }
    if (active && active.state.enabled) programKey(e, active);
  });

  // Every other key goes to the active window: first as a key, then (outside a text field)
  // as typed text. What the program uses, the browser does not do too; a text field's
  // typing arrives through its input events.
  function programKey(e, w) {
    if (e.isComposing || e.keyCode === 229) return;
    const field = e.target instanceof HTMLInputElement && !!w.mirror && w.mirror.owns(e.target);
    if (field && mgInput.fieldKey(e)) return;
    const key = mgInput.virtualKey(e), shift = mgInput.shiftState(e);
    let used = false;
    if (key) deliver(() => (used = Module._mg_key(w.id, key, shift) !== 0));
    const text = !used && !field ? mgInput.typedText(e) : '';
    if (text) deliver(() => (used = Module.ccall('mg_text', 'number', ['number', 'string'], [w.id, text]) !== 0));
    if (!used) return;
    e.preventDefault();
    syncFocus();
  }

  document.addEventListener('keyup', (e) => {
    if (e.key === 'Alt' && altAlone && !ended) {
      // Alt on its own highlights the active window's first menu, as on the desktop.
      const active = windows.get(activeId);
      const first = active && items(active.menubar)[0];
      if (first && document.activeElement !== first) first.focus({ preventScroll: true });
      else if (first) first.blur();
      e.preventDefault();
    }
    altAlone = false;
  });

  function moveInBar(win, from, step, open = true) {
    const list = items(win.menubar);
    const i = list.indexOf(from);
    const next = list[(i + step + list.length) % list.length];
    next.focus({ preventScroll: true });
    if (open && popups.length) {
      closePopups();
      if (visibleItems(next.mgItem.items).length) openPopup(next, 0, true);
    }
  }

  // A long press on the program's windows and menus is a long click, never the browser's menu.
  document.addEventListener('contextmenu', (e) => {
    if (e.target.closest && e.target.closest('#mg-screen, .mg-popup')) e.preventDefault();
  });

  document.addEventListener('mousedown', (e) => {
    if (popups.length && !e.target.closest('.mg-popup') && !e.target.closest('.mg-menubar')) closePopups();
  });

  // ---- The clock

  let firstPaint = 0;
  function frame(now) {
    if (ended) return;
    if (!document.hidden) deliver(() => Module._mg_frame(now));
    requestAnimationFrame(frame);
  }
  document.addEventListener('visibilitychange', () => {
    if (document.hidden && started && !ended) Module._mg_pause();
  });

  // ---- Start

  let resolveReady;
  const ready = new Promise((r) => (resolveReady = r));
  const timing = { navigationToRuntime: 0, startUp: 0, firstPaint: 0, slices: 0, longestSlice: 0, wasmDownload: null };

  // ?open=KLASSE opens a window; #begriff=Wort opens the glossary at that term; ?test=lm
  // a chapter's self-test.
  function openAtStart() {
    if (query.get('open')) return query.get('open');
    if (query.get('test')) return 'TFormSelbsttest:' + query.get('test');
    return query.get('begriff') ? 'TFormGlossar:' + query.get('begriff') : '';
  }

  // The program starts in slices of a few milliseconds (a slow phone takes several hundred in
  // all), with the browser's own work between them, so the page stays responsive: the windows,
  // as many per slice as its time allows (a slice ends after the window that used it up), then
  // the title window, the window asked for and the first pictures, each in a slice of its own.
  const START_SLICE_MS = 4;

  function start() {
    const t0 = performance.now();
    timing.navigationToRuntime = t0;
    const loading = document.getElementById('mg-loading');
    if (loading) loading.remove();
    chooseScreen();
    deliver(() => {
      if (window.mgStudy) window.mgStudy.beforeStart();
      Module.ccall('mg_start', null, ['number', 'number', 'number', 'string'],
                   [view.width, view.height, manualClock ? 1 : 0, openAtStart()]);
    });
    // A message comes back as the browser's next task, without the delay of a timer.
    const next = new MessageChannel();
    next.port1.onmessage = () => {
      let more = 0;
      const begun = performance.now();
      deliver(() => (more = Module._mg_start_step(START_SLICE_MS)));
      ++timing.slices;
      timing.longestSlice = Math.max(timing.longestSlice, performance.now() - begun);
      if (more) {
        next.port2.postMessage(0);
        return;
      }
      next.port1.close();
      timing.startUp = performance.now() - t0;
      messageEl.textContent = Module.UTF8ToString(Module._mg_start_message());
      started = true;
      if (!manualClock) requestAnimationFrame(frame);
      requestAnimationFrame(() => {
        timing.firstPaint = firstPaint;
        resolveReady();
      });
    };
    next.port2.postMessage(0);
  }

  // A phone held upright shows the program small: a line suggests turning it, once (it
  // is remembered), until it is closed or the phone is turned.
  function turnHint() {
    const key = 'metallographie.querHinweis';
    const upright = window.matchMedia('(orientation: portrait)');
    const phone = coarse.matches && Math.min(window.screen.width, window.screen.height) < 600;
    let seen = false;
    try {
      seen = localStorage.getItem(key) === '1';
      if (!seen && phone && upright.matches) localStorage.setItem(key, '1');
    } catch (e) {
      // No storage (a file, a private window): the hint shows each time.
    }
    if (seen || !phone || !upright.matches) return;
    const hint = document.createElement('div');
    hint.id = 'mg-hint';
    hint.setAttribute('role', 'note');
    const text = document.createElement('span');
    text.textContent = 'Tipp: Quer gehalten wird die Anzeige größer.';
    const close = document.createElement('button');
    close.type = 'button';
    close.textContent = '\u00d7';
    close.setAttribute('aria-label', 'Hinweis schließen');
    hint.append(text, close);
    pageEl.append(hint);
    const gone = () => hint.remove();
    close.addEventListener('click', gone);
    upright.addEventListener('change', () => !upright.matches && gone());
  }

  // The text goes to the program through the heap, never the stack, whatever its length;
  // one longer than the program's limit is not copied at all (every character takes at
  // least one byte of UTF-8), the program refuses it by its length.
  function runScript(text) {
    let answer = '';
    deliver(() => {
      const limit = Module._mg_script_limit();
      const size = text.length > limit ? text.length : Module.lengthBytesUTF8(text);
      const at = size > limit ? 0 : Module._malloc(size + 1);
      try {
        if (at) Module.stringToUTF8(text, at, size + 1);
        answer = Module.UTF8ToString(Module._mg_script(at, size));
      } finally {
        if (at) Module._free(at);
        Module._mg_script_done();
      }
    });
    return answer ? JSON.parse(answer) : { status: 1, output: '', error: 'busy', truncated: false, captures: {} };
  }

  window.mgPage = { state: setState, hide: hideWindow, order: setOrder, pixels: putPixels, quit,
                    cursor: (id) => { const w = windows.get(id); if (w) updateCursor(w); } };

  window.metallographie = {
    ready,
    timing,
    // The answer at once; before start-up has finished, a promise of it (the text runs
    // as soon as the program has started).
    script(text) {
      const s = String(text);
      return started ? runScript(s) : ready.then(() => runScript(s));
    },
    controlRect(formClass, control) {
      return JSON.parse(Module.ccall('mg_control_rect', 'string', ['string', 'string'], [formClass, control]));
    },
    show(formClass) {
      let shown = 0;
      deliver(() => {
        shown = Module.ccall('mg_show', 'number', ['string'], [formClass]);
      });
      return shown === 1;
    },
  };

  turnHint();

  window.Module = {
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onRuntimeInitialized: start,
  };

  // Ascii85 as the single file carries it: "v" stands for "<" (the page holds none), "z"
  // for four zero bytes; a last group of k characters gives k - 1 bytes.
  function unpack85(text) {
    let zeros = 0;
    for (let i = 0; i < text.length; ++i) if (text.charCodeAt(i) === 122) ++zeros;
    const out = new Uint8Array(zeros * 4 + Math.ceil((text.length - zeros) / 5) * 4);
    let n = 0, value = 0, count = 0;
    for (let i = 0; i < text.length; ++i) {
      let c = text.charCodeAt(i);
      if (c === 122 && count === 0) {
        n += 4;
        continue;
      }
      if (c === 118) c = 60;
      if (c < 33 || c > 117) continue;
      value = value * 85 + (c - 33);
      if (++count === 5) {
        out[n++] = value >>> 24;
        out[n++] = (value >>> 16) & 255;
        out[n++] = (value >>> 8) & 255;
        out[n++] = value & 255;
        value = 0;
        count = 0;
      }
    }
    if (count > 0) {
      const kept = count - 1;
      for (let k = count; k < 5; ++k) value = value * 85 + 84;
      for (let k = 0; k < kept; ++k) out[n++] = (value >>> (24 - 8 * k)) & 255;
    }
    return out.subarray(0, n);
  }

  // The single file carries the program's .wasm gzip-compressed in Ascii85 (#mg-wasm), as
  // nothing can be fetched from a file: the browser unpacks it before it starts.
  const packed = document.getElementById('mg-wasm');
  if (packed) {
    Module.instantiateWasm = (imports, receive) => {
      const bytes = unpack85(packed.textContent.trim());
      packed.remove();
      const unpacked = typeof DecompressionStream === 'function'
        ? new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer()
        : Promise.reject(new Error('DecompressionStream fehlt'));
      unpacked
        .then((wasm) => WebAssembly.instantiate(wasm, imports))
        .then((r) => receive(r.instance, r.module), (e) => {
          messageEl.textContent = 'Dieser Browser kann das Programm nicht starten: ' + (e && e.message ? e.message : e);
          console.error(e);
        });
      return {};
    };
  } else if (typeof Worker === 'function' && typeof WebAssembly.compileStreaming === 'function') {
    // From a server a worker of its own compiles the .wasm as it arrives; the page's thread
    // only instantiates the compiled module, and input is never held up by the compiling.
    // Without the worker (or the right MIME type) the page's thread compiles it.
    // The worker answers with the module and the download's size as its timing saw it.
    const COMPILER = 'onmessage = (e) => WebAssembly.compileStreaming(fetch(e.data, { credentials: "same-origin" }))' +
      '.then((module) => { const t = performance.getEntriesByName(e.data)[0];' +
      ' postMessage({ module, encoded: t ? t.encodedBodySize : 0, decoded: t ? t.decodedBodySize : 0 }); },' +
      ' (err) => postMessage(String(err)));';
    Module.instantiateWasm = (imports, receive) => {
      const url = new URL('metallographie.wasm', location.href).href;
      const onThisThread = () => fetch(url, { credentials: 'same-origin' })
        .then((r) => r.arrayBuffer())
        .then((wasm) => WebAssembly.instantiate(wasm, imports))
        .then((r) => receive(r.instance, r.module));
      let compiled;
      try {
        const source = URL.createObjectURL(new Blob([COMPILER], { type: 'text/javascript' }));
        const worker = new Worker(source);
        URL.revokeObjectURL(source);
        compiled = new Promise((resolve, reject) => {
          worker.onmessage = (e) => {
            if (!(e.data && e.data.module instanceof WebAssembly.Module)) return reject(new Error(e.data));
            timing.wasmDownload = { encoded: e.data.encoded, decoded: e.data.decoded };
            resolve(e.data.module);
          };
          worker.onerror = (e) => {
            e.preventDefault();
            reject(new Error(e.message || 'worker'));
          };
          worker.postMessage(url);
        }).finally(() => worker.terminate());
      } catch (e) {
        compiled = Promise.reject(e);
      }
      compiled
        .then((module) => WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module)),
              () => onThisThread())
        .catch((e) => {
          messageEl.textContent = 'Dieser Browser kann das Programm nicht starten: ' + (e && e.message ? e.message : e);
          console.error(e);
        });
      return {};
    };
  }
})();

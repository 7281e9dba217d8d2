'use strict';
// The accessibility mirror of a window's controls: over each control the program draws,
// an invisible element with the control's role, name and state, at the control's bounds.
// The program's focus and the browser's focus are the same element; what a screen reader
// or a phone's keyboard does to an element goes back to the program as that user's action.
window.mgMirror = (function () {
  const roles = {
    Button: 'button', CheckBox: 'checkbox', RadioGroup: 'radiogroup', TrackBar: 'slider', ComboBox: 'combobox',
    ListBox: 'listbox', ProgressBar: 'progressbar', Link: 'link', PaintBox: 'img', Picture: 'button',
  };

  function plain(caption) {
    return caption.replace(/&(&?)/g, '$1');
  }

  function place(el, r, left = 0, top = 0) {
    el.style.left = r[0] - left + 'px';
    el.style.top = r[1] - top + 'px';
    el.style.width = Math.max(0, r[2] - r[0]) + 'px';
    el.style.height = Math.max(0, r[3] - r[1]) + 'px';
  }

  function setAttr(el, name, value) {
    if (value === null || value === undefined || value === false) {
      if (el.hasAttribute(name)) el.removeAttribute(name);
    } else if (el.getAttribute(name) !== String(value)) {
      el.setAttribute(name, String(value));
    }
  }

  function setText(el, text) {
    if (el.textContent !== text) el.textContent = text;
  }

  // The label a control without words of its own is known by: the nearest label just
  // left of it on its line, or just above it.
  function labelFor(c, controls) {
    let best = null, bestGap = Infinity;
    const [l, t, r, b] = c.rect;
    for (const o of controls) {
      if (o.kind !== 'Label' || !o.caption) continue;
      const [ol, ot, or, ob] = o.rect;
      let gap = Infinity;
      if (or <= l + 2 && ob > t && ot < b) gap = l - or;
      else if (ob <= t + 2 && or > l && ol < r && t - ob < 2 * (b - t) + 8) gap = t - ob;
      if (gap < bestGap) {
        best = o;
        bestGap = gap;
      }
    }
    return best;
  }

  // Characters as the program counts them (code points) and as the browser's field
  // counts them (UTF-16 units).
  function units(text, chars) {
    return [...text].slice(0, chars).join('').length;
  }
  function chars(text, unitCount) {
    return [...text.slice(0, unitCount)].length;
  }

  // What changed from `before` to `after`, the change ending at the caret: characters
  // [start, end) of `before` replaced by `text`.
  function change(before, after, caret) {
    const a = [...before], b = [...after];
    let s = 0;
    while (s < a.length && s < b.length - caret && a[a.length - 1 - s] === b[b.length - 1 - s]) ++s;
    let p = 0;
    while (p < a.length - s && p < b.length - s && a[p] === b[p]) ++p;
    return { start: p, end: a.length - s, text: b.slice(p, b.length - s).join('') };
  }

  // layer: the element over the window's canvas; prefix: for element ids; act: the
  // program's side ({ focus(name), press(name), set(name, value), edit(name, start, end, text) }).
  return function mirror(layer, prefix, act) {
    const els = new Map(); // control name -> element
    let controls = [];
    let syncing = false; // the page moves the focus itself
    let composing = false;

    const idOf = (name, part = '') => `${prefix}-${name}${part}`;
    const byName = (name) => controls.find((c) => c.name === name);

    function create(c) {
      let el;
      if (c.kind === 'Edit') {
        el = document.createElement('input');
        el.type = 'text';
        el.autocomplete = 'off';
        el.spellcheck = false;
        el.setAttribute('autocapitalize', 'off');
        el.setAttribute('autocorrect', 'off');
      } else {
        el = document.createElement('div');
        if (roles[c.kind]) el.setAttribute('role', roles[c.kind]);
      }
      el.className = 'mg-ctl';
      el.id = idOf(c.name);
      el.dataset.control = c.name;
      el.dataset.kind = c.kind;
      return el;
    }

    // Option or radio children at the rows' bounds (relative to `parent`'s bounds).
    function items(parent, c, role, rect, chosen, owner) {
      const key = JSON.stringify([c.rows, rect, chosen]);
      if (parent.mgRowsKey === key) return;
      parent.mgRowsKey = key;
      parent.replaceChildren(...c.rows.map(([index, text, l, t, r, b]) => {
        const el = document.createElement('div');
        el.setAttribute('role', role);
        el.className = 'mg-ctl';
        el.id = idOf(owner, '-' + index);
        el.dataset.index = String(index);
        el.textContent = text;
        place(el, [l, t, r, b], rect[0], rect[1]);
        if (role === 'radio') setAttr(el, 'aria-checked', index === chosen ? 'true' : 'false');
        else setAttr(el, 'aria-selected', index === chosen ? 'true' : 'false');
        setAttr(el, 'aria-posinset', index + 1);
        setAttr(el, 'aria-setsize', c.count);
        return el;
      }));
    }

    function fill(el, c) {
      place(el, c.rect);
      const name = plain(c.caption) || c.accessibleName;
      const label = !name && !['Label', 'Link', 'Button', 'CheckBox', 'Picture'].includes(c.kind) ? labelFor(c, controls) : null;
      setAttr(el, 'aria-disabled', !c.enabled && 'true');
      const focusable = c.focusable && c.enabled;
      if (focusable && c.kind !== 'RadioGroup') el.tabIndex = c.focused ? 0 : -1;
      else if (el.hasAttribute('tabindex')) el.removeAttribute('tabindex');
      const chosen = Number(c.value);
      switch (c.kind) {
        case 'Label': case 'Link': case 'Button': case 'CheckBox': case 'Picture':
          setText(el, name);
          if (c.kind === 'CheckBox') setAttr(el, 'aria-checked', c.value === '1' ? 'true' : 'false');
          break;
        case 'RadioGroup': {
          items(el, c, 'radio', c.rect, chosen, c.name);
          // One tab stop: the chosen item (the first while none is).
          const stop = String(Math.max(chosen, 0));
          for (const r of el.children) r.tabIndex = focusable && c.focused && r.dataset.index === stop ? 0 : -1;
          break;
        }
        case 'ListBox':
          items(el, c, 'option', c.rect, chosen, c.name);
          setAttr(el, 'aria-activedescendant', chosen >= 0 && idOf(c.name, '-' + chosen));
          break;
        case 'ComboBox': {
          setText(el, c.text);
          setAttr(el, 'aria-haspopup', 'listbox');
          setAttr(el, 'aria-expanded', c.open ? 'true' : 'false');
          let list = document.getElementById(idOf(c.name, '-list'));
          if (c.open) {
            if (!list) {
              list = document.createElement('div');
              list.setAttribute('role', 'listbox');
              list.className = 'mg-ctl';
              list.id = idOf(c.name, '-list');
              list.dataset.control = c.name;
              list.dataset.kind = 'ComboList';
              layer.append(list);
            }
            place(list, c.list);
            setAttr(list, 'aria-label', name || (label && plain(label.caption)) || null);
            items(list, c, 'option', c.list, c.hot, c.name);
          } else if (list) {
            list.remove();
          }
          setAttr(el, 'aria-controls', c.open && idOf(c.name, '-list'));
          setAttr(el, 'aria-activedescendant', c.open && c.hot >= 0 && idOf(c.name, '-' + c.hot));
          break;
        }
        case 'TrackBar': case 'ProgressBar':
          setAttr(el, 'aria-valuemin', c.min);
          setAttr(el, 'aria-valuemax', c.max);
          setAttr(el, 'aria-valuenow', c.pos);
          if (c.kind === 'TrackBar') {
            setAttr(el, 'aria-valuetext', c.text || String(c.pos));
            setAttr(el, 'aria-orientation', 'horizontal');
          }
          break;
        case 'Edit':
          el.readOnly = !c.enabled;
          syncField(el, c);
          break;
      }
      if (['Label', 'Link', 'Button', 'CheckBox', 'Picture'].includes(c.kind)) return;
      setAttr(el, 'aria-label', name || null);
      setAttr(el, 'aria-labelledby', !name && label && idOf(label.name));
    }

    // The field shows the program's text and selection, unless an input method is at
    // work in it.
    function syncField(el, c) {
      if (composing) return;
      if (el.value !== c.text) el.value = c.text;
      if (document.activeElement === el) {
        const start = units(c.text, c.selStart), end = units(c.text, c.selEnd);
        if (el.selectionStart !== start || el.selectionEnd !== end)
          el.setSelectionRange(start, end, c.backward ? 'backward' : 'forward');
      }
    }

    function update(list) {
      controls = list;
      const seen = new Set();
      let at = 0;
      for (const c of list) {
        seen.add(c.name);
        let el = els.get(c.name);
        if (!el || el.dataset.kind !== c.kind) {
          if (el) el.remove();
          el = create(c);
          els.set(c.name, el);
        }
        // The elements in tab order, as a screen reader reads them.
        if (layer.children[at] !== el) layer.insertBefore(el, layer.children[at] || null);
        ++at;
        fill(el, c);
      }
      for (const [name, el] of els) {
        if (seen.has(name)) continue;
        el.remove();
        const list = document.getElementById(idOf(name, '-list'));
        if (list) list.remove();
        els.delete(name);
      }
    }

    // The element that stands for the program's focused control, or null.
    function focusTarget() {
      const c = controls.find((x) => x.focused);
      const el = c && els.get(c.name);
      if (!el) return null;
      if (c.kind === 'RadioGroup') return [...el.children].find((r) => r.tabIndex === 0) || el;
      return el;
    }

    // Puts the browser's focus where the program's is; returns whether there is such a place.
    function focusProgram() {
      const el = focusTarget();
      if (!el) return false;
      if (document.activeElement !== el) {
        syncing = true;
        try {
          el.focus({ preventScroll: true });
        } finally {
          syncing = false;
        }
      }
      const c = controls.find((x) => x.focused);
      if (c.kind === 'Edit') syncField(el, c);
      return true;
    }

    function controlOf(target) {
      const el = target.closest && target.closest('[data-control]');
      return el && layer.contains(el) ? el : null;
    }

    layer.addEventListener('focusin', (e) => {
      const el = controlOf(e.target);
      if (!syncing && el) act.focus(el.dataset.control);
    });
    // A click on an element comes from a screen reader (the mouse goes to the canvas below).
    layer.addEventListener('click', (e) => {
      const el = controlOf(e.target);
      if (!el) return;
      e.preventDefault();
      const name = el.dataset.control, kind = el.dataset.kind;
      const item = e.target.closest('[data-index]');
      if (item && ['RadioGroup', 'ListBox', 'ComboList'].includes(kind)) act.set(name, item.dataset.index);
      else if (['Button', 'CheckBox', 'Link', 'Picture'].includes(kind)) act.press(name);
    });
    // Typing, deleting, pasting and an input method's words in a field: the program
    // makes the same change, and the field shows what the program made of it.
    layer.addEventListener('input', (e) => {
      const el = controlOf(e.target);
      const c = el && el.dataset.kind === 'Edit' && byName(el.dataset.control);
      if (!c) return;
      const d = change(c.text, el.value, chars(el.value, el.selectionEnd));
      if (d.start !== d.end || d.text) act.edit(c.name, d.start, d.end, d.text.replace(/[\u0000-\u001f\u007f]/g, ''));
      syncField(el, byName(c.name) || c);
    });
    layer.addEventListener('compositionstart', () => {
      composing = true;
    });
    layer.addEventListener('compositionend', (e) => {
      composing = false;
      const el = controlOf(e.target);
      const c = el && byName(el.dataset.control);
      if (c && c.kind === 'Edit') syncField(el, c);
    });

    return { update, focusProgram, owns: (el) => !!el && layer.contains(el) };
  };
})();

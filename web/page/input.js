'use strict';
// The browser's keys and wheel in the program's terms: classic virtual-key codes (letters
// and digits as their upper-case characters), the modifier keys as the program counts
// them, typed text, and wheel notches.
window.mgInput = (function () {
  const SHIFT = 1, CTRL = 2, ALT = 4;
  const named = {
    Backspace: 8, Tab: 9, Enter: 13, Escape: 27, ' ': 32, Spacebar: 32,
    PageUp: 33, PageDown: 34, End: 35, Home: 36,
    ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Left: 37, Up: 38, Right: 39, Down: 40,
    Insert: 45, Delete: 46, Del: 46,
  };

  // The key's code, or 0 for a key the program has no code for (dead keys, an input
  // method at work, a phone's keyboard that only says "Unidentified").
  function virtualKey(e) {
    if (e.key in named) return named[e.key];
    const f = /^F([1-9]|1[0-2])$/.exec(e.key);
    if (f) return 111 + +f[1];
    if (/^[a-z0-9]$/i.test(e.key)) return e.key.toUpperCase().charCodeAt(0);
    // A letter of another alphabet: the key's place on the keyboard, as the desktop does.
    const code = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(e.code || '');
    if (code && [...e.key].length === 1) return (code[1] || code[2]).charCodeAt(0);
    return 0;
  }

  function shiftState(e) {
    return (e.shiftKey ? SHIFT : 0) | (e.ctrlKey || e.metaKey ? CTRL : 0) | (e.altKey ? ALT : 0);
  }

  // The text a key types, or '': one printable character without Ctrl or Alt (Ctrl and
  // Alt together are AltGr on some systems).
  function typedText(e) {
    if ([...e.key].length !== 1 || e.metaKey || e.ctrlKey !== e.altKey) return '';
    return /[\u0000-\u001f\u007f]/.test(e.key) ? '' : e.key;
  }

  // Keys a text field keeps for the browser: the clipboard and undo, so they work with
  // the system's clipboard; the field reports what they changed as typing.
  function fieldKey(e) {
    if (!(e.ctrlKey || e.metaKey) && !(e.shiftKey && e.key === 'Insert')) return false;
    return /^[cvxyz]$/i.test(e.key) || e.key === 'Insert';
  }

  // Wheel deltas to notches: pixels add up (100 px a notch, as one notch of a common
  // mouse; rounded, so a first small turn already moves), lines and pages count one
  // notch per event.
  function wheel() {
    let pixels = 0;
    return function notches(e) {
      if (!e.deltaY) return 0;
      if (e.deltaMode !== 0) {
        pixels = 0;
        return Math.sign(e.deltaY);
      }
      if (Math.sign(pixels) === -Math.sign(e.deltaY)) pixels = 0;
      pixels += e.deltaY;
      const n = Math.round(pixels / 100);
      pixels -= n * 100;
      return n;
    };
  }

  return { virtualKey, shiftState, typedText, fieldKey, wheel, SHIFT, CTRL, ALT };
})();

'use strict';
// The program's screen in the page: how many of its pixels it has and how large the page
// shows them. The screen is laid out in the display's own pixels (the viewport times
// devicePixelRatio) and shown one program pixel to one display pixel, so that the
// program's text is as sharp as the page's.
window.mgScreen = (function () {
  const MIN = [640, 480], MAX = [7680, 4320];
  const NARROWEST = 4 / 3, WIDEST = 16 / 9;
  // The windows are placed by patterns made for landscape screens: from a width of 1024
  // on most are 1024 x 768, below it the small side window stands out at the right and
  // the information window (800 wide) does not fit. Every window lies inside a screen of
  // at least this height (and 4:3 or wider); a smaller share is laid out at this height
  // and shown scaled down.
  const LAYOUT_HEIGHT = 768;

  // The part of a viewport (CSS pixels) the program takes: all of it between 4:3 and
  // 16:9, else the largest 4:3 (upright) or 16:9 (very wide) box in it.
  function share(vw, vh) {
    const aspect = vw / vh;
    if (aspect > WIDEST) return [vh * WIDEST, vh];
    if (aspect < NARROWEST) return [vw, vw / NARROWEST];
    return [vw, vh];
  }

  // CSS pixels per program pixel for a screen of w x h in a viewport of vw x vh: one
  // display pixel each where that fits, else less, so that the whole screen shows.
  function fit(w, h, vw, vh, dpr) {
    return Math.min(1 / dpr, vw / w, vh / h);
  }

  // The screen for a viewport of vw x vh CSS pixels at dpr display pixels each, or the
  // size `fixed` ([w, h], clamped as --screen is): { width, height, scale }.
  function choose(vw, vh, dpr, fixed) {
    let w, h;
    if (fixed) {
      w = Math.min(MAX[0], Math.max(MIN[0], fixed[0]));
      h = Math.min(MAX[1], Math.max(MIN[1], fixed[1]));
    } else {
      const [sw, sh] = share(Math.max(1, vw), Math.max(1, vh));
      w = Math.floor(sw * dpr);
      h = Math.floor(sh * dpr);
      if (h < LAYOUT_HEIGHT) {
        w = Math.round((w * LAYOUT_HEIGHT) / h);
        h = LAYOUT_HEIGHT;
      }
      const over = Math.max(w / MAX[0], h / MAX[1]);
      if (over > 1) {
        w = Math.floor(w / over);
        h = Math.floor(h / over);
      }
    }
    return { width: w, height: h, scale: fit(w, h, Math.max(1, vw), Math.max(1, vh), dpr) };
  }

  return { choose, fit, share, LAYOUT_HEIGHT };
})();

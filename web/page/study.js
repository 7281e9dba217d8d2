'use strict';
// The learner's progress on the page: kept in the page's storage, and, when a learning
// platform started the page, reported to it through its SCORM 1.2 API (status, score,
// session time) and kept there as suspend data, so that the next session resumes.
(function () {
  const STORAGE_KEY = 'metallographie-fortschritt';
  // SCORM 1.2: the API is looked for up the chain of parent windows (at most this many
  // steps), then in the opener's chain.
  const MAX_PARENTS = 7;
  const SUSPEND_LIMIT = 4096;
  // Scripted runs on the manual clock keep no progress in the page's storage (as the
  // program without a display keeps none): every run starts alike.
  const query = new URLSearchParams(location.search);
  for (const [k, v] of new URLSearchParams(location.hash.replace(/^#/, ''))) query.set(k, v);
  const keepsStorage = query.get('clock') !== 'manual';

  function findIn(win) {
    for (let i = 0; win && i <= MAX_PARENTS; ++i) {
      try {
        if (win.API) return win.API;
      } catch (e) {
        return null; // another origin: no API there
      }
      if (!win.parent || win.parent === win) break;
      win = win.parent;
    }
    return null;
  }

  function findAPI() {
    const own = window.parent && window.parent !== window ? findIn(window.parent) : null;
    if (own) return own;
    try {
      return window.opener ? findIn(window.opener) : null;
    } catch (e) {
      return null;
    }
  }

  // HHHH:MM:SS.SS as cmi.core.session_time wants it.
  function sessionTime(ms) {
    const cs = Math.floor(ms / 10);
    const pad = (n, w) => String(n).padStart(w, '0');
    const h = Math.floor(cs / 360000), m = Math.floor(cs / 6000) % 60, s = Math.floor(cs / 100) % 60;
    return `${pad(Math.min(h, 9999), 4)}:${pad(m, 2)}:${pad(s, 2)}.${pad(cs % 100, 2)}`;
  }

  // The tests' records in the progress text: "test KAPITEL BESTWERT BESTANDEN VERSUCHE".
  function tests(text) {
    return text.split('\n').filter((l) => l.startsWith('test ')).map((l) => {
      const [, chapter, best, passed, attempts] = l.split(' ');
      return { chapter, best: +best, passed: passed === '1', attempts: +attempts };
    });
  }

  let api = null;
  let started = 0;
  let finished = false;
  let attempts = 0;

  function call(name, ...args) {
    try {
      return String(api[name](...args));
    } catch (e) {
      console.warn(`SCORM ${name}: ${e && e.message ? e.message : e}`);
      return '';
    }
  }

  function read() {
    try {
      return Module.UTF8ToString(Module._mg_progress_get());
    } catch (e) {
      return '';
    }
  }

  function take(text) {
    if (!text) return;
    const why = Module.ccall('mg_progress_set', 'string', ['string'], [text]);
    if (why) console.warn('metallographie: ' + why);
  }

  // Tells the platform what the progress says now; `commit` after a finished test.
  function report(text, commit) {
    if (!api || finished) return;
    const taken = tests(text);
    if (taken.length) {
      const mean = Math.round(taken.reduce((s, t) => s + t.best, 0) / taken.length);
      call('LMSSetValue', 'cmi.core.score.min', '0');
      call('LMSSetValue', 'cmi.core.score.max', '100');
      call('LMSSetValue', 'cmi.core.score.raw', String(mean));
      call('LMSSetValue', 'cmi.core.lesson_status', taken.every((t) => t.passed) ? 'passed' : 'failed');
    }
    call('LMSSetValue', 'cmi.suspend_data', text.slice(0, SUSPEND_LIMIT));
    if (commit) call('LMSCommit', '');
  }

  window.mgStudy = {
    // Before the program starts: the platform's or the page's progress is handed over.
    beforeStart() {
      started = performance.now();
      api = findAPI();
      let text = '';
      if (api && call('LMSInitialize', '') === 'true') {
        const entry = call('LMSGetValue', 'cmi.core.entry');
        if (entry === 'resume') text = call('LMSGetValue', 'cmi.suspend_data');
        const status = call('LMSGetValue', 'cmi.core.lesson_status');
        if (!status || status === 'not attempted') call('LMSSetValue', 'cmi.core.lesson_status', 'incomplete');
        call('LMSSetValue', 'cmi.core.exit', 'suspend');
      } else {
        api = null;
        try {
          text = keepsStorage ? localStorage.getItem(STORAGE_KEY) || '' : '';
        } catch (e) {
          text = ''; // storage refused (a file page in some browsers)
        }
      }
      take(text);
      attempts = tests(read()).reduce((s, t) => s + t.attempts, 0);
    },
    // The program changed the progress.
    changed() {
      const text = read();
      // With a platform the progress is the platform's (a shared computer keeps none).
      if (!api && keepsStorage) {
        try {
          localStorage.setItem(STORAGE_KEY, text);
        } catch (e) {
          // kept for this visit only
        }
      }
      const now = tests(text).reduce((s, t) => s + t.attempts, 0);
      report(text, now !== attempts);
      attempts = now;
    },
    // Leaving the page: the session's time, a last commit, and the end of the session.
    leave() {
      if (!api || finished) return;
      report(read(), false);
      call('LMSSetValue', 'cmi.core.session_time', sessionTime(performance.now() - started));
      call('LMSCommit', '');
      call('LMSFinish', '');
      finished = true;
    },
    connected: () => api !== null,
  };

  window.addEventListener('pagehide', () => window.mgStudy.leave());
})();

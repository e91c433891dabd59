// The page around the demo: loading progress, the click that starts the
// sound, the keys, full screen, the end of the show, the canvas's scale, and
// a read-only hook for the browser test.
(function () {
  'use strict';

  const SDLK_ESCAPE = 27, SDLK_RIGHT = 275, SDLK_LEFT = 276;
  const keys = { Escape: SDLK_ESCAPE, ArrowRight: SDLK_RIGHT, ArrowLeft: SDLK_LEFT };

  const canvas = document.getElementById('screen');
  const panel = document.getElementById('panel');
  const message = document.getElementById('message');
  const progress = document.getElementById('progress');
  const start = document.getElementById('start');
  const screen2d = canvas.getContext('2d');
  const image = screen2d.createImageData(320, 240);

  let state = 'loading'; // then ready, running, ended, escaped or failed

  function show(text, button) {
    message.textContent = text;
    progress.hidden = true;
    start.hidden = !button;
    if (button)
      start.textContent = button;
    panel.hidden = false;
  }

  function fail(text) {
    state = 'failed';
    show(text, null);
  }

  // The 4:3 screen as large as the window allows: a whole-number scale when
  // that fills most of it, so every pixel is the same size.
  function fit() {
    const s = Math.min(innerWidth / 320, innerHeight / 240);
    const scale = Math.floor(s) >= 1 && Math.floor(s) >= 0.85 * s ? Math.floor(s) : s;
    canvas.style.width = 320 * scale + 'px';
    canvas.style.height = 240 * scale + 'px';
  }
  addEventListener('resize', fit);
  fit();

  const Module = window.Module = {
    setStatus: function (text) {
      const m = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text);
      if (m) {
        progress.value = Number(m[1]) / Number(m[2]);
        message.textContent = 'Loading… ' + Math.round(progress.value * 100) + ' %';
      }
    },
    ready: function (error) {
      if (error)
        return fail(error);
      state = 'ready';
      show('QUORVAST — a software-rendered demo with sound', 'Click to start');
    },
    present: function (rgba) {
      image.data.set(rgba);
      screen2d.putImageData(image, 0, 0);
    },
    ended: function (escaped) {
      state = escaped ? 'escaped' : 'ended';
      show(escaped ? 'Stopped (Escape).' : 'The song has ended.', 'Play again');
    },
    onAbort: function (what) {
      fail('The demo stopped: ' + what);
    },
  };

  function begin() {
    if (state === 'ended' || state === 'escaped') {
      if (Module._webrestart())
        return fail(Module.UTF8ToString(Module._weberror()));
      state = 'running';
      panel.hidden = true;
      return;
    }
    if (state !== 'ready')
      return;
    // Browsers start sound only from a gesture: the context is made here. The
    // mix is made at the demo's 44100 Hz whatever the output's own rate.
    if (!window.AudioContext)
      return fail('This browser cannot play the sound (no Web Audio).');
    const ctx = new AudioContext({ sampleRate: 44100, latencyHint: 'interactive' });
    const gain = ctx.createGain();
    const analyser = ctx.createAnalyser();
    gain.connect(analyser);
    analyser.connect(ctx.destination);
    Module.audioContext = ctx;
    Module.audioOut = gain;
    Module.analyser = analyser;
    ctx.resume();
    if (Module._webstart(ctx.sampleRate))
      return fail(Module.UTF8ToString(Module._weberror()));
    state = 'running';
    panel.hidden = true;
  }
  start.addEventListener('click', begin);

  addEventListener('keyup', function (e) {
    if (state === 'running' && e.key in keys) {
      Module._webkey(keys[e.key]);
      e.preventDefault();
    }
  });

  // A hidden tab gets no animation frames: the sound waits with the pictures.
  document.addEventListener('visibilitychange', function () {
    const ctx = Module.audioContext;
    if (ctx && state === 'running')
      document.hidden ? ctx.suspend() : ctx.resume();
  });

  const full = document.getElementById('fullscreen');
  full.hidden = !document.fullscreenEnabled;
  full.addEventListener('click', function () {
    if (document.fullscreenElement)
      document.exitFullscreen();
    else
      document.documentElement.requestFullscreen();
  });

  // For the browser test: what the show is doing, never a way to steer it.
  window.demoTest = Object.freeze({
    state: () => state,
    demotime: () => Module._webdemotime(),
    drawn: () => Module._webdrawn(),
    ticks: () => Module._webticks(),
    audio: () => Module.audioContext ? Module.audioContext.state : 'none',
    // The now, pos and row of every render call that ran the timeline.
    renders: function () {
      const n = Module._webrendercount(), p = Module._webrenders() >> 2;
      return Array.from(Module.HEAP32.subarray(p, p + n * 3));
    },
    // The RMS level of the output over the analyser's last window.
    level: function () {
      const data = new Float32Array(Module.analyser.fftSize);
      Module.analyser.getFloatTimeDomainData(data);
      return Math.sqrt(data.reduce((sum, v) => sum + v * v, 0) / data.length);
    },
    // The canvas as RGBA bytes.
    pixels: () => screen2d.getImageData(0, 0, 320, 240).data,
  });
})();

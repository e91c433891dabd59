// The page's side of the web host (linked with --js-library): Web Audio
// playback of the mix the program writes ahead, with the frame being heard
// worked out from the output's own timestamp, and the calls that reach the
// page (page.js) through Module.
mergeInto(LibraryManager.library, {
  $webaudio: {
    ctx: null,
    out: null,
    sources: [],
    baseTime: 0, // context time at which frame 0 of the mix plays
    queued: 0, // frames queued since the start
    nextTime: 0, // context time at which the next queued frame plays
    // Restarts playback at `frame`, a little after now, on the context and
    // output node page.js made on the click.
    restart: function (frame) {
      webaudio.ctx = Module.audioContext;
      webaudio.out = Module.audioOut;
      webaudio.nextTime = webaudio.ctx.currentTime + 0.03;
      webaudio.baseTime = webaudio.nextTime - frame / webaudio.ctx.sampleRate;
      webaudio.queued = frame;
    },
  },

  webaudio_heard__deps: ['$webaudio'],
  webaudio_heard: function () {
    const a = webaudio, ctx = a.ctx;
    // The context time at the speakers now: the output's timestamp moved on
    // by the page's clock, or the context's clock less the output latency.
    let t = ctx.currentTime - (ctx.outputLatency || ctx.baseLatency || 0);
    if (ctx.getOutputTimestamp) {
      const ts = ctx.getOutputTimestamp();
      if (ts.performanceTime > 0)
        t = Math.min(ctx.currentTime, ts.contextTime + (performance.now() - ts.performanceTime) / 1000);
    }
    const frame = Math.floor((t - a.baseTime) * ctx.sampleRate);
    return Math.max(0, Math.min(frame, a.queued));
  },

  webaudio_queue__deps: ['$webaudio'],
  webaudio_queue: function (ptr, frames) {
    const a = webaudio, ctx = a.ctx;
    // The page stalled (a hidden tab) and the queue ran dry: play on after
    // a gap, so the frames heard keep counting the mix.
    if (a.nextTime < ctx.currentTime + 0.005)
      a.restart(a.queued);
    const buffer = ctx.createBuffer(2, frames, ctx.sampleRate);
    const left = buffer.getChannelData(0), right = buffer.getChannelData(1);
    const mix = HEAP16.subarray(ptr >> 1, (ptr >> 1) + frames * 2);
    for (let i = 0; i < frames; i++) {
      left[i] = mix[i * 2] / 32768;
      right[i] = mix[i * 2 + 1] / 32768;
    }
    const source = ctx.createBufferSource();
    source.buffer = buffer;
    source.connect(a.out);
    source.onended = function () {
      const i = a.sources.indexOf(source);
      if (i >= 0)
        a.sources.splice(i, 1);
    };
    source.start(a.nextTime);
    a.sources.push(source);
    a.nextTime += frames / ctx.sampleRate;
    a.queued += frames;
  },

  webaudio_flush__deps: ['$webaudio'],
  webaudio_flush: function (frame) {
    for (const source of webaudio.sources)
      source.stop();
    webaudio.sources = [];
    webaudio.restart(frame);
  },

  webpage_present: function (ptr) {
    Module.present(HEAPU8.subarray(ptr, ptr + 320 * 240 * 4));
  },

  webpage_ready: function (error) {
    Module.ready(UTF8ToString(error));
  },

  webpage_ended: function (escaped) {
    Module.ended(!!escaped);
  },
});

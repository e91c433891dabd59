// demo-replay under node (--pre-js): emscripten's raw file system takes every
// file it opens for seekable and reads and writes at explicit offsets, which
// pipes refuse (ESPIPE). Those calls go on at the pipe's own place instead,
// so `save /dev/fd/3` and scripts on /dev/stdin work as natively.
(function () {
  const fs = require('fs');
  for (const name of ['readSync', 'writeSync']) {
    const call = fs[name];
    fs[name] = function (fd, buffer, offset, length, position) {
      try {
        return call.call(fs, fd, buffer, offset, length, position);
      } catch (e) {
        if (e.code !== 'ESPIPE')
          throw e;
        return call.call(fs, fd, buffer, offset, length, null);
      }
    };
  }
})();

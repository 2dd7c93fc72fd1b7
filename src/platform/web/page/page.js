// The page around the game. It downloads the program (quenlit.js, quenlit.wasm) and the game
// folder (quenlit.data), checks each download against the size and CRC-32 sealed into this page
// at build time, and explains on the page whatever keeps the game from running: a file that
// cannot be downloaded or came damaged, a browser without WebAssembly, a game that stopped. It
// gives the scene the room it has, full screen on request (the button, or F11), sends a save
// on its way when the page is hidden or closed, and keeps the files for playing offline.
var Module = (function () {
  'use strict';
  var build = quenlitBuild;
  var status = document.getElementById('status');
  var failure = document.getElementById('failure');
  var notice = document.getElementById('notice');
  var canvas = document.getElementById('canvas');
  var stage = document.getElementById('stage');
  var failed = false;

  var kWhat = {
    'quenlit.js': '游戏程序 quenlit.js',
    'quenlit.wasm': '游戏程序 quenlit.wasm',
    'quenlit.data': '游戏数据 quenlit.data',
  };

  // Stops everything the page does for the game and says why, over the scene.
  function fail(text) {
    if (failed) return;
    failed = true;
    status.textContent = '';
    failure.textContent = text;
    failure.hidden = false;
    document.documentElement.classList.add('failed');
  }
  function missing(file, why) {
    fail('无法下载' + kWhat[file] + '（' + why + '）。\n请检查网络连接，然后刷新页面重试。');
  }
  function damaged(file) {
    fail(kWhat[file] + ' 下载不完整或已损坏。\n请刷新页面重新下载；若仍不行，请清除本站的缓存后再试。');
  }

  var crcTable = null;
  function crc32(bytes) {
    if (!crcTable) {
      crcTable = new Uint32Array(256);
      for (var n = 0; n < 256; ++n) {
        var c = n;
        for (var k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320 ^ (c >>> 1) : c >>> 1;
        crcTable[n] = c >>> 0;
      }
    }
    var crc = 0xFFFFFFFF;
    for (var i = 0; i < bytes.length; ++i) crc = crcTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >>> 8);
    return (crc ^ 0xFFFFFFFF) >>> 0;
  }

  // The downloads' progress, shown under the scene until the game draws its own loading bar.
  var received = {};
  function showProgress() {
    if (failed) return;
    var got = 0;
    var total = 0;
    Object.keys(received).forEach(function (file) {
      got += received[file];
      total += build.files[file].size;
    });
    status.textContent = '正在下载游戏…… ' + Math.floor(100 * got / Math.max(total, 1)) + '%';
  }

  // A sealed file's bytes, checked: rejects naming the file when it is missing or damaged.
  function download(file) {
    var sealed = build.files[file];
    received[file] = 0;
    return fetch(file).then(function (response) {
      if (!response.ok) throw {file: file, missing: 'HTTP ' + response.status};
      if (!response.body || !response.body.getReader) return response.arrayBuffer();
      var reader = response.body.getReader();
      var parts = [];
      var length = 0;
      function next() {
        return reader.read().then(function (chunk) {
          if (chunk.done) return;
          parts.push(chunk.value);
          length += chunk.value.length;
          received[file] = Math.min(length, sealed.size);
          showProgress();
          return next();
        });
      }
      return next().then(function () {
        var bytes = new Uint8Array(length);
        var at = 0;
        parts.forEach(function (part) {
          bytes.set(part, at);
          at += part.length;
        });
        return bytes.buffer;
      });
    }, function (error) {
      throw {file: file, missing: String(error && error.message || error)};
    }).then(function (buffer) {
      if (buffer.byteLength !== sealed.size || crc32(new Uint8Array(buffer)) !== sealed.crc32) {
        throw {file: file, damaged: true};
      }
      return buffer;
    });
  }

  function reportDownload(problem) {
    if (problem && problem.file && problem.damaged) {
      damaged(problem.file);
    } else if (problem && problem.file) {
      missing(problem.file, problem.missing);
    } else {
      fail('游戏出错了：' + problem + '\n请刷新页面重试。');
    }
    throw problem;
  }

  var module = {
    canvas: canvas,
    print: function (text) { console.log(text); },
    printErr: function (text) { console.error(text); },
    // Emscripten's own status texts stay off the page: the page says what it is doing itself.
    setStatus: function () {},
    onAbort: function (what) {
      if (!module.calledRun) {
        damaged('quenlit.wasm');
      } else {
        fail('游戏出错了（' + what + '）。\n请刷新页面重试。');
      }
    },
    quenlitState: function () {
      return JSON.parse(UTF8ToString(module._quenlit_state()));
    },
    // What the program tells the page (page_bridge.js and persistent_folder.js).
    quenlitPage: {
      gameMessage: function (caption, text) {
        if (failed) return;
        failure.textContent = caption + '：' + text;
        var close = document.createElement('button');
        close.type = 'button';
        close.textContent = '确定';
        close.onclick = function () {
          failure.hidden = true;
          canvas.focus();
        };
        failure.appendChild(close);
        failure.hidden = false;
      },
      gameStopped: function () {
        var message = failure.hidden ? '' : failure.firstChild.textContent + '\n';
        fail(message + '游戏已停止。请刷新页面重试。');
      },
      gameLoaded: function () {
        // When the map came, by the page's clock from its opening (web-figures.sh reads it).
        module.quenlitLoadedAt = performance.now();
        keepOffline();
      },
      storageRefused: function () {
        notice.textContent = '这个浏览器不允许本页保存数据：存档不会被保留。';
        notice.hidden = false;
      },
    },
  };

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    fail('这个浏览器不支持 WebAssembly，无法运行游戏。\n请换用较新的 Chrome、Edge、Firefox 或 Safari。');
    return module;
  }

  // The saves are read from the browser's storage while the program downloads; the program
  // mounts them at this folder.
  quenlitSaves.start('/game/sav');

  // Both downloads at once; the program's code compiles as soon as it is here.
  var program = download('quenlit.wasm').then(function (bytes) {
    return WebAssembly.compile(bytes).catch(function () {
      throw {file: 'quenlit.wasm', damaged: true};
    });
  });
  var data = download('quenlit.data');
  program.catch(reportDownload).catch(function () {});

  module.instantiateWasm = function (imports, receive) {
    program.then(function (compiled) {
      return WebAssembly.instantiate(compiled, imports).then(function (instance) {
        receive(instance, compiled);
      });
    }).catch(function (error) {
      if (!failed) fail('游戏程序无法启动（' + error + '）。\n请刷新页面重试。');
    });
    return {};
  };

  // The program starts with the game folder in hand: emscripten asks for it by name.
  data.then(function (buffer) {
    module.getPreloadedPackage = function () { return buffer; };
    var script = document.createElement('script');
    script.src = 'quenlit.js';
    script.onerror = function () {
      fetch('quenlit.js', {method: 'HEAD'}).then(function (response) {
        missing('quenlit.js', response.ok ? '无法运行' : 'HTTP ' + response.status);
      }, function (error) {
        missing('quenlit.js', String(error && error.message || error));
      });
    };
    // A script cut short can still parse; the line that ends it tells it came whole.
    script.onload = function () {
      if (!module.quenlitProgramWhole) damaged('quenlit.js');
    };
    document.body.appendChild(script);
  }).catch(reportDownload).catch(function () {});

  window.addEventListener('error', function (event) {
    if (failed) return;
    if (/quenlit\.js$/.test(event.filename || '') && !module.calledRun) {
      damaged('quenlit.js');
    } else {
      fail('游戏出错了，请刷新页面重试。');
    }
  });

  // The game draws its own loading bar once it runs.
  module.preRun = [function () {
    status.textContent = '';
  }];

  // A page being hidden or closed may never run again: a save the player just asked for sets
  // off to the browser's storage now.
  function flush() {
    if (module.calledRun && module._quenlit_flush && !failed) module._quenlit_flush();
  }
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'hidden') flush();
  });
  window.addEventListener('pagehide', flush);

  // The scene follows the room it has: a change of the canvas's size on the page (a resized
  // window, a turned phone, full screen, the controls shown) reaches SDL as a window resize.
  if (window.ResizeObserver) {
    new ResizeObserver(function () {
      window.dispatchEvent(new Event('resize'));
    }).observe(canvas);
  }

  // Full screen shows the scene alone (with the touch controls on a touch screen).
  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(function () {});
    } else if (stage.requestFullscreen) {
      stage.requestFullscreen({navigationUI: 'hide'}).catch(function () {});
    }
    canvas.focus();
  }
  Array.prototype.forEach.call(document.querySelectorAll('.fullscreen'), function (button) {
    if (!document.fullscreenEnabled) button.hidden = true;
    button.addEventListener('click', toggleFullScreen);
  });
  window.addEventListener('keydown', function (event) {
    if (event.key !== 'F11' || !document.fullscreenEnabled) return;
    event.preventDefault();
    event.stopImmediatePropagation();
    if (!event.repeat) toggleFullScreen();
  }, true);

  // The game takes the keys wherever the focus is, and keeps the browser from scrolling.
  canvas.focus();
  document.addEventListener('click', function (event) {
    if (event.target.tagName !== 'BUTTON') canvas.focus();
  });

  // Once the game has loaded, the files are kept for playing offline (not sooner: fetching
  // them again would slow the first loading down); an update of the page brings its own
  // worker, which replaces them.
  function keepOffline() {
    if (!('serviceWorker' in navigator)) return;
    navigator.serviceWorker.register('quenlit-sw.js').catch(function (error) {
      console.log('quenlit: no offline copy: ' + error);
    });
  }

  return module;
})();

// The save folder's copy in the browser's IndexedDB, opened and read back as soon as the page
// opens: the first opening of a database in a browser can take most of a second, and the
// downloads now hide it. The program's storage (persistent_folder.js) takes the database and
// the files from here when it mounts the folder, and writes through the database from then on.
//
// The layout is that of emscripten's IDBFS, which kept the saves before: a database named
// after the folder's absolute path, version 21, whose store "FILE_DATA" maps each file's path
// to its time, mode and bytes. Saves that IDBFS stored load as they are.
var quenlitSaves = (function () {
  'use strict';
  var kDatabaseVersion = 21;
  var kStore = 'FILE_DATA';
  // Opening the database or committing a write that takes longer than this never ends (a
  // browser can leave both hanging without a word): it is given up.
  var kPatienceMs = 8000;

  // Copies the folder's stored files out of the database: done(files) with each file's bytes
  // by name, or done(null, why).
  function readBack(db, folder, done) {
    var files = {};
    try {
      var transaction = db.transaction([kStore], 'readonly');
      var cursor = transaction.objectStore(kStore).openCursor();
      cursor.onsuccess = function () {
        var entry = cursor.result;
        if (!entry) return;
        var path = String(entry.key);
        var name = path.slice(folder.length + 1);
        var value = entry.value;
        if (path.indexOf(folder + '/') === 0 && name.indexOf('/') < 0 && value &&
            value.contents) {
          files[name] = new Uint8Array(value.contents);
        }
        entry.continue();
      };
      transaction.oncomplete = function () {
        done(files);
      };
      transaction.onabort = function () {
        done(null, transaction.error || 'reading the saves was aborted');
      };
    } catch (error) {
      done(null, error);
    }
  }

  // Opens the folder's database and reads it back: done(db, files), or done(null, null, why)
  // when the browser keeps nothing.
  function open(folder, done) {
    var settled = false;
    var settle = function (db, files, why) {
      if (settled) return false;
      settled = true;
      clearTimeout(timer);
      done(db, files, why);
      return true;
    };
    var timer = setTimeout(function () {
      settle(null, null, 'the database did not open');
    }, kPatienceMs);
    var request;
    try {
      if (typeof indexedDB === 'undefined' || !indexedDB) throw new Error('no IndexedDB');
      request = indexedDB.open(folder, kDatabaseVersion);
    } catch (error) {
      settle(null, null, error);
      return;
    }
    request.onupgradeneeded = function () {
      var db = request.result;
      if (!db.objectStoreNames.contains(kStore)) {
        db.createObjectStore(kStore).createIndex('timestamp', 'timestamp', {unique: false});
      }
    };
    request.onerror = function (event) {
      event.preventDefault();
      settle(null, null, request.error || 'the database did not open');
    };
    request.onsuccess = function () {
      var db = request.result;
      if (settled) {
        db.close();
        return;
      }
      readBack(db, folder, function (files, why) {
        if (!settle(why ? null : db, files, why) || why) db.close();
      });
    };
  }

  // Each folder's opening: its result once ended, and who waits for it until then.
  var openings = {};

  return {
    kStore: kStore,
    kPatienceMs: kPatienceMs,
    // Starts opening the folder's database, unless that is under way already.
    start: function (folder) {
      if (openings[folder]) return;
      var opening = openings[folder] = {result: null, waiting: []};
      open(folder, function (db, files, why) {
        opening.result = [db, files, why];
        opening.waiting.forEach(function (done) {
          done(db, files, why);
        });
        opening.waiting = [];
      });
    },
    // Calls done(db, files) once the folder's database is open and read, or
    // done(null, null, why) when the browser keeps nothing; once per opening.
    whenOpen: function (folder, done) {
      this.start(folder);
      var opening = openings[folder];
      delete openings[folder];
      if (opening.result) {
        done.apply(null, opening.result);
      } else {
        opening.waiting.push(done);
      }
    },
  };
})();

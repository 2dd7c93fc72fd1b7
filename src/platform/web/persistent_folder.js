// The save folder's copy in IndexedDB (see persistent_folder.h). The page opens the database
// and reads it back as soon as it opens (saves.js in the page); this mounts what it read and
// writes every change through the database.
//
// The state lives in Module.quenlitStorage, where the page and its tests read it:
//   ready    the stored copy is read back (or the browser keeps nothing)
//   kept     the browser keeps the folder
//   pending  how many writes wait for the database
mergeInto(LibraryManager.library, {
  $QuenlitStorage__deps: ['$FS'],
  $QuenlitStorage: {
    folder: '',
    db: null,
    // Each file's bytes as last sent to the database, and as the database last confirmed.
    sent: {},
    stored: {},
    outcomes: {},
    nextWrite: 1,

    state: function() {
      if (!Module.quenlitStorage) Module.quenlitStorage = {ready: false, kept: false, pending: 0};
      return Module.quenlitStorage;
    },

    // The browser keeps nothing: the game plays on, and the page tells the player for good.
    refuse: function(why) {
      var state = QuenlitStorage.state();
      console.error('quenlit: the browser keeps no saves: ' + why);
      QuenlitStorage.db = null;
      state.kept = false;
      state.ready = true;
      if (Module.quenlitPage) Module.quenlitPage.storageRefused();
    },

    pathOf: function(name) {
      return QuenlitStorage.folder + '/' + name;
    },

    // Each file's time of change when its bytes were last looked at.
    looked: {},

    // The folder's files written since they were last looked at, with their bytes. Store()
    // runs after every frame: a file that did not change is not read again.
    changedFiles: function() {
      var files = {};
      FS.readdir(QuenlitStorage.folder).forEach(function(name) {
        var path = QuenlitStorage.pathOf(name);
        var stat = FS.stat(path);
        var time = stat.mtime.getTime();
        if (!FS.isFile(stat.mode) || QuenlitStorage.looked[name] === time) return;
        QuenlitStorage.looked[name] = time;
        files[name] = FS.readFile(path);
      });
      return files;
    },

    same: function(a, b) {
      if (!a || !b || a.length !== b.length) return false;
      for (var i = 0; i < a.length; ++i)
        if (a[i] !== b[i]) return false;
      return true;
    },

    mount: function(folder) {
      QuenlitStorage.folder = folder;
      var state = QuenlitStorage.state();
      try {
        FS.mkdir(folder);
      } catch (error) {
        // already there
      }
      quenlitSaves.whenOpen(folder, function(db, files, why) {
        if (why) {
          QuenlitStorage.refuse(why);
          return;
        }
        Object.keys(files).forEach(function(name) {
          FS.writeFile(QuenlitStorage.pathOf(name), files[name]);
        });
        QuenlitStorage.sent = files;
        QuenlitStorage.stored = Object.assign({}, files);
        QuenlitStorage.db = db;
        // Another tab upgrading the database asks this one to let go.
        db.onversionchange = function() {
          db.close();
          QuenlitStorage.refuse('another page took the database over');
        };
        state.kept = true;
        state.ready = true;
      });
    },

    store: function() {
      var changed = {};
      var files = QuenlitStorage.changedFiles();
      Object.keys(files).forEach(function(name) {
        if (!QuenlitStorage.same(files[name], QuenlitStorage.sent[name])) changed[name] = files[name];
      });
      var names = Object.keys(changed);
      if (!names.length) return 0;
      var id = QuenlitStorage.nextWrite++;
      var state = QuenlitStorage.state();
      names.forEach(function(name) {
        QuenlitStorage.sent[name] = changed[name];
      });
      QuenlitStorage.outcomes[id] = 'pending';
      state.pending += 1;
      var ended = false;
      var end = function(outcome, why) {
        if (ended) return;
        ended = true;
        clearTimeout(timer);
        state.pending -= 1;
        QuenlitStorage.outcomes[id] = outcome;
        if (outcome === 'stored') {
          names.forEach(function(name) {
            QuenlitStorage.stored[name] = changed[name];
          });
        } else {
          console.error('quenlit: the save was not kept: ' + why);
          QuenlitStorage.putBack(changed);
        }
      };
      var timer = setTimeout(function() {
        try {
          transaction.abort();
        } catch (error) {
          // already ended
        }
        end('lost', 'the browser did not store it in time');
      }, quenlitSaves.kPatienceMs);
      var transaction = null;
      if (!QuenlitStorage.db) {
        end('lost', 'the browser keeps no saves');
        return id;
      }
      try {
        // "strict": complete only once the bytes are on the disk, not merely handed over.
        transaction = QuenlitStorage.db.transaction([quenlitSaves.kStore], 'readwrite',
                                                     {durability: 'strict'});
        var store = transaction.objectStore(quenlitSaves.kStore);
        names.forEach(function(name) {
          var path = QuenlitStorage.pathOf(name);
          store.put({timestamp: new Date(), mode: FS.stat(path).mode, contents: changed[name]},
                    path);
        });
        transaction.oncomplete = function() {
          end('stored');
        };
        // A failed request aborts the transaction, and a refused commit (no space, say)
        // aborts it without any request failing: the abort is the one end of both.
        transaction.onabort = function() {
          end('lost', transaction.error || 'the write was aborted');
        };
        if (transaction.commit) transaction.commit();
      } catch (error) {
        end('lost', error);
      }
      return id;
    },

    // A write that was lost leaves the folder as the browser keeps it, unless the game wrote
    // the file again since.
    putBack: function(lost) {
      Object.keys(lost).forEach(function(name) {
        var path = QuenlitStorage.pathOf(name);
        var now;
        try {
          now = FS.readFile(path);
        } catch (error) {
          return;
        }
        if (!QuenlitStorage.same(now, lost[name])) return;
        var kept = QuenlitStorage.stored[name];
        if (kept) {
          FS.writeFile(path, kept);
        } else {
          FS.unlink(path);
        }
        QuenlitStorage.sent[name] = kept;
      });
    },
  },

  quenlit_mount_folder__deps: ['$QuenlitStorage'],
  quenlit_mount_folder: function(path) {
    QuenlitStorage.mount(FS.cwd() + '/' + UTF8ToString(path));
  },

  quenlit_folder_ready__deps: ['$QuenlitStorage'],
  quenlit_folder_ready: function() {
    return QuenlitStorage.state().ready ? 1 : 0;
  },

  quenlit_store_folder__deps: ['$QuenlitStorage'],
  quenlit_store_folder: function() {
    return QuenlitStorage.store();
  },

  // 0 pending, 1 stored, 2 lost.
  quenlit_write_outcome__deps: ['$QuenlitStorage'],
  quenlit_write_outcome: function(id) {
    var outcome = QuenlitStorage.outcomes[id];
    if (outcome === 'pending') return 0;
    delete QuenlitStorage.outcomes[id];
    return outcome === 'stored' ? 1 : 2;
  },
});

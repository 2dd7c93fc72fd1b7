#include "platform/web/persistent_folder.h"

#include <emscripten.h>

#include <filesystem>

namespace quenlit::platform::web {
namespace {

// The JavaScript side keeps one state per page: whether the stored copy has been read back,
// and whether a write is running or wanted, so that writes never overlap. (No arrow
// functions: the C preprocessor would split their "=>".)
// clang-format off
EM_JS(void, MountPersistentFolder, (const char* path), {
  var folder = UTF8ToString(path);
  var state = Module.quenlitStorage = {ready: false, writing: false, again: false};
  function refused(error) {
    console.error('quenlit: the saves last only until the page is closed: ' + error);
    var status = document.getElementById('status');
    if (status) status.textContent = '浏览器不允许长期保存，存档只保留到关闭页面。';
  }
  try {
    FS.mkdir(folder);
  } catch (error) {
    // already there
  }
  try {
    FS.mount(IDBFS, {}, folder);
  } catch (error) {
    refused(error);
    state.ready = true;
    return;
  }
  FS.syncfs(true, function(error) {
    if (error) refused(error);
    state.ready = true;
  });
});

EM_JS(int, PersistentFolderReady, (), {
  return Module.quenlitStorage.ready ? 1 : 0;
});

EM_JS(void, WritePersistentFolder, (), {
  var state = Module.quenlitStorage;
  if (state.writing) {
    state.again = true;
    return;
  }
  function write() {
    state.writing = true;
    state.again = false;
    FS.syncfs(false, function(error) {
      state.writing = false;
      if (error) console.error('quenlit: the save could not be stored: ' + error);
      if (state.again) write();
    });
  }
  write();
});
// clang-format on

}  // namespace

PersistentFolder::PersistentFolder(std::string path) : path_(std::move(path)) {
  MountPersistentFolder(path_.c_str());
}

bool PersistentFolder::Ready() const {
  return PersistentFolderReady() != 0;
}

void PersistentFolder::Sync() {
  if (!Ready()) return;
  std::string now = Fingerprint();
  if (now == written_ && noted_) return;
  written_ = std::move(now);
  if (noted_) WritePersistentFolder();
  noted_ = true;
}

// Names, sizes and times of the folder's files: cheap to take after every key press, and
// different after every save.
std::string PersistentFolder::Fingerprint() const {
  std::string print;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path_, error)) {
    print += entry.path().filename().string();
    print += ':' + std::to_string(static_cast<unsigned long long>(entry.file_size(error)));
    print += ':' +
             std::to_string(
                 static_cast<long long>(entry.last_write_time(error).time_since_epoch().count())) +
             ';';
  }
  return print;
}

}  // namespace quenlit::platform::web

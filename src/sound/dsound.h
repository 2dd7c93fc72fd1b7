#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/missing_names.h"
#include "platform/audio.h"

namespace quenlit {

// The game's sound player: WAVE files held in memory, played once each on request by file
// name or by a short effect name, up to 40 at a time.
class DSound {
 public:
  struct SOUND_LOADBUFF {
    std::vector<uint8_t> data;
    platform::WaveFormat format;
    uint32_t size = 0;
  };

  // Sounds in memory by file name, with the short effect names that point at them. The
  // loader fills a bank of its own and hands it over whole when loading ends.
  struct Bank {
    std::map<std::string, SOUND_LOADBUFF> buffers;
    std::map<std::string, std::string> names;

    // Loads basePath + fileName; a missing or broken file leaves an empty entry.
    void LoadWave(const std::string& basePath, const std::string& fileName);
    void AddSound(const std::string& name, const std::string& basePath,
                  const std::string& fileName);
  };

  static constexpr int kSlots = 40;

  // Binds the output; without an open device the game runs silent.
  void SetDevice(platform::AudioDevice* device) { device_ = device; }
  bool HasDevice() const { return device_ != nullptr && device_->IsOpen(); }

  void SetBasePath(const std::string& directory) { basePath_ = directory; }
  // Loads basePath + fileName; a missing or broken file leaves an empty entry.
  void LoadWave(const std::string& fileName) { bank_.LoadWave(basePath_, fileName); }
  void AddSound(const std::string& name, const std::string& fileName) {
    bank_.AddSound(name, basePath_, fileName);
  }
  // Takes every sound of a loaded bank, replacing those of the same names.
  void Adopt(Bank&& bank);
  // Plays a loaded file once at the game clock now; false when nothing was started. A file or
  // name never loaded is reported once on stderr.
  bool Play(const std::string& fileName, float now);
  bool PlayByName(const std::string& name, float now);

  // Called with the file name of every play that starts.
  std::function<void(const std::string&)> onPlay;

  const std::map<std::string, SOUND_LOADBUFF>& Buffers() const { return bank_.buffers; }
  const std::map<std::string, std::string>& Names() const { return bank_.names; }

  ~DSound();

 private:
  int FindFreeSlot();

  platform::AudioDevice* device_ = nullptr;
  std::array<int, kSlots + 1> slots_ = [] {
    std::array<int, kSlots + 1> empty{};
    empty.fill(-1);
    return empty;
  }();  // voice handles; index 0 unused, 1..40 form the ring
  std::map<std::string, float> lastPlayed_;
  Bank bank_;
  MissingNames missing_;
  std::string basePath_;
  int cursor_ = 1;
};

}  // namespace quenlit

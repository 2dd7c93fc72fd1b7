#include "sound/dsound.h"

#include "data/paths.h"
#include "sound/wave_file.h"

namespace quenlit {

DSound::~DSound() {
  if (!device_) return;
  for (int& voice : slots_) {
    if (voice >= 0) device_->ReleaseVoice(voice);
    voice = -1;
  }
}

void DSound::Bank::LoadWave(const std::string& basePath, const std::string& fileName) {
  SOUND_LOADBUFF& entry = buffers[fileName];
  WaveData wave;
  if (!ReadWaveFile(ResolveGamePath(basePath + fileName), wave)) {
    entry = SOUND_LOADBUFF{};
    return;
  }
  entry.format = wave.format;
  entry.size = static_cast<uint32_t>(wave.samples.size());
  entry.data = std::move(wave.samples);
}

void DSound::Bank::AddSound(const std::string& name, const std::string& basePath,
                            const std::string& fileName) {
  LoadWave(basePath, fileName);
  names[name] = fileName;
}

void DSound::Adopt(Bank&& bank) {
  for (auto& [file, buffer] : bank.buffers) bank_.buffers.insert_or_assign(file, std::move(buffer));
  for (auto& [name, file] : bank.names) bank_.names.insert_or_assign(name, std::move(file));
}

int DSound::FindFreeSlot() {
  // Looks at the 39 slots after the one handed out last, in ring order.
  const int start = cursor_;
  while (true) {
    cursor_ = cursor_ % kSlots + 1;
    if (cursor_ == start) return -1;
    const int voice = slots_[cursor_];
    if (voice < 0 || !device_->IsPlaying(voice)) return cursor_;
  }
}

bool DSound::Play(const std::string& fileName, float now) {
  if (!HasDevice()) return false;
  float& last = lastPlayed_[fileName];
  if (now - last < 0.05f) return false;  // the same file is not started twice within 50 ms
  last = now;
  const int slot = FindFreeSlot();
  if (slot < 0) return false;
  if (slots_[slot] >= 0) {
    device_->ReleaseVoice(slots_[slot]);
    slots_[slot] = -1;
  }
  const auto found = bank_.buffers.find(fileName);
  if (found == bank_.buffers.end()) {
    missing_.Report("sound", fileName);
    return false;
  }
  const SOUND_LOADBUFF& entry = found->second;
  if (entry.size == 0) return false;
  slots_[slot] = device_->StartVoice(entry.format, entry.data.data(), entry.size);
  if (slots_[slot] < 0) return false;
  if (onPlay) onPlay(fileName);
  return true;
}

bool DSound::PlayByName(const std::string& name, float now) {
  const auto found = bank_.names.find(name);
  if (found == bank_.names.end()) {
    missing_.Report("sound", name);
    return false;
  }
  return Play(found->second, now);
}

}  // namespace quenlit

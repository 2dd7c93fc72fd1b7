#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/loading/load_bundle.h"
#include "platform/workers.h"

namespace quenlit {

class Game;
namespace platform {
class Canvas;
}

// The loading sequence as a list of steps, one per progress checkpoint (with a few quiet steps
// before the first). Each step builds into a bundle of its own; the game sees none of it until
// the last step publishes the whole bundle at once, under the render lock, and then leaves the
// screen Loading. Only the loading screen's own pictures are handed over earlier, so that it
// can show them while the rest loads.
//
// Nothing here waits for the main thread: the loading thread runs the steps one after the
// other and hands the lock over between them, and a program without threads can run a few
// steps per frame from its main loop.
class LoadingSequence {
 public:
  explicit LoadingSequence(Game& game);
  LoadingSequence(const LoadingSequence&) = delete;
  LoadingSequence& operator=(const LoadingSequence&) = delete;

  // Runs the next step. False when it failed: the game cannot start.
  bool RunNextStep();
  bool Finished() const { return next_ == steps_.size(); }
  // Whether the next step is the last, which hands everything loaded to the game and starts
  // play: a program may hold it back until what play needs besides (the saves) is in.
  bool PlayIsNext() const { return next_ + 1 == steps_.size(); }
  // The progress value the last step published, 0 when it published none.
  int32_t LastCheckpoint() const { return lastCheckpoint_; }

  // A picture's registry name and the file it comes from.
  using NamedPicture = std::pair<std::string, std::string>;

 private:
  struct Step {
    int32_t checkpoint = 0;  // published once the step is done; 0 for none
    std::function<bool()> run;
  };

  void Add(int32_t checkpoint, std::function<bool()> run);
  // Runs work while the renderer cannot draw: it creates bitmaps on the shared canvas.
  void UnderRenderLock(const std::function<void()>& work);
  bool CheckDataFiles();
  // One line on stderr naming the file and what is wrong with it, once for each file.
  void Report(const std::string& path, const std::string& reason);
  // Reports each picture that did not load, missing or damaged.
  void ReportPictures(const ImageRegistry& images, const std::vector<NamedPicture>& pictures);
  void ReportSounds();
  // True when the folder is there; otherwise reports it once, with what follows for the game.
  bool FolderPresent(const std::string& folder, const std::string& consequence);
  void PublishLoadingScreen();
  void QueueCatalogueImages(platform::Canvas* canvas);
  // Waits for the group's pictures and puts them in the bundle in the catalogue's order.
  void AdoptDecodedGroup(size_t group);
  void Publish();

  Game& game_;
  LoadBundle bundle_;
  // Each catalogue group's pictures as the workers decode them, and when each is done.
  std::vector<std::vector<CD2DImage>> decoded_;
  std::vector<std::vector<std::future<void>>> pending_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  int32_t lastCheckpoint_ = 0;
  std::set<std::string> reported_;
  std::unique_ptr<platform::Workers> workers_;  // last: stops before what its jobs write to goes
};

}  // namespace quenlit

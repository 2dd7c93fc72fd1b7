#pragma once

namespace quenlit {

// What the game tells the player after S: the save is kept, or it is not.
inline constexpr char kSavedNotice[] = "保存游戏成功";
inline constexpr char kSaveFailedNotice[] = "保存游戏失败：无法写入存档";

// What the game tells the player after A: the save is back, or there is none to load.
inline constexpr char kLoadedNotice[] = "读取游戏成功";
inline constexpr char kLoadFailedNotice[] = "读取游戏失败：存档不存在或已损坏";

}  // namespace quenlit

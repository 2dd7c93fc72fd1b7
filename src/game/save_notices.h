#pragma once

namespace quenlit {

// What the game tells the player after S: the save is kept, or it is not.
inline constexpr char kSavedNotice[] = "保存游戏成功";
inline constexpr char kSaveFailedNotice[] = "保存游戏失败：无法写入存档";

}  // namespace quenlit

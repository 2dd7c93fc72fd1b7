#pragma once

// The texts that the comfort options of config.ini put on screen, in one place so that they
// can join the game's other texts wherever those are kept.
namespace quenlit::comfort_text {

// The note of a door whose key the hero lacks, by the key's colour.
inline constexpr const char* kNeedYellowKey = "需要黄钥匙";
inline constexpr const char* kNeedBlueKey = "需要蓝钥匙";
inline constexpr const char* kNeedRedKey = "需要红钥匙";

// The hint of a new game, and the help overlay that F1 or H opens.
inline constexpr const char* kHelpHint = "F1 帮助";
inline constexpr const char* kHelpTitle = "按键说明";
struct HelpRow {
  const char* keys;
  const char* meaning;
};
inline constexpr HelpRow kHelpRows[] = {
    {"方向键", "行走，走向物品、门、人物或怪物即与之互动"},
    {"D", "怪物手册（左右键翻页）"},
    {"G / F", "用金币购买攻击力 / 防御力"},
    {"S 或 E", "保存游戏"},
    {"A 或 L", "读取存档"},
    {"P", "暂停"},
    {"Q", "战斗中撤退"},
    {"Enter / Esc", "关闭消息、对话或手册"},
    {"M", "显示或隐藏地图上的伤害"},
    {"F8", "切换窗口大小"},
    {"手柄", "十字键行走，A 确认，B 撤退，X 手册，Y 保存"},
};
inline constexpr const char* kHelpClose = "按任意键关闭";

// The way out of the end screens.
inline constexpr const char* kGameOverChoices = "A 读取存档    R 回到本层开始    N 新游戏";
inline constexpr const char* kNoAutosave = "读取自动存档失败：存档不存在或已损坏";
inline constexpr const char* kAutosaveLoaded = "已回到本层开始";
inline constexpr const char* kVictoryTitle = "通关记录";
inline constexpr const char* kVictoryTime = "用时 %d:%02d:%02d";
inline constexpr const char* kVictorySteps = "步数 %d    战斗 %d    存档 %d 次";
inline constexpr const char* kVictoryHero = "体力 %d    攻击力 %d    防御力 %d";
inline constexpr const char* kVictoryAgain = "N 或 Enter 开始新游戏";

}  // namespace quenlit::comfort_text

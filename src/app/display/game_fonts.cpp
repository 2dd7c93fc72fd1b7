#include "app/display/game_fonts.h"

#include "data/paths.h"

namespace quenlit {

platform::FontLocator MakeGameFontLocator() {
  return platform::FontLocator(ResolveGamePath("./Fonts"), {
                                                               {"微软雅黑", "Smiley Sans"},
                                                               {"宋体", "AR PL SungtiL GB"},
                                                               {"汉仪雁翎体简", "AR PL KaitiM GB"},
                                                               {"迷你简娃娃篆", "LXGW WenKai"},
                                                               {"迷你简中特广告", "Smiley Sans"},
                                                               {"Scrivane", "Dancing Script"},
                                                           });
}

void InstallFonts(const platform::FontLocator& fonts) {
  fonts.RegisterFolder();
}

}  // namespace quenlit

// quenlit-contact-sheet: one PNG showing every picture of the game with its name, for review.
//
//   quenlit-contact-sheet GAME_DIR OUT.png
#include <cmath>
#include <iostream>
#include <string>
#include <vector>

#include "app/loading/embedded_resources.h"
#include "palette.h"
#include "picture.h"
#include "plan.h"

namespace quenlit::assetgen {
namespace {

constexpr int kCell = 96, kLabel = 14, kColumns = 16;

struct Closure {
  const uint8_t* bytes;
  size_t left;
};

cairo_status_t ReadBytes(void* closure, unsigned char* data, unsigned int length) {
  auto* source = static_cast<Closure*>(closure);
  if (length > source->left) return CAIRO_STATUS_READ_ERROR;
  std::copy(source->bytes, source->bytes + length, data);
  source->bytes += length;
  source->left -= length;
  return CAIRO_STATUS_SUCCESS;
}

Picture EmbeddedReward() {
  const EmbeddedResources resources = EmbeddedGameResources();
  Closure closure{resources.rewardPng, resources.rewardPngSize};
  if (!closure.bytes) return Picture(0, 0);
  return Picture(cairo_image_surface_create_from_png_stream(ReadBytes, &closure));
}

void DrawCell(Picture& sheet, int index, const Picture& picture, const std::string& label) {
  cairo_t* cr = sheet.Cairo();
  const double x = (index % kColumns) * kCell, y = (index / kColumns) * (kCell + kLabel);
  // A checkerboard shows what is transparent.
  for (int i = 0; i < 8; ++i) {
    for (int j = 0; j < 8; ++j) {
      SetColour(cr, (i + j) % 2 ? 0x3a3a44 : 0x2a2a32);
      cairo_rectangle(cr, x + i * kCell / 8.0, y + j * kCell / 8.0, kCell / 8.0, kCell / 8.0);
      cairo_fill(cr);
    }
  }
  if (picture.Width() > 0) {
    const double scale =
        std::min(double(kCell - 4) / picture.Width(), double(kCell - 4) / picture.Height());
    const double w = picture.Width() * scale, h = picture.Height() * scale;
    // Small pictures are pixel art: show them crisp.
    sheet.Blit(picture, x + (kCell - w) / 2, y + (kCell - h) / 2, w, h, picture.Width() <= 64);
  } else {
    SetColour(cr, colour::kRed);
    cairo_move_to(cr, x + 10, y + 10);
    cairo_line_to(cr, x + kCell - 10, y + kCell - 10);
    cairo_stroke(cr);
  }
  SetColour(cr, colour::kWhite);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 10);
  cairo_move_to(cr, x + 2, y + kCell + 11);
  cairo_show_text(cr, label.substr(0, 16).c_str());
}

int Main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quenlit-contact-sheet GAME_DIR OUT.png" << std::endl;
    return 2;
  }
  const std::string gameDir = argv[1];
  const std::vector<PlannedPicture> plan = PlanPictures();
  const int count = static_cast<int>(plan.size()) + 1;
  const int rows = (count + kColumns - 1) / kColumns;
  Picture sheet(kColumns * kCell, rows * (kCell + kLabel));
  SetColour(sheet.Cairo(), 0x18181e);
  cairo_paint(sheet.Cairo());
  DrawCell(sheet, 0, EmbeddedReward(), "flag");
  int missing = 0;
  for (size_t i = 0; i < plan.size(); ++i) {
    const Picture picture = ReadPng(gameDir + "/Images/" + plan[i].file);
    missing += picture.Width() == 0;
    DrawCell(sheet, static_cast<int>(i) + 1, picture, plan[i].name);
  }
  if (!sheet.WritePng(argv[2])) {
    std::cerr << "quenlit-contact-sheet: cannot write " << argv[2] << std::endl;
    return 1;
  }
  if (missing > 0) {
    std::cerr << "quenlit-contact-sheet: " << missing << " pictures missing in " << gameDir
              << "/Images (crossed out)" << std::endl;
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace quenlit::assetgen

int main(int argc, char** argv) {
  return quenlit::assetgen::Main(argc, argv);
}

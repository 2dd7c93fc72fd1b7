#include "app/settings/command_line.h"
#include "base/key_codes.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "game/types.h"
#include "game_texts.h"
#include "platform/gamepad_layout.h"

namespace quenlit {
namespace {

// One option of the command line. An option that takes a value (its `value` names it in the
// help) accepts it as the next argument or after "=".
struct Option {
  std::string_view name;       // "--help"
  std::string_view shortName;  // "-h", or empty
  std::string_view value;      // "FILE", or empty for a switch
  std::string_view help;
  void (*apply)(CommandLine& line, const std::string& value);
};

void Finish(CommandLine& line, int code, std::string output) {
  line.exitCode = code;
  line.output = std::move(output);
}

const Option kOptions[] = {
    {"--help", "-h", "", "show this help and exit",
     [](CommandLine& line, const std::string&) { Finish(line, 0, HelpText()); }},
    {"--version", "-V", "", "print the version and exit",
     [](CommandLine& line, const std::string&) {
       Finish(line, 0, "Quenlit " QUENLIT_VERSION "\n");
     }},
    {"--root", "", "DIR", "play the game folder DIR instead of the one the program finds",
     [](CommandLine& line, const std::string& folder) { line.root = folder; }},
    {"--record", "", "FILE", "write the session to FILE as a script that quenlit-sim replays",
     [](CommandLine& line, const std::string& file) { line.recordFile = file; }},
    {"--replay", "", "FILE", "play the script FILE (a recorded session) in the window",
     [](CommandLine& line, const std::string& file) { line.replayFile = file; }},
};

// The keys as the player meets them, for the help.
const std::pair<std::string_view, std::string_view> kKeys[] = {
    {"arrows", "walk; walking into something acts on it"},
    {"D", "the monster manual of this floor (Left/Right turn pages, Enter closes)"},
    {"G / F", "buy 3 attack / 4 defence for gold; the price rises by one each time"},
    {"S or E", "save the game"},
    {"A or L", "load the saved game"},
    {"P", "pause"},
    {"Q", "retreat from a battle"},
    {"Enter", "close a message, a speech box or the manual; collect a battle's reward"},
    {"F8", "cycle the window size"},
    {"Alt+/", "about the game"},
    // The keys the comfort options of config.ini add.
    {"Esc", "close a message, a speech box or the manual (QuickMessages)"},
    {"F1 or H", "show the keys; any key closes them (HelpKeys)"},
    {"M", "show or hide the damage numbers on the map (DamageNumbers)"},
    {"A / R / N", "after a defeat: load the save / the floor's autosave / new game (EndScreens)"},
};

// The "[Comfort]" keys of config.ini, for the help, which quotes the game's own hint.
const std::string kHelpKeysMeaning =
    std::string("F1 or H shows the keys; a new game says \"") + texts::kHelpHint + "\"";
const std::pair<std::string_view, std::string_view> kComfortKeys[] = {
    {"QuickMessages=1", "an arrow closes a message and walks on; Esc closes like Enter"},
    {"HelpKeys=1", kHelpKeysMeaning},
    {"LockedDoorNote=1", "a door without its key knocks and names the key it wants"},
    {"Autosave=1", "each floor reached is saved to sav/auto-FLOOR.sav, never over the save"},
    {"EndScreens=1", "the end screens offer a way on: load, autosave, new game; a summary"},
    {"DamageNumbers=1|hidden", "the manual's estimate on each monster; M toggles it"},
    {"FitWindow=1", "the window is centred, fits the display, and F8 keeps to what fits"},
    {"CrispPixels=1", "under Scale=fit, pixel art is enlarged sharply"},
};

// Rows of two columns, the second aligned past the widest first one.
std::string Table(const std::vector<std::pair<std::string, std::string_view>>& rows) {
  size_t width = 0;
  for (const auto& row : rows) width = std::max(width, row.first.size());
  std::string text;
  for (const auto& [left, right] : rows) {
    text += "  " + left + std::string(width - left.size() + 2, ' ');
    text += right;
    text += '\n';
  }
  return text;
}

// A key as the help writes it.
std::string_view KeyName(uint32_t key) {
  static const std::string kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  if (key == vk::kEnter) return "Enter";
  if (key == vk::kF8) return "F8";
  if (key >= 'A' && key <= 'Z') return std::string_view(kLetters).substr(key - 'A', 1);
  return "?";
}

}  // namespace

std::string HelpText() {
  std::vector<std::pair<std::string, std::string_view>> options;
  for (const Option& option : kOptions) {
    std::string left = option.shortName.empty() ? "    " : std::string(option.shortName) + ", ";
    left += option.name;
    if (!option.value.empty()) left += " " + std::string(option.value);
    options.emplace_back(left, option.help);
  }
  std::vector<std::pair<std::string, std::string_view>> keys;
  for (const auto& [key, meaning] : kKeys) keys.emplace_back(std::string(key), meaning);
  std::vector<std::pair<std::string, std::string_view>> pad{
      {"D-pad, left stick", "the arrows, repeating while held"}};
  for (const platform::PadBinding& binding : platform::kPadBindings)
    if (binding.label) pad.emplace_back(binding.label, KeyName(binding.key));

  std::vector<std::pair<std::string, std::string_view>> comfort;
  for (const auto& [key, meaning] : kComfortKeys) comfort.emplace_back(std::string(key), meaning);

  return "Usage: quenlit [OPTION]...\n"
         "Quenlit, a tile role-playing game: lead the hero up the tower, floor by floor.\n"
         "\nOptions:\n" +
         Table(options) + "\nKeys:\n" + Table(keys) + "\nGamepad (as the keys above):\n" +
         Table(pad) +
         "\nComfort options, in the [Comfort] section of config.ini (each off unless set; the\n"
         "shipped config.ini sets them all; the keys marked with one above need it):\n" +
         Table(comfort);
}

CommandLine ParseCommandLine(int argc, const char* const argv[]) {
  CommandLine line;
  const auto fail = [&line](const std::string& what) {
    line.exitCode = 2;
    line.errors = "quenlit: " + what + "\nTry 'quenlit --help' for more information.\n";
    return line;
  };
  for (int i = 1; i < argc && !line.exitCode; ++i) {
    const std::string argument = argv[i];
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const auto option =
        std::find_if(std::begin(kOptions), std::end(kOptions), [&](const Option& o) {
          return name == o.name || (!o.shortName.empty() && name == o.shortName);
        });
    if (option == std::end(kOptions)) {
      return fail(argument.starts_with("-") ? "unknown option '" + argument + "'"
                                            : "unexpected argument '" + argument + "'");
    }
    const std::string optionName(option->name);
    std::string value;
    if (option->value.empty()) {
      if (equals != std::string::npos) return fail("option '" + optionName + "' takes no value");
    } else if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else if (i + 1 < argc) {
      value = argv[++i];
    }
    if (!option->value.empty() && value.empty())
      return fail("option '" + optionName + "' needs a " + std::string(option->value));
    option->apply(line, value);
  }
  return line;
}

}  // namespace quenlit

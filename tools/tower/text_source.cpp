#include "text_source.h"

#include <set>
#include <sstream>

#include "source_text.h"

namespace quenlit::tower {
namespace {

// A name the code can use as it is, after a 'k': a capital, then letters and digits.
bool IsName(const std::string& name) {
  if (name.empty() || name.front() < 'A' || name.front() > 'Z') return false;
  for (const char c : name) {
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && (c < '0' || c > '9')) return false;
  }
  return true;
}

// "(%d, %s)": the kinds of the arguments the code gives, "ds"; nothing when malformed.
std::optional<std::string> ParseArguments(const std::string& list) {
  std::string kinds;
  std::istringstream in(list);
  for (std::string argument; std::getline(in, argument, ',');) {
    const auto first = argument.find_first_not_of(' ');
    const auto last = argument.find_last_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    argument = argument.substr(first, last - first + 1);
    if (argument != "%d" && argument != "%s") return std::nullopt;
    kinds += argument[1];
  }
  if (kinds.empty() || list.back() == ',') return std::nullopt;
  return kinds;
}

// The kinds of the conversions a text holds, in order: "%d" and "%s" with flags and a width
// ("%-3d", "%02d"); "%%" is a percent sign. Any other '%' (a precision, a length, '*', another
// letter) is refused with what was found, since printf would read what the code never gives.
std::optional<std::string> Conversions(const std::string& text, std::string& bad) {
  std::string kinds;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    size_t end = i + 1;
    if (end < text.size() && text[end] == '%') {
      i = end;
      continue;
    }
    end = text.find_first_not_of("-+ #0", end);
    if (end != std::string::npos) end = text.find_first_not_of("0123456789", end);
    if (end == std::string::npos || (text[end] != 'd' && text[end] != 's')) {
      bad = text.substr(i, end == std::string::npos ? std::string::npos : end - i + 1);
      return std::nullopt;
    }
    kinds += text[end];
    i = end;
  }
  return kinds;
}

std::string Listed(const std::string& kinds) {
  std::string list;
  for (const char kind : kinds) list += (list.empty() ? "%" : ", %") + std::string(1, kind);
  return list;
}

// Why the text cannot be formatted with the arguments the code gives, if it cannot. It may
// leave arguments out from the end (the gold's notice names its amount in words), never use
// one more or of another kind.
std::optional<std::string> FormatProblem(const TextSource& entry) {
  std::string bad;
  const auto used = Conversions(entry.text, bad);
  if (!used) return "\"" + bad + "\" is not a conversion: a text holds %d, %s or %% alone";
  if (!entry.arguments) {
    if (entry.text.find('%') == std::string::npos) return std::nullopt;
    return "the game shows this text as it is, without arguments: it holds no %";
  }
  const std::string& given = *entry.arguments;
  if (used->size() > given.size() || given.compare(0, used->size(), *used) != 0) {
    return "the text asks for " + Listed(*used) + ", but the game gives " + Listed(given) +
           " (in this order; the last may be left out)";
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<TextSource>> ReadTexts(const std::string& path, std::string& error) {
  const auto lines = ReadSourceLines(path);
  if (!lines) {
    error = path + ": cannot be read";
    return std::nullopt;
  }
  std::vector<TextSource> texts;
  std::set<std::string> names;
  for (const SourceLine& line : *lines) {
    const auto equals = line.text.find(" = ");
    if (equals == std::string::npos) {
      error = line.Problem("a line reads \"Name = text\" or \"Name(%d, %s) = text\"");
      return std::nullopt;
    }
    TextSource entry;
    std::string head = line.text.substr(0, equals);
    const auto open = head.find('(');
    if (open != std::string::npos) {
      entry.arguments = head.back() == ')'
                            ? ParseArguments(head.substr(open + 1, head.size() - open - 2))
                            : std::nullopt;
      if (!entry.arguments) {
        error =
            line.Problem("the arguments read \"(%d)\", \"(%d, %s)\", ...: %d a number, %s a text");
        return std::nullopt;
      }
      head.erase(open);
    }
    entry.name = head;
    if (!IsName(entry.name)) {
      error = line.Problem("\"" + entry.name +
                           "\" is not a name: a capital letter, then letters and digits");
      return std::nullopt;
    }
    if (!names.insert(entry.name).second) {
      error = line.Problem("\"" + entry.name + "\" is given twice");
      return std::nullopt;
    }
    const auto text = Unescape(line.text.substr(equals + 3));
    if (!text) {
      error =
          line.Problem("\"" + entry.name + "\" takes a text whose only escapes are \\n and \\\\");
      return std::nullopt;
    }
    entry.text = *text;
    if (const auto problem = FormatProblem(entry)) {
      error = line.Problem("\"" + entry.name + "\": " + *problem);
      return std::nullopt;
    }
    texts.push_back(std::move(entry));
  }
  return texts;
}

std::string TextTableSource(const std::vector<TextSource>& texts) {
  std::ostringstream out;
  out << "// Written by quenlit-tables from res/texts.txt: change that file, not this.\n"
         "#pragma once\n\n"
         "#include \"base/text_format.h\"\n\n"
         "namespace quenlit::texts {\n\n";
  for (const TextSource& entry : texts) {
    if (!entry.arguments) {
      out << "inline constexpr char k" << entry.name << "[] = " << Literal(entry.text) << ";\n";
      continue;
    }
    std::string types;
    for (const char kind : *entry.arguments)
      types +=
          (types.empty() ? "" : ", ") + std::string(kind == 'd' ? "int" : "const std::string&");
    out << "inline constexpr TextFormat<" << types << "> k" << entry.name << "{"
        << Literal(entry.text) << "};\n";
  }
  out << "\n}  // namespace quenlit::texts\n";
  return out.str();
}

}  // namespace quenlit::tower

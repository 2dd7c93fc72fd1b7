#include "data/ini_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "data/paths.h"
#include "platform/utf8_path.h"

namespace quenlit {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

}  // namespace

IniFile IniFile::Load(const std::string& path) {
  // A folder or a device (a link to /dev/zero) is no initialisation file, and reading one
  // could take the whole memory.
  const std::filesystem::path resolved = platform::PathFromUtf8(ResolveGamePath(path));
  std::error_code error;
  if (!std::filesystem::is_regular_file(resolved, error)) return IniFile();
  std::ifstream in(resolved, std::ios::binary);
  std::string text(kLargestFile, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  return Parse(text);
}

IniFile IniFile::Parse(const std::string& text) {
  IniFile file;
  std::map<std::string, std::string>* section = nullptr;
  std::istringstream lines(text);
  std::string line;
  bool firstLine = true;
  while (std::getline(lines, line)) {
    if (firstLine && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // UTF-8 mark
    firstLine = false;
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == ';') continue;
    if (trimmed[0] == '[') {
      const auto close = trimmed.find(']');
      const std::string name = Lower(
          Trim(trimmed.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
      section = &file.sections_[name];  // a repeated section adds to the first
      continue;
    }
    const auto equals = trimmed.find('=');
    if (!section || equals == std::string::npos) continue;
    section->emplace(Lower(Trim(trimmed.substr(0, equals))), Trim(trimmed.substr(equals + 1)));
  }
  return file;
}

bool IniFile::HasSection(const std::string& section) const {
  return sections_.count(Lower(section)) != 0;
}

const std::string* IniFile::Find(const std::string& section, const std::string& key) const {
  const auto s = sections_.find(Lower(section));
  if (s == sections_.end()) return nullptr;
  const auto k = s->second.find(Lower(key));
  return k == s->second.end() ? nullptr : &k->second;
}

int32_t IniFile::GetInt(const std::string& section, const std::string& key,
                        int32_t fallback) const {
  const std::string* value = Find(section, key);
  if (!value) return fallback;
  size_t i = 0;
  bool negative = false;
  if (i < value->size() && ((*value)[i] == '-' || (*value)[i] == '+'))
    negative = (*value)[i++] == '-';
  int64_t number = 0;
  for (; i < value->size() && std::isdigit(static_cast<unsigned char>((*value)[i])); ++i) {
    number = number * 10 + ((*value)[i] - '0');
    if (number > INT32_MAX) number = INT32_MAX;  // saturate rather than overflow
  }
  return static_cast<int32_t>(negative ? -number : number);
}

std::string IniFile::GetString(const std::string& section, const std::string& key,
                               const std::string& fallback, size_t maxLength) const {
  const std::string* value = Find(section, key);
  if (!value) return fallback;
  std::string text = *value;
  if (text.size() >= 2 && ((text.front() == '"' && text.back() == '"') ||
                           (text.front() == '\'' && text.back() == '\''))) {
    text = text.substr(1, text.size() - 2);
  }
  if (text.size() > maxLength) text.resize(maxLength);
  return text;
}

}  // namespace quenlit

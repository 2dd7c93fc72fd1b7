#include "json.h"

#include <cstdlib>
#include <stdexcept>

namespace quenlit::test {
namespace {

class Parser {
 public:
  explicit Parser(const std::string& text) : text_(text) {}

  Json Document() {
    Json value = Value();
    Skip();
    if (at_ != text_.size()) Fail("trailing text");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("JSON: " + what + " at " + std::to_string(at_));
  }
  void Skip() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  bool Eat(char c) {
    Skip();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  void Expect(char c) {
    if (!Eat(c)) Fail(std::string("expected ") + c);
  }
  bool Word(const char* word) {
    const std::string w = word;
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  std::string String() {
    Expect('"');
    std::string out;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c == '\\') {
        if (at_ >= text_.size()) Fail("bad escape");
        const char e = text_[at_++];
        switch (e) {
          case 'n':
            out += '\n';
            break;
          case 't':
            out += '\t';
            break;
          case 'r':
            out += '\r';
            break;
          case 'u': {
            const long code = std::strtol(text_.substr(at_, 4).c_str(), nullptr, 16);
            at_ += 4;
            out += static_cast<char>(code);  // the dump escapes only control characters
            break;
          }
          default:
            out += e;
        }
      } else {
        out += c;
      }
    }
    Expect('"');
    return out;
  }

  Json Value() {
    Skip();
    Json value;
    if (at_ >= text_.size()) Fail("unexpected end");
    const char c = text_[at_];
    if (c == '{') {
      ++at_;
      value.kind = Json::Kind::Object;
      if (Eat('}')) return value;
      do {
        Skip();
        std::string key = String();
        Expect(':');
        value.members[key] = Value();
      } while (Eat(','));
      Expect('}');
    } else if (c == '[') {
      ++at_;
      value.kind = Json::Kind::Array;
      if (Eat(']')) return value;
      do value.items.push_back(Value());
      while (Eat(','));
      Expect(']');
    } else if (c == '"') {
      value.kind = Json::Kind::String;
      value.text = String();
    } else if (Word("true") || Word("false")) {
      value.kind = Json::Kind::Bool;
      value.flag = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
    } else if (Word("null")) {
      value.kind = Json::Kind::Null;
    } else {
      char* end = nullptr;
      value.number = std::strtod(text_.c_str() + at_, &end);
      if (end == text_.c_str() + at_) Fail("bad value");
      value.kind = Json::Kind::Number;
      at_ = static_cast<size_t>(end - text_.c_str());
    }
    return value;
  }

  const std::string& text_;
  size_t at_ = 0;
};

}  // namespace

Json Json::Parse(const std::string& text) {
  return Parser(text).Document();
}

const Json& Json::operator[](const std::string& key) const {
  const auto found = members.find(key);
  if (found == members.end()) throw std::runtime_error("JSON: no key " + key);
  return found->second;
}

std::vector<int> Json::Ints() const {
  std::vector<int> out;
  for (const Json& item : items) out.push_back(item.Int());
  return out;
}

std::vector<std::string> Json::Strings() const {
  std::vector<std::string> out;
  for (const Json& item : items) out.push_back(item.text);
  return out;
}

}  // namespace quenlit::test

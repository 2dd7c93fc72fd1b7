#include "app/session/json_writer.h"

#include <cmath>
#include <cstdio>

namespace quenlit {

void JsonWriter::Separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (needComma_) out_ << ',';
}

JsonWriter& JsonWriter::Open(char bracket) {
  Separate();
  out_ << bracket;
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  out_ << bracket;
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(const std::string& name) {
  Value(name);
  out_ << ':';
  afterKey_ = true;
  return *this;
}

JsonWriter& JsonWriter::Value(const std::string& text) {
  Separate();
  out_ << '"';
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out_ << "\\\"";
        break;
      case '\\':
        out_ << "\\\\";
        break;
      case '\n':
        out_ << "\\n";
        break;
      case '\r':
        out_ << "\\r";
        break;
      case '\t':
        out_ << "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out_ << escaped;
        } else {
          out_ << static_cast<char>(c);
        }
    }
  }
  out_ << '"';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Value(long long number) {
  Separate();
  out_ << number;
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Value(double number) {
  Separate();
  if (std::isfinite(number)) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", number);
    out_ << text;
  } else {
    out_ << "null";
  }
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Value(bool flag) {
  Separate();
  out_ << (flag ? "true" : "false");
  needComma_ = true;
  return *this;
}

}  // namespace quenlit

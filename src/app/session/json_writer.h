#pragma once

#include <sstream>
#include <string>

namespace quenlit {

// Just enough JSON for the state dump: objects, arrays, numbers and UTF-8 strings.
class JsonWriter {
 public:
  JsonWriter& BeginObject() { return Open('{'); }
  JsonWriter& EndObject() { return Close('}'); }
  JsonWriter& BeginArray() { return Open('['); }
  JsonWriter& EndArray() { return Close(']'); }
  JsonWriter& Key(const std::string& name);
  JsonWriter& Value(const std::string& text);
  JsonWriter& Value(const char* text) { return Value(std::string(text)); }
  JsonWriter& Value(long long number);
  JsonWriter& Value(int number) { return Value(static_cast<long long>(number)); }
  JsonWriter& Value(double number);
  JsonWriter& Value(float number) { return Value(static_cast<double>(number)); }
  JsonWriter& Value(bool flag);
  std::string Text() const { return out_.str(); }

 private:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  void Separate();
  std::ostringstream out_;
  bool needComma_ = false;
  bool afterKey_ = false;
};

}  // namespace quenlit

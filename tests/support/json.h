#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quenlit::test {

// A parsed JSON value, enough to read the driver's state dumps in tests.
class Json {
 public:
  enum class Kind { Null, Bool, Number, String, Array, Object };

  static Json Parse(const std::string& text);  // throws std::runtime_error when malformed

  Kind kind = Kind::Null;
  bool flag = false;
  double number = 0;
  std::string text;
  std::vector<Json> items;
  std::map<std::string, Json> members;

  const Json& operator[](const std::string& key) const;  // throws when absent
  const Json& operator[](size_t index) const { return items.at(index); }
  int Int() const { return static_cast<int>(number); }
  std::vector<int> Ints() const;
  std::vector<std::string> Strings() const;
  bool Has(const std::string& key) const { return members.count(key) > 0; }
};

}  // namespace quenlit::test

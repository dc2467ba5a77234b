#ifndef ZUM_TESTS_JSON_VALUE_H_
#define ZUM_TESTS_JSON_VALUE_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace zum {

// A JSON value, as far as the reference jobs' outcome files need one. Used by
// tests only.
struct JsonValue {
  enum Kind { kNull, kBool, kNumber, kString, kArray, kObject };
  Kind kind = kNull;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  // The member KEY of an object; a null value when there is none.
  const JsonValue& operator[](const std::string& key) const;
  // An array's items; any other value as the only item.
  std::vector<JsonValue> Items() const;
};

// Parses TEXT (one value, blanks around it). Returns false with *err naming
// the offset and what was expected.
bool ParseJson(std::string_view text, JsonValue* value, std::string* err);

}  // namespace zum

#endif  // ZUM_TESTS_JSON_VALUE_H_

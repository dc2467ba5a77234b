#include "tests/json_value.h"

#include <cstdlib>

namespace zum {

const JsonValue& JsonValue::operator[](const std::string& key) const {
  static const JsonValue kMissing;
  auto it = members.find(key);
  return it == members.end() ? kMissing : it->second;
}

std::vector<JsonValue> JsonValue::Items() const {
  return kind == kArray ? items : std::vector<JsonValue>{*this};
}

namespace {

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  bool ParseAll(JsonValue* value, std::string* err) {
    if (!Parse(value) || (SkipBlanks(), at_ != text_.size())) {
      *err = "offset " + std::to_string(at_) + ": " +
             (error_.empty() ? "expected the end of the text" : error_);
      return false;
    }
    return true;
  }

 private:
  void SkipBlanks() {
    while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) !=
                                     std::string_view::npos) {
      ++at_;
    }
  }

  bool Fail(const std::string& what) {
    error_ = "expected " + what;
    return false;
  }

  bool Take(char c) {
    SkipBlanks();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) {
      return false;
    }
    at_ += word.size();
    return true;
  }

  bool String(std::string* out) {
    if (!Take('"')) {
      return Fail("a string");
    }
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c == '\\' && at_ < text_.size()) {
        c = text_[at_++];
        if (c == 'n') {
          c = '\n';
        } else if (c == 't') {
          c = '\t';
        } else if (c == 'u') {
          // Outcome files hold ASCII; other code points are not needed.
          const long code = std::strtol(
              std::string(text_.substr(at_, 4)).c_str(), nullptr, 16);
          at_ += 4;
          if (code > 0x7f) {
            return Fail("an ASCII \\u escape");
          }
          c = static_cast<char>(code);
        }
      }
      out->push_back(c);
    }
    return Take('"') || Fail("the end of a string");
  }

  bool Parse(JsonValue* v) {
    SkipBlanks();
    if (at_ >= text_.size()) {
      return Fail("a value");
    }
    const char c = text_[at_];
    if (c == '"') {
      v->kind = JsonValue::kString;
      return String(&v->text);
    }
    if (c == '[') {
      v->kind = JsonValue::kArray;
      ++at_;
      if (Take(']')) {
        return true;
      }
      do {
        v->items.emplace_back();
        if (!Parse(&v->items.back())) {
          return false;
        }
      } while (Take(','));
      return Take(']') || Fail("',' or ']'");
    }
    if (c == '{') {
      v->kind = JsonValue::kObject;
      ++at_;
      if (Take('}')) {
        return true;
      }
      do {
        std::string key;
        if (!String(&key) || !(Take(':') || Fail("':'")) ||
            !Parse(&v->members[key])) {
          return false;
        }
      } while (Take(','));
      return Take('}') || Fail("',' or '}'");
    }
    if (Word("null")) {
      return true;
    }
    if (Word("true") || Word("false")) {
      v->kind = JsonValue::kBool;
      v->boolean = text_[at_ - 1] == 'e' && text_[at_ - 2] == 'u';
      return true;
    }
    const std::string rest(text_.substr(at_, 40));
    char* end = nullptr;
    v->number = std::strtod(rest.c_str(), &end);
    if (end == rest.c_str()) {
      return Fail("a value");
    }
    v->kind = JsonValue::kNumber;
    at_ += end - rest.c_str();
    return true;
  }

  std::string_view text_;
  size_t at_ = 0;
  std::string error_;
};

}  // namespace

bool ParseJson(std::string_view text, JsonValue* value, std::string* err) {
  *value = JsonValue();
  return JsonParser(text).ParseAll(value, err);
}

}  // namespace zum

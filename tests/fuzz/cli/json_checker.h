// A strict JSON reader for the command-line fuzz targets: it only answers whether a text
// is one JSON value in valid UTF-8.
#pragma once

#include <cctype>
#include <cstddef>
#include <string_view>

namespace nuvaro::fuzzing {

class JsonChecker {
 public:
  explicit JsonChecker(std::string_view text) : text_(text) {}
  bool WholeValue() {
    if (!Value()) return false;
    return at_ == text_.size();
  }

 private:
  bool Value() {
    if (at_ >= text_.size() || ++depth_ > 64) return false;
    bool ok = false;
    switch (text_[at_]) {
      case '{': ok = Object(); break;
      case '[': ok = Array(); break;
      case '"': ok = String(); break;
      case 't': ok = Word("true"); break;
      case 'f': ok = Word("false"); break;
      case 'n': ok = Word("null"); break;
      default: ok = Number();
    }
    --depth_;
    return ok;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool Number() {
    std::size_t start = at_;
    if (at_ < text_.size() && text_[at_] == '-') ++at_;
    std::size_t digits = at_;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') ++at_;
    if (at_ == digits || (text_[digits] == '0' && at_ - digits > 1)) return false;
    return at_ > start;
  }
  bool String() {
    ++at_;
    while (at_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c < 0x20) return false;
      if (c == '\\') {
        if (++at_ >= text_.size()) return false;
        char e = text_[at_++];
        if (e == 'u') {
          for (int i = 0; i < 4; ++i, ++at_) {
            if (at_ >= text_.size() || !std::isxdigit(static_cast<unsigned char>(text_[at_]))) return false;
          }
        } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
          return false;
        }
        continue;
      }
      if (c < 0x80) {
        ++at_;
        continue;
      }
      if (!Utf8Character()) return false;
    }
    return false;
  }
  bool Utf8Character() {
    const auto first = static_cast<unsigned char>(text_[at_]);
    std::size_t length = first >= 0xC2 && first <= 0xDF ? 2 : first >= 0xE0 && first <= 0xEF ? 3
                         : first >= 0xF0 && first <= 0xF4 ? 4 : 0;
    if (length == 0 || at_ + length > text_.size()) return false;
    const auto second = static_cast<unsigned char>(text_[at_ + 1]);
    if ((first == 0xE0 && second < 0xA0) || (first == 0xED && second > 0x9F) || (first == 0xF0 && second < 0x90) ||
        (first == 0xF4 && second > 0x8F))
      return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text_[at_ + i]) & 0xC0) != 0x80) return false;
    }
    at_ += length;
    return true;
  }
  bool Array() {
    ++at_;
    if (at_ < text_.size() && text_[at_] == ']') return ++at_, true;
    for (;;) {
      if (!Value()) return false;
      if (at_ >= text_.size()) return false;
      if (text_[at_] == ']') return ++at_, true;
      if (text_[at_++] != ',') return false;
    }
  }
  bool Object() {
    ++at_;
    if (at_ < text_.size() && text_[at_] == '}') return ++at_, true;
    for (;;) {
      if (at_ >= text_.size() || text_[at_] != '"' || !String()) return false;
      if (at_ >= text_.size() || text_[at_++] != ':') return false;
      if (!Value()) return false;
      if (at_ >= text_.size()) return false;
      if (text_[at_] == '}') return ++at_, true;
      if (text_[at_++] != ',') return false;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int depth_ = 0;
};

}  // namespace nuvaro::fuzzing

#include "json.h"

#include <cstdio>
#include <string_view>

namespace nuvaro::cli {
namespace {

// Length of the well-formed UTF-8 character at the start of the text (no overlong
// forms, no surrogates, nothing above U+10FFFF), or 0 when it does not start with one.
std::size_t Utf8CharacterLength(std::string_view text) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;  // allowed range of the second byte
  unsigned char high = 0xBF;
  if (first >= 0xC2 && first <= 0xDF) {
    length = 2;
  } else if (first >= 0xE0 && first <= 0xEF) {
    length = 3;
    if (first == 0xE0) low = 0xA0;
    if (first == 0xED) high = 0x9F;
  } else if (first >= 0xF0 && first <= 0xF4) {
    length = 4;
    if (first == 0xF0) low = 0x90;
    if (first == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

Json Json::Null() { return Json(); }

Json Json::Bool(bool value) {
  Json json;
  json.kind_ = Kind::Bool;
  json.bool_ = value;
  return json;
}

Json Json::Int(std::int64_t value) {
  Json json;
  json.kind_ = Kind::Int;
  json.int_ = value;
  return json;
}

Json Json::String(std::string utf8) {
  Json json;
  json.kind_ = Kind::String;
  json.string_ = std::move(utf8);
  return json;
}

Json Json::Array(std::vector<Json> items) {
  Json json;
  json.kind_ = Kind::Array;
  json.items_ = std::move(items);
  return json;
}

Json Json::Object(std::vector<std::pair<std::string, Json>> fields) {
  Json json;
  json.kind_ = Kind::Object;
  json.fields_ = std::move(fields);
  return json;
}

Json& Json::Push(Json item) {
  items_.push_back(std::move(item));
  return *this;
}

Json& Json::Set(std::string key, Json value) {
  fields_.emplace_back(std::move(key), std::move(value));
  return *this;
}

std::string Json::Dump() const {
  std::string out;
  DumpTo(out);
  return out;
}

void Json::DumpTo(std::string& out) const {
  switch (kind_) {
    case Kind::Null:
      out += "null";
      return;
    case Kind::Bool:
      out += bool_ ? "true" : "false";
      return;
    case Kind::Int:
      out += std::to_string(int_);
      return;
    case Kind::String:
      out += JsonQuote(string_);
      return;
    case Kind::Array:
      out += '[';
      for (std::size_t i = 0; i < items_.size(); ++i) {
        if (i > 0) out += ',';
        items_[i].DumpTo(out);
      }
      out += ']';
      return;
    case Kind::Object:
      out += '{';
      for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (i > 0) out += ',';
        out += JsonQuote(fields_[i].first);
        out += ':';
        fields_[i].second.DumpTo(out);
      }
      out += '}';
      return;
  }
}

std::string JsonQuote(const std::string& utf8) {
  std::string out = "\"";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0x80) {
      // Whole UTF-8 characters pass; every byte that does not start one becomes U+FFFD,
      // so an answer stays valid UTF-8 whatever bytes came in.
      std::size_t length = Utf8CharacterLength(std::string_view(utf8).substr(i));
      if (length == 0) {
        out += "\\ufffd";
        ++i;
      } else {
        out.append(utf8, i, length);
        i += length;
      }
      continue;
    }
    ++i;
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  out += '"';
  return out;
}

}  // namespace nuvaro::cli

#include "json.h"

#include <cstdio>

namespace nuvaro::cli {

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
  for (unsigned char c : utf8) {
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

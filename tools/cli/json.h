// A small JSON value for the command-line tool's answers: strings (UTF-8), integers,
// booleans, null, arrays and objects that keep their key order.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace nuvaro::cli {

class Json {
 public:
  static Json Null();
  static Json Bool(bool value);
  static Json Int(std::int64_t value);
  static Json String(std::string utf8);
  static Json Array(std::vector<Json> items = {});
  static Json Object(std::vector<std::pair<std::string, Json>> fields = {});

  // Appends to an array / adds a field to an object; returns *this for chaining.
  Json& Push(Json item);
  Json& Set(std::string key, Json value);

  // The items of an array (empty for other values).
  const std::vector<Json>& Items() const { return items_; }

  // The value as one line of JSON text.
  std::string Dump() const;

 private:
  enum class Kind { Null, Bool, Int, String, Array, Object };
  Kind kind_ = Kind::Null;
  bool bool_ = false;
  std::int64_t int_ = 0;
  std::string string_;
  std::vector<Json> items_;
  std::vector<std::pair<std::string, Json>> fields_;

  void DumpTo(std::string& out) const;
};

// The text with JSON string escapes, in quotes.
std::string JsonQuote(const std::string& utf8);

}  // namespace nuvaro::cli

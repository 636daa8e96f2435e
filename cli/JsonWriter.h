// A streaming JSON writer whose output is byte for byte what nlohmann-json's dump(2) writes
// for the same document. It appends to a string that its owner may pass on and empty at any
// time; parts of one document can be written by several writers, on several threads.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvan::cli {

class JsonWriter {
 public:
  // Appends to `out`; the first value stands at nesting `depth` (indented by 2 * depth).
  explicit JsonWriter(std::string& out, unsigned depth = 0);
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  // Start an object or an array: as the document, as an array element or after Key.
  void BeginObject() { Begin('{', '}'); }
  void BeginArray() { Begin('[', ']'); }
  // Ends the innermost object or array.
  void End();
  // Starts a member of the current object; its value follows. `name` is ASCII that needs no
  // escape.
  void Key(std::string_view name);
  // A string value (UTF-8; invalid bytes become U+FFFD), as an array element or after Key.
  void String(std::string_view text);
  // The string value `prefix` + `text` + `suffix`, written as String(ToUtf8(...)) writes it
  // but without the conversion; `prefix` and `suffix` are ASCII that needs no escape.
  void String(std::u16string_view text, std::string_view prefix = {}, std::string_view suffix = {});
  // A number value.
  void Number(std::int64_t n);
  // A value that another writer wrote at the nesting this writer is at now.
  void Formatted(std::string_view value);

 private:
  struct Level {
    char Close;
    bool Empty = true;
  };
  void Begin(char open, char close);
  void BeforeValue();
  void NewLine(bool comma);

  std::string& out_;
  unsigned depth_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
  // nlohmann's own serializer escapes UTF-8 strings; made on first use.
  nlohmann::json scratch_ = "";
  std::optional<nlohmann::detail::serializer<nlohmann::json>> serializer_;
};

}  // namespace qorvan::cli

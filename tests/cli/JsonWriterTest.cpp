#include "JsonWriter.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "Utf.h"

namespace qorvan::cli {
namespace {

using Json = nlohmann::ordered_json;

std::string Dumped(const Json& j) {
  return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Texts that need every kind of care: escapes, control characters, DEL, CJK, a surrogate
// pair, unpaired surrogates; short ones and one longer than the writer's stack buffer; and
// plain ASCII runs with each kind of unit at every place of an eight-unit block.
const std::u16string kTexts[] = {
    u"",
    u"plain",
    u"quote \" and back\\slash",
    u"\b\f\n\r\t\x01\x1F\x7F",
    u"变量引用：G11",
    u"\U0001F600 pair",
    std::u16string{u'\xD800', u'x'},
    std::u16string{u'x', u'\xDC00'},
    std::u16string(u"a\0b", 3),
    [] {
      std::u16string all;
      for (int i = 0; i < 50; ++i) all += u"\x01\"变\U0001F600\xD800";
      return all;
    }(),
    [] {
      std::u16string runs;
      for (char16_t special : {u'"', u'\\', u'\x1F', u'\x7F', u'\x80', u'变', u'\x8000', u'\xD800'})
        for (std::size_t at = 0; at <= 17; ++at)
          runs += std::u16string(at, u'a') + special + std::u16string(17 - at, u'~');
      return runs;
    }()};

TEST(JsonWriter, WritesWhatNlohmannDumpWrites) {
  Json expected = {{"name", "G11"},
                   {"count", 3},
                   {"empty", Json::array()},
                   {"list", {1, Json::array(), Json::object({{"k", "v"}}), "x"}},
                   {"nested", {{"deep", {{"n", -5}}}}}};
  std::string out;
  JsonWriter json(out);
  json.BeginObject();
  json.Key("name");
  json.String(std::string_view("G11"));
  json.Key("count");
  json.Number(3);
  json.Key("empty");
  json.BeginArray();
  json.End();
  json.Key("list");
  json.BeginArray();
  json.Number(1);
  json.BeginArray();
  json.End();
  json.BeginObject();
  json.Key("k");
  json.String(u"v");
  json.End();
  json.String(u"x");
  json.End();
  json.Key("nested");
  json.BeginObject();
  json.Key("deep");
  std::string inner;
  JsonWriter part(inner, 2);  // written apart, at the nesting where it goes
  part.BeginObject();
  part.Key("n");
  part.Number(-5);
  part.End();
  json.Formatted(inner);
  json.End();
  json.End();
  EXPECT_EQ(out, Dumped(expected));
}

TEST(JsonWriter, DeepNestingIsIndentedAsNlohmannIndentsIt) {
  Json expected = Json::array({1, 2});
  for (int level = 0; level < 40; ++level) expected = Json::array({expected, level});
  std::string out;
  JsonWriter json(out);
  for (int level = 0; level < 41; ++level) json.BeginArray();
  json.Number(1);
  json.Number(2);
  json.End();
  for (int level = 0; level < 40; ++level) {
    json.Number(level);
    json.End();
  }
  EXPECT_EQ(out, Dumped(expected));
}

TEST(JsonWriter, TextsAreEscapedAsNlohmannEscapesTheirUtf8) {
  for (const std::u16string& text : kTexts) {
    std::string fromUtf16;
    JsonWriter(fromUtf16).String(text);
    EXPECT_EQ(fromUtf16, Dumped(Json(ToUtf8(text)))) << ToUtf8(text);
    std::string fromUtf8;
    JsonWriter(fromUtf8).String(std::string_view(ToUtf8(text)));
    EXPECT_EQ(fromUtf8, fromUtf16) << ToUtf8(text);
    std::string wrapped;
    JsonWriter(wrapped).String(text, "<$STR(", ")>");
    EXPECT_EQ(wrapped, Dumped(Json("<$STR(" + ToUtf8(text) + ")>")));
  }
  std::string invalid;
  JsonWriter(invalid).String(std::string_view("bad \xFF byte"));
  EXPECT_EQ(invalid, Dumped(Json("bad \xFF byte")));
}

}  // namespace
}  // namespace qorvan::cli

#include "DoubleByteTable.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <random>
#include <string>

namespace qorvan {
namespace {

// What ICU itself makes of `bytes` in the code page `name`.
std::u16string IcuText(const char* name, const std::string& bytes) {
  UErrorCode error = U_ZERO_ERROR;
  UConverter* cnv = ucnv_open(name, &error);
  std::u16string out(bytes.size() * 2 + 2, u'\0');
  int32_t n = ucnv_toUChars(cnv, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                            static_cast<int32_t>(bytes.size()), &error);
  ucnv_close(cnv);
  out.resize(U_SUCCESS(error) ? static_cast<std::size_t>(n) : 0);
  return out;
}

// Text like a script's in the code page `name`: ASCII and letters of the page's script that it
// can hold, with some random bytes put in when `noise` is set.
std::string ScriptBytes(const char* name, std::mt19937& rng, bool noise) {
  UErrorCode error = U_ZERO_ERROR;
  UConverter* cnv = ucnv_open(name, &error);
  ucnv_setFromUCallBack(cnv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
  std::uniform_int_distribution<int> kind(0, 99);
  std::uniform_int_distribution<int> ascii(0x20, 0x7E);
  std::uniform_int_distribution<int> han(0x4E00, 0x9FA5);
  std::uniform_int_distribution<int> hangul(0xAC00, 0xD7A3);
  std::uniform_int_distribution<int> latin(0xA0, 0xFF);
  std::string bytes;
  for (int n = 0; n < 300; ++n) {
    int k = kind(rng);
    const char16_t c = static_cast<char16_t>(k < 50   ? ascii(rng)
                                             : k < 80 ? han(rng)
                                             : k < 90 ? hangul(rng)
                                                      : latin(rng));
    char encoded[8];
    error = U_ZERO_ERROR;
    int32_t length = ucnv_fromUChars(cnv, encoded, sizeof encoded, &c, 1, &error);
    if (U_SUCCESS(error)) bytes.append(encoded, static_cast<std::size_t>(length));
  }
  ucnv_close(cnv);
  std::uniform_int_distribution<std::size_t> at(0, bytes.size());
  std::uniform_int_distribution<int> any(0, 255);
  for (int k = noise ? 3 : 0; k > 0; --k) bytes.insert(at(rng), 1, static_cast<char>(any(rng)));
  return bytes;
}

TEST(DoubleByteTable, DecodesExactlyAsTheConverterOrDeclines) {
  for (const char* page : {"GBK", "Big5", "EUC-KR", "windows-1252"}) {
    auto table = DoubleByteTable::Build(page);
    ASSERT_NE(table, nullptr) << page;
    std::mt19937 rng(7);
    int decoded = 0;
    for (int round = 0; round < 150; ++round) {
      std::string bytes = ScriptBytes(page, rng, round % 3 == 0);
      std::u16string out(bytes.size(), u'\0');
      std::size_t n = table->Decode(bytes, out.data());
      if (n == std::string::npos) continue;
      ++decoded;
      ASSERT_EQ(out.substr(0, n), IcuText(page, bytes)) << page << " round " << round;
    }
    EXPECT_GT(decoded, 50) << page;  // ordinary text is decoded by the table
  }
}

TEST(DoubleByteTable, KnownTextAndWhatItLeavesToTheConverter) {
  auto gbk = DoubleByteTable::Build("GBK");
  ASSERT_NE(gbk, nullptr);
  std::u16string out(16, u'\0');
  std::string text = "\xB1\xE4\xC1\xBF G11\x80";
  ASSERT_EQ(gbk->Decode(text, out.data()), 7u);
  EXPECT_EQ(out.substr(0, 7), u"变量 G11€");
  for (std::string bad : {std::string("A\x81"), std::string("\x81\x0A"), std::string("\x81\x7F")})
    EXPECT_EQ(gbk->Decode(bad, out.data()), std::string::npos) << bad;
}

// ASCII runs of every length up to two blocks, ending at a two-byte character, a one-byte one,
// or the end of the text, with the text's end at every distance behind them.
TEST(DoubleByteTable, AsciiRunsOfEveryLengthAndPlace) {
  auto gbk = DoubleByteTable::Build("GBK");
  ASSERT_NE(gbk, nullptr);
  for (const std::string& after : {std::string("\xB1\xE4"), std::string("\x80"), std::string()})
    for (std::size_t run = 1; run <= 33; ++run)
      for (std::size_t tail = 0; tail <= 17; ++tail) {
        const std::string text = std::string(run, 'a') + after + std::string(tail, 'z');
        std::u16string out(text.size(), u'\0');
        const std::size_t n = gbk->Decode(text, out.data());
        ASSERT_NE(n, std::string::npos);
        ASSERT_EQ(out.substr(0, n), IcuText("GBK", text)) << run << " " << tail;
      }
}

TEST(DoubleByteTable, OnlyStatelessOneAndTwoBytePagesOverAscii) {
  // ICU's Shift_JIS reads 0x5C as the yen sign, so ASCII bytes are not all themselves there.
  for (const char* page :
       {"GB18030", "UTF-16LE", "UTF-8", "ibm-037", "ISO-2022-JP", "Shift_JIS", "no-such"})
    EXPECT_EQ(DoubleByteTable::Build(page), nullptr) << page;
}

}  // namespace
}  // namespace qorvan

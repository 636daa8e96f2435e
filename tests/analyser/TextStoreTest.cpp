#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextStore.h"

namespace qorvan {
namespace {

// Texts stay where they were put, whatever else is kept or adopted after them.
TEST(TextStore, KeptTextsStayIntactThroughGrowthAndAdoption) {
  std::vector<std::u16string> originals;
  std::vector<std::u16string_view> kept;
  TextStore run;
  for (int worker = 0; worker < 3; ++worker) {
    TextStore store;
    for (int i = 0; i < 3000; ++i) {
      // Mostly small texts, now and then one larger than a quarter of a block, and empty ones.
      std::size_t size = i == 7 ? (std::size_t{5} << 20) : (i * 37) % 3000;
      originals.emplace_back(size, static_cast<char16_t>(u'a' + (worker * 7 + i) % 26));
      kept.push_back(store.Keep(originals.back()));
    }
    TextStore moved(std::move(store));
    run.Adopt(std::move(moved));
    kept.push_back(run.Keep(u"after adoption"));
    originals.emplace_back(u"after adoption");
  }
  // Neighbours differ in their letter, so an overlap would show as a changed text.
  ASSERT_EQ(kept.size(), originals.size());
  for (std::size_t i = 0; i < kept.size(); ++i) ASSERT_EQ(kept[i], originals[i]) << i;
}

TEST(TextStore, TrimGivesBackTheEndOfTheLatestRoomOnly) {
  TextStore store;
  char16_t* first = store.Allocate(100);
  store.Trim(first, 100, 10);
  char16_t* second = store.Allocate(5);
  EXPECT_EQ(second, first + 10);
  store.Trim(first, 100, 0);  // not the latest room: nothing happens
  EXPECT_EQ(store.Allocate(1), second + 5);
}

}  // namespace
}  // namespace qorvan

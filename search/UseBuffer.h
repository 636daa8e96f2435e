// A sink that keeps the uses one file's line pass records, to be recorded into ValueDic later,
// in the same order: files can then be analysed in parallel and recorded in file order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Plus.h"

namespace qorvan {

class UseBuffer final : public UseSink {
 public:
  void RecordValueUse(const TValueDat& dat, FileId path, std::u16string_view line,
                      std::int32_t lineNo, UseWrap wrap, std::u16string_view descr) override;
  // Puts the uses of each member together: members in the order of their first use, each
  // member's uses in arrival order. Recording them so leaves ValueDic exactly as recording them
  // in arrival order, and each member's entry stays in cache while its uses are recorded.
  void GroupByMember();
  // Records every kept use into `dic` in the kept order and empties the buffer.
  void ApplyTo(ValueDicT& dic);

 private:
  // A stretch of chars_.
  struct Piece {
    std::uint32_t Start = 0;
    std::uint32_t Size = 0;
  };
  struct Use {
    Piece Name;  // what RecordValueUse reads of the member: Name, ID and IDX
    std::int32_t ID = 0;
    std::int32_t IDX = 0;
    FileId Path = 0;
    std::int32_t LineNo = 0;
    UseWrap Wrap = UseWrap::Bare;
    std::u16string_view Line;
    Piece Descr;
  };
  Piece Keep(std::u16string_view text);
  std::u16string_view Text(Piece piece) const;

  std::vector<Use> uses_;
  // The names and descriptions of the uses, one after the other: one allocation for them all
  // instead of one or two a use.
  std::u16string chars_;
};

}  // namespace qorvan

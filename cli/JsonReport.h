// The --json output of qorvan-scan.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "MyDB.h"
#include "ScanCommand.h"

namespace qorvan::cli {

// The whole result: version directory, file count, members with their files and uses
// (only `onlyMember` when given), and the free rows of the view.
nlohmann::ordered_json BuildJson(TDataModule1& dm, const ScanView& view,
                                 const std::optional<std::string>& onlyMember);

}  // namespace qorvan::cli

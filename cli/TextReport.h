// The plain-text outputs of qorvan-scan.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "MyDB.h"

namespace qorvan::cli {

// The summary as an aligned table: name, type label, files, uses, note.
void PrintSummary(std::ostream& out, const std::vector<SummaryRow>& rows);

// The free names, one per line.
void PrintFree(std::ostream& out, const std::vector<FreeRow>& rows);

// The member whose name is `name` exactly, else the first one equal to it without ASCII
// case; empty when none is in use.
std::string FindMemberName(const TDataModule1& dm, const std::string& name);

// The files and lines of one member; false (with a message on `err`) when it is not in use.
bool PrintUses(std::ostream& out, std::ostream& err, TDataModule1& dm, const std::string& name);

}  // namespace qorvan::cli

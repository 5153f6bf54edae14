#pragma once

#include <cstdint>
#include <string>

// Which days of a month hold entries, read from the month folder's names alone.
namespace marrowleaf {

// Bit d (1 to 31) is set when saveDir/year/month holds a regular file named "d_t.txt" with a tab
// index t below tabCount, both numbers written the way EntryPath writes them. One listing of the
// folder: no entry is opened, and only symbolic links cost a stat. A missing folder has no days.
uint32_t DaysWithEntries(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount);

}  // namespace marrowleaf

#include "entries/monthlisting.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <string_view>

#include "entries/entryfiles.h"

namespace marrowleaf {
namespace {

// A decimal number without leading zeros (a lone "0" is fine), at most `limit`. Returns the
// number and moves `s` past it, or -1.
long TakeNumber(std::string_view& s, long limit) {
  size_t n = 0;
  long value = 0;
  while (n < s.size() && s[n] >= '0' && s[n] <= '9') {
    value = value * 10 + (s[n] - '0');
    if (value > limit) return -1;
    ++n;
  }
  if (n == 0 || (n > 1 && s[0] == '0')) return -1;
  s.remove_prefix(n);
  return value;
}

// The day of an entry name, or 0 when the name is no entry of a tab below tabCount.
int EntryDay(std::string_view name, int tabCount) {
  const long day = TakeNumber(name, 31);
  if (day < 1 || name.empty() || name.front() != '_') return 0;
  name.remove_prefix(1);
  const long tab = TakeNumber(name, static_cast<long>(tabCount) - 1);
  if (tab < 0 || name != ".txt") return 0;
  return static_cast<int>(day);
}

}  // namespace

uint32_t DaysWithEntries(const std::string& saveDir, uint16_t year, uint16_t month, int tabCount) {
  if (tabCount <= 0) return 0;
  DIR* dir = ::opendir(MonthDirectory(saveDir, year, month).c_str());
  if (dir == nullptr) return 0;
  uint32_t days = 0;
  while (const dirent* item = ::readdir(dir)) {
    const int day = EntryDay(item->d_name, tabCount);
    if (day == 0 || (days & (1u << day)) != 0) continue;
    bool regular = item->d_type == DT_REG;
    if (item->d_type == DT_LNK || item->d_type == DT_UNKNOWN) {
      // A link counts like the file it names, as it does for the tab captions.
      struct stat st {};
      regular = ::fstatat(::dirfd(dir), item->d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
    }
    if (regular) days |= 1u << day;
  }
  ::closedir(dir);
  return days;
}

}  // namespace marrowleaf

#include "musiclist/SongRows.h"

namespace quavlet::musiclist {

std::array<double, 4> SongColumnWidths(float viewWidth) {
  return {viewWidth / 20.0f, viewWidth / 6.0f, viewWidth / 9.0f, viewWidth / 1.7};
}

std::wstring_view AddressOfEntry(std::wstring_view entry) {
  return entry.empty() ? entry : entry.substr(0, entry.size() - 1);
}

std::optional<int> ViewModeFromText(std::wstring_view text) {
  const auto first = text.find_first_not_of(L' ');
  if (first == std::wstring_view::npos) return std::nullopt;
  const auto last = text.find_last_not_of(L' ');
  const std::wstring_view digits = text.substr(first, last - first + 1);
  if (digits.size() != 1 || digits[0] < L'0' || digits[0] > L'3') return std::nullopt;
  return digits[0] - L'0';
}

}  // namespace quavlet::musiclist

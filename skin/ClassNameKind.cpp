#include "skin/ClassNameKind.h"

namespace quavlet::skin {
namespace {

struct KindName {
  std::wstring_view name;
  ControlKind kind;
};

// Looked up top to bottom on the lower-cased name.
constexpr KindName kKindNames[] = {
    {L"#32770", ckForm},
    {L"thunderformdc", ckForm},
    {L"thunderrt6formdc", ckForm},
    {L"form", ckForm},
    {L"thundercommandbutton", ckButton},
    {L"thunderrt6commandbutton", ckButton},
    {L"button", ckButton},
    {L"thundercombobox", ckCombo},
    {L"thunderrt6combobox", ckCombo},
    {L"combo", ckCombo},
    {L"combobox", ckCombo},
    {L"thunderdrivelistbox", ckDriveList},
    {L"thunderrt6drivelistbox", ckDriveList},
    {L"thundercheckbox", ckCheck},
    {L"thunderrt6checkbox", ckCheck},
    {L"thunderoptionbutton", ckOption},
    {L"thunderrt6optionbutton", ckOption},
    {L"progressbar20wndclass", ckProgress},
    {L"progressbarwndclass", ckProgress},
    {L"msvb_lib_header", ckHeader},
    {L"sysheader32", ckHeader},
    {L"datalistwndclass", ckDataList},
    {L"dblistwndclass", ckDataList},
    {L"combolbox", ckComboList},
};

// Every class whose lower-cased name begins with this is a grid.
constexpr std::wstring_view kGridPrefix = L"apexgrid";

}  // namespace

std::wstring LowerCaseClassName(std::wstring_view className) {
  std::wstring lower(className);
  for (wchar_t& character : lower) {
    if (character >= L'A' && character <= L'Z') character = static_cast<wchar_t>(character + (L'a' - L'A'));
  }
  return lower;
}

ControlKind ClassifyClassName(std::wstring_view className) {
  const std::wstring lower = LowerCaseClassName(className);
  for (const KindName& entry : kKindNames) {
    if (lower == entry.name) return entry.kind;
  }
  if (std::wstring_view(lower).starts_with(kGridPrefix)) return ckGrid;
  return ckOther;
}

}  // namespace quavlet::skin

#pragma once

// The kinds of window the skin engine tells apart, and how a class name maps to one.
// Plain C++ (no windows.h) so the table is tested natively.

#include <string>
#include <string_view>

namespace quavlet::skin {

enum ControlKind {
  ckForm,
  ckButton,
  ckCombo,
  ckDriveList,
  ckCheck,
  ckOption,
  ckProgress,
  ckHeader,
  ckDataList,
  ckComboList,
  ckGrid,
  ckOther,
};

// ASCII letters lower-cased, everything else kept: class names are compared byte for byte
// after this, whatever the user's locale.
std::wstring LowerCaseClassName(std::wstring_view className);

// The kind of a window whose class is className (any case); the empty name is ckOther.
ControlKind ClassifyClassName(std::wstring_view className);

}  // namespace quavlet::skin

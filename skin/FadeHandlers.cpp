#include "skin/ControlKind.h"
#include "skin/HandlerSupport.h"
#include "skin/SkinArt.h"
#include "skin/SkinHandlers.h"
#include "skin/SkinPainters.h"
#include "skin/SkinProperties.h"

namespace quavlet::skin {

namespace {

constexpr int kFadeStep = 3;

}  // namespace

void ShowPressedFace(HWND button) {
  const SkinProperties properties(button);
  StopFadeTimer(button);
  properties.Set(kOldStateProperty, kStatePressed);
  properties.Set(kAlphaLevelProperty, kOpaqueLevel);
  BlendButtonFace(button, nullptr);
  properties.Set(kAlphaLevelProperty, 0);
}

void FadeToFace(HWND button, int state, int fromLevel) {
  const SkinProperties properties(button);
  properties.Set(kOldStateProperty, state);
  properties.Set(kAlphaLevelProperty, fromLevel);
  // A fade already running carries on with this state and level from its next tick.
  StartFadeTimer(button);
}

void HandleTimer(HWND window, WPARAM, LPARAM) {
  // Any timer message steps the fade: the button has no other timer.
  if (ClassifyWindow(window) != ckButton) return;
  const SkinProperties properties(window);
  const int level = properties.Get(kAlphaLevelProperty);
  BlendButtonFace(window, nullptr);
  const int next = level + kFadeStep;
  if (next > kOpaqueLevel) {
    StopFadeTimer(window);
    properties.Set(kAlphaLevelProperty, 0);
  } else {
    properties.Set(kAlphaLevelProperty, next);
  }
}

}  // namespace quavlet::skin

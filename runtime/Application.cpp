#include "runtime/Application.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/Controls.h"
#include "runtime/Form.h"

namespace quavlet::runtime {

Application::Application(HINSTANCE instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  Form::RegisterWindowClass(instance_);
  HostWindow::RegisterWindowClass(instance_);
}

Application::~Application() {
  // Windows first, while every form object is whole; then the objects.
  std::vector<Form*> remaining;
  for (const auto& form : open_) remaining.push_back(form.get());
  for (Form* form : remaining) form->DestroyWindowNow();
  open_.clear();
  closed_.clear();
}

Form* Application::FindByName(std::wstring_view formName) const {
  for (const auto& form : open_) {
    if (form->IsLoaded() && form->FormName() == formName) return form.get();
  }
  return nullptr;
}

int Application::OpenFormCount() const {
  return static_cast<int>(std::count_if(open_.begin(), open_.end(), [](const auto& form) { return form->IsLoaded(); }));
}

void Application::Adopt(std::unique_ptr<Form> form) {
  Form& adopted = *form;
  open_.push_back(std::move(form));
  if (!adopted.Load()) FormClosed(adopted);
}

void Application::ShowForm(Form& form) { form.Show(); }

void Application::FormClosed(Form& form) {
  const auto found = std::find_if(open_.begin(), open_.end(), [&form](const auto& open) { return open.get() == &form; });
  if (found == open_.end()) return;
  closed_.push_back(std::move(*found));
  open_.erase(found);
}

void Application::CollectClosedForms() { closed_.clear(); }

int Application::Run() {
  MSG message{};
  while (OpenFormCount() > 0) {
    CollectClosedForms();
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0) return static_cast<int>(message.wParam);  // WM_QUIT
    if (result < 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  CollectClosedForms();
  return 0;
}

}  // namespace quavlet::runtime

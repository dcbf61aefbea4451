#pragma once

// The application: owns the open forms, gives one form to another by name, and runs the message
// loop until the last open form has closed. Nothing else keeps the program alive, so an open
// secondary window outlives the main one.
//
//   Application application(instance);
//   application.Show<Form1>();       // creates and loads Form1, then shows it
//   return application.Run();
//
// From a form: application().Show<Form4>() opens (or activates) Form4, and
// application().Find<Form1>() gives the open Form1 or nullptr once it has closed.
// A form class names itself with `static constexpr std::wstring_view kFormName`.

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

namespace quavlet::runtime {

class Form;

class Application {
 public:
  explicit Application(HINSTANCE instance);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  HINSTANCE instance() const { return instance_; }

  // The open form of that class, or nullptr.
  template <typename FormClass>
  FormClass* Find() const {
    return static_cast<FormClass*>(FindByName(FormClass::kFormName));
  }

  // The open form of that class; created and loaded (Form_Load runs, the window stays hidden)
  // when none is open.
  template <typename FormClass>
  FormClass& Load() {
    if (FormClass* open = Find<FormClass>()) return *open;
    auto created = std::make_unique<FormClass>(*this);
    FormClass& form = *created;
    Adopt(std::move(created));
    return form;
  }

  // Load, then show modeless and activate. Showing an open form only brings it forward.
  template <typename FormClass>
  FormClass& Show() {
    FormClass& form = Load<FormClass>();
    ShowForm(form);
    return form;
  }

  Form* FindByName(std::wstring_view formName) const;
  int OpenFormCount() const;

  // Dispatches messages until no form is open (or WM_QUIT arrives); returns the exit code.
  int Run();

  // Frees the objects of forms whose windows are gone. Run does this between messages; a form
  // is never freed while one of its own handlers may still be running.
  void CollectClosedForms();

  // Called by a form when its window has been destroyed.
  void FormClosed(Form& form);

 private:
  void Adopt(std::unique_ptr<Form> form);
  static void ShowForm(Form& form);

  HINSTANCE instance_;
  std::vector<std::unique_ptr<Form>> open_;
  std::vector<std::unique_ptr<Form>> closed_;
};

}  // namespace quavlet::runtime

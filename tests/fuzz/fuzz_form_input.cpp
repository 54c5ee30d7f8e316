// The main window's boxes take any text: typed, pasted or dropped. Each
// record of the input is a box number and a text ended by a zero byte;
// the text goes into that box, then the box is left. Leaving must end in
// an accepted value or a message with the box's text undone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MainFormModel.h"

namespace {

class QuietUi : public FormUi {
 public:
  FormAnswer Ask(const FormMessage&) override {
    ++messages;
    return FormAnswer::Ok;
  }
  std::string OpenFileName(const FileChoice&) override { return {}; }
  std::string SaveFileName(const FileChoice&) override { return {}; }
  void ShowBusyStatus(std::string_view, std::string_view) override {}
  void SetBusy(bool) override {}
  int messages = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MainModel model;
  QuietUi ui;
  MainFormModel form(model, ui);
  if (!form.Load()) std::abort();
  form.ChooseDateMode(1);
  size_t i = 0;
  while (i < size) {
    const auto box = static_cast<FormBox>(data[i++] % kFormBoxCount);
    std::string text;
    while (i < size && data[i] != 0) text += static_cast<char>(data[i++]);
    ++i;
    form.Enter(box);
    form.Edit(box, text);
    const int before = ui.messages;
    const bool accepted = form.Leave(box);
    if (!accepted && (ui.messages == before || form.Text(box) != form.Before(box))) std::abort();
  }
  return 0;
}

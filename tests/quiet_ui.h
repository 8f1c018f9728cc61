// A Ui that shows nothing and answers every question with the plain choice: for the fuzz targets
// and the benchmarks, which run the program without anyone watching.
#pragma once

#include <string>

#include "app/ui.h"
#include "commands/value_input.h"

namespace vt {

class QuietUi : public Ui {
  public:
    MsgAnswer MessageBox(const std::string&, const std::string&, MsgButtons buttons,
                         MsgIcon) override {
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::No
                                                                                  : MsgAnswer::Ok;
    }
    void ShowValueInput(ValueDialog& d) override { d.modalResult = 2; }
    FileDialogResult FileDialog(const FileDialogRequest&) override { return {}; }
    void EndProgram() override {}
};

}  // namespace vt

#pragma once
// The program's own skin switched on in the test process, as the "换皮肤" command does it.
#include <windows.h>

#include <string>

#include "app/main_form.h"
#include "skin/data/skin_data.h"
#include "support/paths.h"

namespace apptest {

// Switches the skin of the application folder on through "换皮肤" unless a skin is already on,
// and brings the main window forward. The caller waits for the form skin to become active.
inline void SwitchProgramSkinOn() {
  if (!app::Form1->SkinData1->Active() || app::Form1->SkinData1->SkinEmpty()) {
    // The start found no skin beside the test, yet left Active on: it must go off first, or the
    // command only loads the skin without starting it.
    app::Form1->SkinData1->SetActive(false);
    const std::string folder = app::Form1->Model.state.AppFolder;
    app::Form1->Model.state.AppFolder = testsupport::EnvFolder("TALVIK_DIST_DIR");
    app::Form1->huanpifuClick(nullptr);
    app::Form1->Model.state.AppFolder = folder;
  }
  SetForegroundWindow(app::Form1->Handle());
}

}  // namespace apptest

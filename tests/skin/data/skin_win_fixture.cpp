#include "skin/data/skin_win_fixture.h"

#include <cstdio>

#include "support/paths.h"
#include "support/skin_test_support.h"

namespace skintest {

fw::TApplication& App() {
  static fw::TApplication* app = [] {
    auto* a = new fw::TApplication();
    a->Initialize();
    a->SetTitle("Skin test");
    return a;
  }();
  return *app;
}

std::string DistSkin(const char* fileName) { return testsupport::DistSkinPath(fileName); }
std::string DefaultSkinPath() { return DistSkin("白兰_mxp1.skn"); }
std::string SecondSkinPath() { return DistSkin("墨夜_dark.skn"); }

std::string WriteArtifact(const std::string& name, const std::vector<uint8_t>& bytes) {
  const std::string path = testsupport::ArtifactPath(name);
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}

void Pump(DWORD ms) { testsupport::PumpMessages(ms); }

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) { return testsupport::PumpUntil(done, timeoutMs); }

std::unique_ptr<fw::TForm> ShowForm(int tag, const std::string& caption) {
  App();
  auto form = std::make_unique<fw::TForm>(fw::Application);
  form->SetTag(tag);
  form->AfterConstruction();
  form->SetCaption(caption);
  form->SetBounds(120, 100, 360, 240);
  form->Show();
  return form;
}

namespace {

LRESULT CALLBACK OwnProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd, msg, wparam, lparam);
}

}  // namespace

void RegisterOwnClass(const char* className) {
  WNDCLASSA wc{};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), className, &wc)) {
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
  }
}

HWND CreateOwnWindow(const char* className, int width, int height, DWORD style, DWORD exStyle) {
  RegisterOwnClass(className);
  return CreateWindowExA(exStyle, className, "own window", style, 150, 120, width, height, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

HWND CreateDialogWindow(DWORD style) {
  // A dialog template with no controls: DLGTEMPLATE, then empty menu, class and title.
  alignas(4) WORD buffer[32] = {};
  auto* tmpl = reinterpret_cast<DLGTEMPLATE*>(buffer);
  tmpl->style = style;
  tmpl->cx = 180;
  tmpl->cy = 90;
  tmpl->x = 20;
  tmpl->y = 20;
  return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), tmpl, nullptr,
                                    [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
}

void SkinWinTest::SetUp() {
  App();
  skin::DestroySkinManager();
}

void SkinWinTest::TearDown() {
  skin::DestroySkinManager();
  for (HWND w : windows_)
    if (IsWindow(w)) DestroyWindow(w);
  windows_.clear();
  forms_.clear();
  datas_.clear();
  Pump(20);
}

skin::TSkinData* SkinWinTest::NewSkinData(skin::TSkinFormType type, const std::string& skinFile) {
  auto data = std::make_unique<skin::TSkinData>(nullptr);
  data->SkinFormtype = type;
  data->NotifyLoaded();  // as a form reader does once the component's settings are in place
  if (!skinFile.empty()) data->SetSkinFile(skinFile);
  datas_.push_back(std::move(data));
  return datas_.back().get();
}

fw::TForm* SkinWinTest::Form(int tag) {
  forms_.push_back(ShowForm(tag));
  return forms_.back().get();
}

}  // namespace skintest

// skingen: draws the images of one of the program's skins from its style tables and checks them
// against the skin's definition text.
//   skingen SKIN_SOURCE_DIR OUT_DIR        skin.ini, every .bmp and skin.lst (entry order) into OUT_DIR
//   skingen --sheet SKIN_SOURCE_DIR OUT.png contact sheet of every image and a mock of the skin
//   skingen --check SKIN_SOURCE_DIR         only the check
//   skingen --keys SKIN_NAME                the keys the images need, as a definition skeleton
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "bmp.h"
#include "check.h"
#include "common/png_writer.h"
#include "loaded.h"
#include "sheet.h"
#include "skin/data/skin_check.h"
#include "skin/data/skin_writer.h"

namespace fs = std::filesystem;
using namespace skingen;

namespace {

bool ReadFile(const fs::path& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

bool WriteFile(const fs::path& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

// Every expected key grouped by section in first-seen order: the start of a new definition.
int PrintKeys(const std::string& name) {
  const Style* style = FindStyle(name);
  if (!style) {
    std::fprintf(stderr, "skingen: no style named \"%s\"\n", name.c_str());
    return 1;
  }
  const SkinImages images = BuildSkin(*style);
  std::vector<std::string> order;
  for (const Expect& e : images.expects)
    if (std::find(order.begin(), order.end(), e.section) == order.end()) order.push_back(e.section);
  for (const std::string& section : order) {
    std::printf("[%s]\n", section.c_str());
    for (const Expect& e : images.expects)
      if (e.section == section) std::printf("%s=%s\n", e.key.c_str(), e.value.c_str());
    std::printf("\n");
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: skingen SKIN_SOURCE_DIR OUT_DIR\n"
               "       skingen --sheet SKIN_SOURCE_DIR OUT.png\n"
               "       skingen --check SKIN_SOURCE_DIR\n"
               "       skingen --keys SKIN_NAME\n");
  return 2;
}

// Reads, draws, checks and loads the skin; prints every problem. False when there was any.
bool Prepare(const fs::path& source, std::string& ini, const Style*& style, SkinImages& images,
             skin::SkinDefinition& loaded) {
  if (!ReadFile(source / "skin.ini", ini)) {
    std::fprintf(stderr, "skingen: cannot read %s\n", (source / "skin.ini").string().c_str());
    return false;
  }
  const std::string name = DefinitionSkinName(ini);
  style = FindStyle(name);
  if (!style) {
    std::fprintf(stderr, "skingen: no style for [TitlebarSkin] SkinName \"%s\"\n", name.c_str());
    return false;
  }
  images = BuildSkin(*style);
  const std::vector<std::string> errors = CheckDefinition(ini, images);
  for (const std::string& e : errors) std::fprintf(stderr, "skingen: %s: %s\n", source.string().c_str(), e.c_str());
  if (!errors.empty()) return false;
  try {
    LoadGenerated(ini, images, loaded);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: the loader refuses the skin: %s\n", e.what());
    return false;
  }
  // The authors' check over the skin packed in memory as skinpack packs it.
  skin::SkinEntries entries{{"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())}};
  for (const Part& p : images.parts) entries.push_back({p.file, EncodeBmp24(p.image)});
  const std::vector<skin::SkinFinding> findings = skin::CheckSkin(skin::WriteSkinFile(70000, entries));
  for (const skin::SkinFinding& f : findings)
    std::fprintf(stderr, "skingen: %s: %s\n", source.string().c_str(), skin::FormatFinding(f).c_str());
  return findings.empty();
}

int Generate(const fs::path& source, const fs::path& out_dir) {
  std::string ini;
  const Style* style = nullptr;
  SkinImages images;
  skin::SkinDefinition loaded;
  if (!Prepare(source, ini, style, images, loaded)) return 1;
  std::error_code ec;
  fs::create_directories(out_dir, ec);
  std::set<std::string> written;
  std::string list = "skin.ini\n";
  bool ok = WriteFile(out_dir / "skin.ini", ini.data(), ini.size());
  for (const Part& p : images.parts) {
    const std::vector<uint8_t> bytes = EncodeBmp24(p.image);
    ok = WriteFile(out_dir / p.file, bytes.data(), bytes.size()) && ok;
    list += p.file + "\n";
    written.insert(p.file);
  }
  ok = WriteFile(out_dir / "skin.lst", list.data(), list.size()) && ok;
  // Images of an earlier run that the skin no longer has would otherwise be packed.
  for (const auto& entry : fs::directory_iterator(out_dir, ec))
    if (entry.path().extension() == ".bmp" && !written.count(entry.path().filename().string()))
      fs::remove(entry.path(), ec);
  if (!ok) {
    std::fprintf(stderr, "skingen: cannot write into %s\n", out_dir.string().c_str());
    return 1;
  }
  return 0;
}

int Sheet(const fs::path& source, const fs::path& png) {
  std::string ini;
  const Style* style = nullptr;
  SkinImages images;
  skin::SkinDefinition loaded;
  if (!Prepare(source, ini, style, images, loaded)) return 1;
  std::error_code ec;
  if (png.has_parent_path()) fs::create_directories(png.parent_path(), ec);
  if (!common::WritePngFile(RenderSheet(*style, images, loaded), png.string())) {
    std::fprintf(stderr, "skingen: cannot write %s\n", png.string().c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 4 && std::string(argv[1]) == "--sheet") return Sheet(argv[2], argv[3]);
    if (argc == 3 && std::string(argv[1]) == "--check") {
      std::string ini;
      const Style* style = nullptr;
      SkinImages images;
      skin::SkinDefinition loaded;
      return Prepare(argv[2], ini, style, images, loaded) ? 0 : 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--keys") return PrintKeys(argv[2]);
    if (argc == 3 && argv[1][0] != '-') return Generate(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return Usage();
}

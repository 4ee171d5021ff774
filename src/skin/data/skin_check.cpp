#include "skin/data/skin_check.h"

#include <algorithm>
#include <set>

#include "skin/data/bmp_loader.h"
#include "skin/data/skin_load.h"

namespace skin {
namespace {

using Kind = SkinFinding::Kind;

// Sections whose picture comes from key "Image" (the generic shape and those with a second image).
constexpr std::string_view kImageSections[] = {
    "Progress.Chunk", "GroupBoxEdge", "GroupBox", "Tabs", "StatusBarEdges", "Tab.Pane", "ToolBars", "ComboButton",
    "SunkEdge", "ExtraImages", "Headerbar", "MenuItem", "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll",
    "HorzScrollThumb", "VertScrollThumb", "Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
    "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown", "UpDown.Horz", "UpDown.Vert", "Track",
    "TRACKVERT"};
constexpr std::string_view kOtherSections[] = {"Personality", "Colours", "Buttons", "Progress", "MDICONTROLS",
                                               "Fonts", "TitlebarSkin", "Customcolors"};
constexpr std::string_view kColourKeys[] = {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight",
                                            "Menubar", "Menu", "MenuText", "ButtonText", "ButtonHilight",
                                            "Buttonlight", "ButtonShadow", "ButtonDkShadow", "MenuBarText",
                                            "TitleTextActive", "TitleTextNoActive"};

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  return out;
}
std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  return out;
}

bool IsCaptionButtonSection(const TQuickIni& ini, const std::string& s) {
  const std::string up = Upper(s);
  if (up.rfind("BUTTON", 0) != 0 || up == "BUTTON" || up == "BUTTONS" || up == "BUTTON.RADIO" ||
      up == "BUTTON.CHECKBOX") {
    return false;
  }
  return !(ini.ReadInteger(s, "Action", 0) == -1 && ini.ReadInteger(s, "Visibility", -1) != 0);
}

class Checker {
 public:
  Checker(const TQuickIni& ini, const TSkinReader& reader) : ini_(ini), reader_(reader) {}

  std::vector<SkinFinding> findings;

  void Add(Kind k, std::string text) { findings.push_back({k, std::move(text)}); }

  // One picture value: refused names, missing entries and broken pictures. Answers the picture.
  Bitmap Picture(std::string_view section, std::string_view key) {
    const std::string value = ini_.ReadString(section, key, "");
    if (value.empty()) return {};
    const std::string where = "[" + std::string(section) + "] " + std::string(key) + "=" + value;
    const std::string name = SkinImageName(value);
    if (name.empty()) {
      Add(Kind::Odd, where + ": not read, only names ending in lower-case .bmp are");
      return {};
    }
    const std::string entry = Lower(name);
    used_.insert(entry);
    std::vector<uint8_t> bytes;
    if (!reader_.GetEntry(name, bytes)) {
      // The program treats all three alike, as no picture; the author needs to know which. The
      // lookup reads the first entry of that name.
      const auto& names = reader_.Directory();
      const auto found = std::find(names.begin(), names.end(), entry);
      std::span<const uint8_t> stored;
      if (found == names.end()) {
        Add(Kind::Missing, where + ": no entry " + entry + " in the skin file");
      } else if (!reader_.EntryBytes(static_cast<size_t>(found - names.begin()), stored)) {
        Add(Kind::Error, where + ": entry " + entry + " has a damaged size");
      } else {
        Add(Kind::Odd, where + ": entry " + entry + " is empty");
      }
      return {};
    }
    Bitmap b;
    std::string error;
    if (!TryLoadBmp(bytes, b, error)) Add(Kind::Error, where + ": " + error);
    return b;
  }

  // Frame counts must divide the picture (along its width, or its height for stacked frames).
  void Frames(const std::string& what, const Bitmap& b, int32_t frames, bool stacked) {
    if (b.Empty()) return;
    const int32_t length = stacked ? b.Height() : b.Width();
    if (frames <= 0) {
      Add(Kind::Odd, what + ": frame count " + std::to_string(frames) + ", drawn as one frame");
    } else if (length % frames != 0) {
      Add(Kind::Odd, what + ": " + std::to_string(length) + " pixels " + (stacked ? "high" : "wide") +
                         " do not divide into " + std::to_string(frames) + " frames");
    }
  }

  // Names past the size table, and sizes that are negative or run past the entry data (the
  // program reads such an entry as absent).
  void DirectoryFaults() {
    if (reader_.IgnoredNames() > 0) {
      Add(Kind::Odd, "the directory names " + std::to_string(reader_.EntryCount() + reader_.IgnoredNames()) +
                         " entries; the program reads only the first " + std::to_string(kMaxSkinEntries));
    }
    for (size_t i = 0; i < reader_.EntryCount(); ++i) {
      std::span<const uint8_t> bytes;
      if (reader_.EntryBytes(i, bytes)) continue;
      const std::string& name = reader_.Directory()[i];
      const int32_t size = reader_.EntrySizes()[i];
      Add(Kind::Error, "entry " + std::to_string(i) + " (" + name + "): stored size " + std::to_string(size) +
                           (size < 0 ? " is negative" : " runs past the entry data") +
                           ", so the program reads it as absent");
    }
  }

  void UnusedEntries(const std::string& definitionName) {
    for (const std::string& entry : reader_.Directory()) {
      if (entry != definitionName && !used_.count(entry)) Add(Kind::Odd, "entry " + entry + " is not used");
    }
  }

 private:
  const TQuickIni& ini_;
  const TSkinReader& reader_;
  std::set<std::string> used_;
};

const TDataSkinObject* Slot(const SkinDefinition& d, std::string_view section) {
  const std::pair<std::string_view, const TDataSkinObject*> slots[] = {
      {"Progress.Chunk", d.ProgressChunk.get()}, {"GroupBoxEdge", d.GroupBoxEdge.get()},
      {"GroupBox", d.GroupBox.get()}, {"Tabs", d.Tabs.get()}, {"StatusBarEdges", d.StatusBarEdges.get()},
      {"Tab.Pane", d.TabPane.get()}, {"ToolBars", d.ToolBars.get()}, {"ComboButton", d.ComboButton.get()},
      {"SunkEdge", d.SunkEdge.get()}, {"ExtraImages", d.ExtraImages.get()}, {"Headerbar", d.Headerbar.get()},
      {"MenuItem", d.MenuItem.get()}, {"MenuBackground", d.MenuBackground.get()}, {"Scrollbar", d.Scrollbar.get()},
      {"HorzScroll", d.HorzScroll.get()}, {"VertScroll", d.VertScroll.get()},
      {"HorzScrollThumb", d.HorzScrollThumb.get()}, {"VertScrollThumb", d.VertScrollThumb.get()},
      {"Trackbar.ThumbHorz", d.TrackThumbHorz.get()}, {"Trackbar.ThumbVert", d.TrackThumbVert.get()},
      {"Trackbar.ThumbLeft", d.TrackThumbLeft.get()}, {"Trackbar.ThumbRight", d.TrackThumbRight.get()},
      {"Trackbar.ThumbUp", d.TrackThumbUp.get()}, {"Trackbar.ThumbDown", d.TrackThumbDown.get()},
      {"UpDown.Horz", d.UpDownHorz.get()}, {"UpDown.Vert", d.UpDownVert.get()}, {"Track", d.Track.get()},
      {"TRACKVERT", d.TrackVertical.get()}};
  for (const auto& [name, object] : slots) {
    if (name == section) return object;
  }
  return nullptr;
}

}  // namespace

std::vector<SkinFinding> CheckSkin(std::span<const uint8_t> file) {
  TSkinReader reader;
  switch (reader.ReadSkin(file)) {
    case ReadStatus::Ok: break;
    case ReadStatus::OlderFormat:
      return {{Kind::Error, "format version " + std::to_string(reader.Version()) +
                                " is not one the program reads: it shows the older-skin message"}};
    case ReadStatus::Unreadable: return {{Kind::Error, "the file cannot be expanded: not a skin file"}};
  }
  std::vector<uint8_t> text;
  std::string definitionName;
  TQuickIni ini;
  if (reader.FindEntry(".ini", text, definitionName)) {
    ini.LoadFromStream(text);
  }
  Checker c(ini, reader);
  c.DirectoryFaults();
  if (definitionName.empty()) c.Add(Kind::Missing, "no definition entry (a name containing .ini): every part takes its default");

  SkinDefinition def;
  try {
    LoadSkinDefinition(def, ini, ReaderEntrySource(reader));
  } catch (const BitmapError& e) {
    c.Add(Kind::Error, std::string("the program's load stops here: ") + e.what());
  }

  // Frame borders and the caption.
  for (const char* side : {"Left", "Right", "Top", "Bottom"}) {
    const Bitmap b = c.Picture("Personality", side);
    const bool stacked = side[0] == 'T' || side[0] == 'B';
    if (ini.ReadString("Personality", side, "").empty()) {
      c.Add(Kind::Missing, std::string("[Personality] ") + side + ": no frame border picture");
    }
    c.Frames(std::string("[Personality] ") + side, b, ini.ReadInteger("Personality", std::string(side) + "Frame", 1),
             stacked);
  }
  c.Frames("[Personality] TextBack", c.Picture("Personality", "TextBack"), 2, true);
  c.Frames("[Personality] menuBar", c.Picture("Personality", "menuBar"), 2, true);

  // Push buttons and their glyphs.
  c.Frames("[Buttons] Bitmap", c.Picture("Buttons", "Bitmap"), 5, false);
  c.Frames("[Buttons] CheckButton", c.Picture("Buttons", "CheckButton"), def.Buttons.CheckButtonFrame, false);
  c.Frames("[Buttons] RadioButton", c.Picture("Buttons", "RadioButton"), def.Buttons.RadioButtonFrame, false);

  // Caption buttons, in the order the load keeps them.
  const std::vector<std::string> sections = ini.ReadSections();
  size_t button = 0;
  for (const std::string& s : sections) {
    if (!IsCaptionButtonSection(ini, s)) continue;
    const Bitmap b = c.Picture(s, "ButtonImage");
    if (ini.ReadString(s, "ButtonImage", "").empty()) c.Add(Kind::Missing, "[" + s + "]: caption button without ButtonImage");
    if (button < def.SysButtons.size()) c.Frames("[" + s + "] ButtonImage", b, def.SysButtons[button]->Frame, false);
    ++button;
  }
  c.Frames("[MDICONTROLS] Image", c.Picture("MDICONTROLS", "Image"), 12, false);

  // Image objects.
  const Bitmap progress = c.Picture("Progress", "Bitmap");
  if (def.Progress) c.Frames("[Progress] Bitmap", progress, def.Progress->Frame, false);
  std::set<std::string> present;
  for (const std::string& s : sections) present.insert(Upper(s));
  for (std::string_view section : kImageSections) {
    const std::string s(section);
    const Bitmap b = c.Picture(section, "Image");
    if (present.count(Upper(s)) && ini.ReadString(section, "Image", "").empty()) {
      c.Add(Kind::Missing, "[" + s + "]: no Image, the part is drawn the standard way");
    }
    const TDataSkinObject* o = Slot(def, section);
    // ComboButton and SunkEdge hold the derived strip by now; their pictures have four frames.
    const int32_t frames = (section == "ComboButton" || section == "SunkEdge") ? 4 : (o ? o->Frame : 0);
    if (o) c.Frames("[" + s + "] Image", b, frames, false);
  }
  c.Picture("Tabs", "Border");
  c.Picture("ComboButton", "****");
  c.Picture("UpDown.Horz", "GlyphImage");
  c.Picture("UpDown.Vert", "GlyphImage");
  if (present.count("PROGRESS") && ini.ReadString("Progress", "Bitmap", "").empty()) {
    c.Add(Kind::Missing, "[Progress]: no Bitmap, the part is drawn the standard way");
  }

  // Colours.
  for (std::string_view key : kColourKeys) {
    if (ini.ReadString("Colours", key, "").empty()) {
      c.Add(Kind::Missing, "[Colours] " + std::string(key) + " not given: the system colour is used");
    }
  }

  // Sections the program never reads.
  for (const std::string& s : sections) {
    const std::string up = Upper(s);
    bool known = up.rfind("BUTTON", 0) == 0 || up.rfind("COLOUR", 0) == 0;
    for (std::string_view k : kImageSections) known = known || up == Upper(k);
    for (std::string_view k : kOtherSections) known = known || up == Upper(k);
    if (!known) c.Add(Kind::Odd, "[" + s + "] is not a section the program reads");
  }
  if (!definitionName.empty()) c.UnusedEntries(definitionName);
  return std::move(c.findings);
}

std::string FormatFinding(const SkinFinding& f) {
  const char* prefix = f.kind == SkinFinding::Kind::Error ? "error: " : f.kind == SkinFinding::Kind::Missing ? "missing: " : "odd: ";
  return prefix + f.text;
}

}  // namespace skin

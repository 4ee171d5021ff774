#pragma once
// The images of one skin and the definition values they rely on. Every builder draws its images
// from the style and records, next to them, the keys the definition must carry so that the loader
// cuts and places them as drawn (frame counts, margins, button positions, colours).
#include <string>
#include <vector>

#include "common/image.h"
#include "style.h"

namespace skingen {

struct Part {
  std::string file;  // entry name in the skin file, lower case
  common::Image24 image;
  int frames = 1;
  bool stacked = false;  // frames one above the other (borders, caption, menu bar)
  std::string note;      // what the frames are, for the contact sheet
};

enum class ValueKind { Integer, Text, Colour };

// A key that the definition must hold with exactly this value.
struct Expect {
  std::string section, key, value;
  ValueKind kind = ValueKind::Integer;
};

struct SkinImages {
  std::vector<Part> parts;
  std::vector<Expect> expects;

  void Add(Part part) { parts.push_back(std::move(part)); }
  void Int(const std::string& section, const std::string& key, int value) {
    expects.push_back({section, key, std::to_string(value), ValueKind::Integer});
  }
  void Text(const std::string& section, const std::string& key, const std::string& value) {
    expects.push_back({section, key, value, ValueKind::Text});
  }
  void Colour(const std::string& section, const std::string& key, Rgb c) {
    expects.push_back({section, key,
                       std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b),
                       ValueKind::Colour});
  }
  const Part* Find(const std::string& file) const {
    for (const Part& p : parts)
      if (p.file == file) return &p;
    return nullptr;
  }
};

// Every image of the skin with its expectations.
SkinImages BuildSkin(const Style& style);

// The builders, one per family of parts.
void AddFrame(const Style& st, SkinImages& out);           // borders, caption text back, menu bar
void AddCaptionButtons(const Style& st, SkinImages& out);  // caption and MDI buttons, icon
void AddMenus(const Style& st, SkinImages& out);           // popup menu item and background
void AddButtons(const Style& st, SkinImages& out);         // push, check and radio buttons
void AddScrolling(const Style& st, SkinImages& out);       // scroll bars, combo, spin
void AddPanels(const Style& st, SkinImages& out);          // progress, track, tabs, header...
void AddColours(const Style& st, SkinImages& out);         // [Colours], [Customcolors], fonts

}  // namespace skingen

#include "check.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "skin/data/colour.h"
#include "skin/data/quick_ini.h"

namespace skingen {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool EndsWithBmp(std::string_view v) {
  return v.size() > 4 && Lower(v.substr(v.size() - 4)) == ".bmp";
}

// Sections and keys written twice: the loader reads only the first, so a second one is a slip.
void CheckDuplicates(const skin::TQuickIni& ini, std::vector<std::string>& errors) {
  std::set<std::string> sections;
  std::set<std::string> keys;
  std::string section;
  for (const std::string& line : ini.Lines()) {
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      section = Lower(line);
      if (!sections.insert(section).second) errors.push_back("section written twice: " + line);
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
      errors.push_back("line without a key: " + line);
      continue;
    }
    const std::string key = section + Lower(skin::TrimIni(std::string_view(line).substr(0, eq)));
    if (!keys.insert(key).second) errors.push_back("key written twice: " + section + " " + line);
  }
}

bool SameValue(const Expect& e, const std::string& actual) {
  switch (e.kind) {
    case ValueKind::Text:
      return Lower(actual) == Lower(e.value);
    case ValueKind::Colour:
      return skin::ParseColour(actual, -1) == skin::ParseColour(e.value, -2);
    case ValueKind::Integer: {
      std::string v = actual;
      if (v.size() > 2 && (v.rfind("0x", 0) == 0 || v.rfind("0X", 0) == 0)) v = "$" + v.substr(2);
      const auto a = skin::ParseIniInteger(v);
      const auto b = skin::ParseIniInteger(e.value);
      return a && b && *a == *b;
    }
  }
  return false;
}

}  // namespace

std::string DefinitionSkinName(std::string_view ini_text) {
  skin::TQuickIni ini;
  ini.LoadFromText(ini_text);
  return ini.ReadString("TitlebarSkin", "SkinName", "");
}

std::vector<std::string> CheckDefinition(std::string_view ini_text, const SkinImages& images) {
  std::vector<std::string> errors;
  for (size_t i = 0; i < ini_text.size(); ++i)
    if (static_cast<unsigned char>(ini_text[i]) > 126 ||
        (static_cast<unsigned char>(ini_text[i]) < 32 && ini_text[i] != '\r' && ini_text[i] != '\n' &&
         ini_text[i] != '\t')) {
      errors.push_back("definition holds a byte that is not plain ASCII at offset " + std::to_string(i));
      break;
    }
  skin::TQuickIni ini;
  ini.LoadFromText(ini_text);
  CheckDuplicates(ini, errors);

  for (const Expect& e : images.expects) {
    const std::string actual = ini.ReadString(e.section, e.key, "");
    if (actual.empty())
      errors.push_back("[" + e.section + "] " + e.key + " is missing (expected " + e.value + ")");
    else if (!SameValue(e, actual))
      errors.push_back("[" + e.section + "] " + e.key + " = " + actual + ", the images need " + e.value);
  }

  // Every image value names a drawn image; every drawn image is named.
  std::set<std::string> named;
  for (const std::string& line : ini.Lines()) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string value(skin::TrimIni(std::string_view(line).substr(eq + 1)));
    if (!EndsWithBmp(value)) continue;
    if (value.substr(value.size() - 4) != ".bmp")
      errors.push_back("image name with a capital extension (the loader refuses it): " + value);
    named.insert(Lower(value));
    if (!images.Find(Lower(value))) errors.push_back("names an image that is not drawn: " + value);
  }
  for (const Part& p : images.parts) {
    if (!named.count(p.file)) errors.push_back("drawn image not named by the definition: " + p.file);
    const int along = p.stacked ? p.image.height : p.image.width;
    if (p.image.empty() || p.frames < 1 || along % p.frames != 0)
      errors.push_back(p.file + ": " + std::to_string(along) + " pixels do not divide into " +
                       std::to_string(p.frames) + " frames");
  }
  return errors;
}

}  // namespace skingen

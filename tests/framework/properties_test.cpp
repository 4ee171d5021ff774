// Published properties read and written by name, as the skin engine uses them.
#include <gtest/gtest.h>

#include "framework/framework.h"
#include "framework/typinfo.h"

namespace {

using fw::TTypeKind;

struct Controls {
  fw::TComponent owner{nullptr};
  fw::TListBox* list = new fw::TListBox(&owner);
  fw::TLabel* label = new fw::TLabel(&owner);
  fw::TButton* button = new fw::TButton(&owner);
  fw::TPanel* panel = new fw::TPanel(&owner);
  fw::TToolBar* bar = new fw::TToolBar(&owner);
  fw::TLabeledEdit* edit = new fw::TLabeledEdit(&owner);
  fw::TShape* shape = new fw::TShape(&owner);
  fw::TImage* image = new fw::TImage(&owner);
  fw::TMenuItem* item = new fw::TMenuItem(&owner);
  fw::TTimer* timer = new fw::TTimer(&owner);
};

TEST(Properties, KindsOfCommonPropertiesOnEveryControlClass) {
  Controls c;
  fw::TObject* objects[] = {c.list, c.label, c.button, c.panel, c.bar, c.edit, c.shape, c.image};
  struct Row {
    const char* name;
    TTypeKind kind;
  } rows[] = {{"Tag", TTypeKind::tkInteger},        {"Name", TTypeKind::tkString},
              {"Left", TTypeKind::tkInteger},       {"Width", TTypeKind::tkInteger},
              {"Visible", TTypeKind::tkEnumeration}, {"Enabled", TTypeKind::tkEnumeration},
              {"Color", TTypeKind::tkInteger},      {"Font", TTypeKind::tkClass},
              {"Hint", TTypeKind::tkString},        {"PopupMenu", TTypeKind::tkClass}};
  for (fw::TObject* o : objects)
    for (const Row& r : rows) {
      const fw::TPropInfo* p = fw::GetPropInfo(o, r.name);
      ASSERT_NE(p, nullptr) << o->ClassName() << "." << r.name;
      EXPECT_EQ(p->Kind, r.kind) << o->ClassName() << "." << r.name;
    }
}

TEST(Properties, ReadAndWriteByNameReachTheControl) {
  Controls c;
  fw::SetOrdProp(c.list, "tag", 99);  // names compare without case
  EXPECT_EQ(c.list->Tag(), 99);
  EXPECT_EQ(fw::GetOrdProp(c.list, "Tag"), 99);

  fw::SetOrdProp(c.list, "Left", 64);
  fw::SetOrdProp(c.list, "ItemHeight", 20);
  EXPECT_EQ(c.list->Left(), 64);
  EXPECT_EQ(c.list->ItemHeight(), 20);

  EXPECT_EQ(fw::GetEnumProp(c.list, "Visible"), "True");
  EXPECT_TRUE(fw::SetEnumProp(c.list, "Visible", "false"));
  EXPECT_FALSE(c.list->Visible());
  EXPECT_EQ(fw::GetEnumProp(c.list, "BorderStyle"), "bsSingle");
  EXPECT_FALSE(fw::SetEnumProp(c.list, "BorderStyle", "bsFancy"));
  EXPECT_EQ(fw::GetEnumProp(c.panel, "BevelOuter"), "bvRaised");
  EXPECT_EQ(fw::GetEnumProp(c.panel, "ParentBackground"), "False");
  EXPECT_EQ(fw::GetEnumProp(c.button, "Default"), "False");

  fw::SetStrProp(c.label, "Caption", "双击复制");
  EXPECT_EQ(c.label->Caption(), "双击复制");
  EXPECT_EQ(fw::GetStrProp(c.edit, "Text"), "");

  fw::TObject* font = fw::GetObjectProp(c.label, "Font", &fw::TFont::StaticClassInfo());
  ASSERT_EQ(font, c.label->Font());
  EXPECT_EQ(fw::GetObjectProp(c.label, "Font", &fw::TBitmap::StaticClassInfo()), nullptr);
  fw::SetStrProp(font, "Name", "宋体");
  fw::SetOrdProp(font, "Style", fw::fsUnderline | fw::fsBold);
  EXPECT_EQ(c.label->Font()->Name(), "宋体");
  EXPECT_EQ(fw::GetSetProp(font, "Style"), "[fsBold,fsUnderline]");

  EXPECT_EQ(fw::GetOrdProp(c.item, "ImageIndex"), -1);
  EXPECT_EQ(fw::GetOrdProp(c.timer, "Interval"), 1000);
  EXPECT_EQ(fw::GetObjectProp(c.edit, "EditLabel"), c.edit->EditLabel());
}

TEST(Properties, MissingOrMismatchedPropertiesFailSoftly) {
  Controls c;
  EXPECT_EQ(fw::GetPropInfo(c.list, "NoSuchThing"), nullptr);
  EXPECT_EQ(fw::GetPropInfo(nullptr, "Tag"), nullptr);
  EXPECT_EQ(fw::GetOrdProp(c.list, "NoSuchThing"), 0);
  EXPECT_EQ(fw::GetStrProp(c.list, "Tag"), "");           // not a string
  EXPECT_EQ(fw::GetObjectProp(c.list, "Tag"), nullptr);   // not an object
  EXPECT_EQ(fw::GetEnumProp(c.list, "Tag"), "");          // not an enumeration
  fw::SetOrdProp(c.list, "Name", 5);                      // ignored
  fw::SetStrProp(c.list, "NoSuchThing", "x");             // ignored
  fw::SetOrdProp(c.list, "BorderStyle", 7);               // out of range: ignored
  EXPECT_EQ(c.list->BorderStyle(), fw::TBorderStyle::bsSingle);
  fw::SetOrdProp(c.list, "ItemIndex", 3);                 // no such entry: none selected
  EXPECT_EQ(c.list->ItemIndex(), -1);
}

TEST(Properties, ClassNamesAndFamilies) {
  Controls c;
  EXPECT_EQ(c.list->ClassName(), "TListBox");
  EXPECT_EQ(c.edit->ClassName(), "TLabeledEdit");
  EXPECT_TRUE(c.edit->InheritsFrom(fw::TCustomEdit::StaticClassInfo()));
  EXPECT_TRUE(c.panel->InheritsFrom(fw::TWinControl::StaticClassInfo()));
  EXPECT_FALSE(c.label->InheritsFrom(fw::TWinControl::StaticClassInfo()));
  // Every property appears once in the full list, the most derived one winning.
  auto list = fw::GetPropList(c.button);
  int captions = 0;
  for (const fw::TPropInfo* p : list) captions += p->Name == "Caption";
  EXPECT_EQ(captions, 1);
}

}  // namespace

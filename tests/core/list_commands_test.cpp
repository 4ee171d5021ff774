// The list commands: add, modify, delete, click, copy, drag and drop.
#include "core/list_commands.h"

#include <gtest/gtest.h>

#include "core_fakes.h"

namespace {

using Entries = std::vector<std::string>;

class ListCommands : public testing::Test {
 protected:
  void Fill(Entries entries, int selected) {
    for (auto& e : entries) list.Append(e);
    list.Select(selected);
  }

  fakes::CoreWorld world;
  core::PathList list;
  core::PathListState state;
  core::Options options;
};

TEST_F(ListCommands, AddAppendsSelectsAndRemembersFolder) {
  Fill({"C:\\A"}, 0);
  state.LastBrowseFolder = "C:\\Start";
  world.ui.chooserAnswers = {"D:\\New", "D:\\New"};
  core::zenjiaClick(list, state, world.ui);
  core::zenjiaClick(list, state, world.ui);
  EXPECT_EQ(list.entries(), (Entries{"C:\\A", "D:\\New", "D:\\New"}));  // duplicates allowed
  EXPECT_EQ(list.selected(), 2);
  EXPECT_EQ(state.LastBrowseFolder, "D:\\New");
  EXPECT_EQ(world.log, (Entries{"choose:增加软件安装路径，请选择一个目录|C:\\Start",
                                "choose:增加软件安装路径，请选择一个目录|D:\\New"}));
  EXPECT_TRUE(list.hint().empty());  // a programmatic selection is not a click
}

TEST_F(ListCommands, CancelledChooserChangesNothing) {
  Fill({"C:\\A", "C:\\B"}, 1);
  state.LastBrowseFolder = "C:\\Start";
  core::zenjiaClick(list, state, world.ui);
  core::N22Click(list, state, world.ui);
  EXPECT_EQ(list.entries(), (Entries{"C:\\A", "C:\\B"}));
  EXPECT_EQ(list.selected(), 1);
  EXPECT_EQ(state.LastBrowseFolder, "C:\\Start");
}

TEST_F(ListCommands, ModifyReplacesSelectedInPlace) {
  Fill({"C:\\A", "C:\\B", "C:\\C"}, 1);
  world.ui.chooserAnswers = {"E:\\X"};
  core::N22Click(list, state, world.ui);
  EXPECT_EQ(list.entries(), (Entries{"C:\\A", "E:\\X", "C:\\C"}));
  EXPECT_EQ(list.selected(), 1);
  EXPECT_EQ(state.LastBrowseFolder, "E:\\X");
  EXPECT_EQ(world.log, (Entries{"choose:修改软件安装路径，请选择一个目录|"}));
}

TEST_F(ListCommands, ModifyWithoutSelectionAsksNothing) {
  core::N22Click(list, state, world.ui);
  Fill({"C:\\A"}, -1);
  core::N22Click(list, state, world.ui);
  EXPECT_TRUE(world.log.empty());
}

TEST_F(ListCommands, DeleteOneSelectsTheEntryThatMovesUp) {
  struct Case {
    Entries entries;
    int selected;
    Entries after;
    int selectedAfter;
  };
  const Case cases[] = {
      {{"A", "B", "C"}, 0, {"B", "C"}, 0},
      {{"A", "B", "C"}, 1, {"A", "C"}, 1},
      {{"A", "B", "C"}, 2, {"A", "B"}, -1},
      {{"A"}, 0, {}, -1},
      {{"A", "B"}, -1, {"A", "B"}, -1},
      {{}, -1, {}, -1},
  };
  for (const Case& c : cases) {
    core::PathList l;
    for (auto& e : c.entries) l.Append(e);
    l.Select(c.selected);
    core::N3Click(l);
    EXPECT_EQ(l.entries(), c.after);
    EXPECT_EQ(l.selected(), c.selectedAfter);
  }
}

TEST_F(ListCommands, DeleteAllEmptiesList) {
  Fill({"A", "B"}, 1);
  core::N9Click(list);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.selected(), -1);
}

TEST_F(ListCommands, ClickSetsHintAndCopiesOnlyWithOption) {
  Fill({"C:\\A", "C:\\B"}, 1);
  core::ListBox1Click(list, options, world.ui);
  EXPECT_EQ(list.hint(), "C:\\B");
  options.mycopy = false;
  list.Select(0);
  core::ListBox1Click(list, options, world.ui);
  EXPECT_EQ(list.hint(), "C:\\A");
  EXPECT_EQ(world.log, (Entries{"clip:C:\\B"}));
}

TEST_F(ListCommands, CopyAlwaysCopiesAndKeepsOptionTick) {
  Fill({"C:\\A"}, 0);
  for (bool tick : {false, true}) {
    options.mycopy = tick;
    core::N25Click(list, options, world.ui);
    EXPECT_EQ(options.mycopy, tick);
  }
  EXPECT_EQ(world.log, (Entries{"clip:C:\\A", "clip:C:\\A"}));
}

TEST_F(ListCommands, WithoutSelectionClickCopyAndDoubleClickDoNothing) {
  EXPECT_FALSE(core::ListBox1DblClick(list));
  Fill({"C:\\A"}, -1);
  core::ListBox1Click(list, options, world.ui);
  core::N25Click(list, options, world.ui);
  EXPECT_FALSE(core::ListBox1DblClick(list));
  EXPECT_TRUE(world.log.empty());
  EXPECT_TRUE(list.hint().empty());
  list.Select(0);
  EXPECT_TRUE(core::ListBox1DblClick(list));
}

struct DropCase {
  const char* name;
  int start;  // entry under the pointer when the drag starts
  int selected;
  int drop;
  Entries after;
  int selectedAfter;
  bool changed;
};

class DragDrop : public testing::TestWithParam<DropCase> {};

TEST_P(DragDrop, MovesSelectedBeforeDropTarget) {
  const DropCase& c = GetParam();
  core::PathList list;
  for (const char* e : {"A", "B", "C", "D"}) list.Append(e);
  list.Select(c.selected);
  core::PathListState state;
  core::ListBox1StartDrag(state, c.start);
  EXPECT_EQ(core::ListBox1DragDrop(list, state, c.drop), c.changed);
  EXPECT_EQ(list.entries(), c.after);
  EXPECT_EQ(list.selected(), c.selectedAfter);
}

const DropCase kDropCases[] = {
    {"last_onto_first", 3, 3, 0, {"D", "A", "B", "C"}, 0, true},
    {"first_onto_last", 0, 0, 3, {"B", "C", "A", "D"}, 2, true},
    {"first_onto_third", 0, 0, 2, {"B", "A", "C", "D"}, 1, true},
    {"third_onto_second", 2, 2, 1, {"A", "C", "B", "D"}, 1, true},
    {"onto_lower_neighbour_no_change", 0, 0, 1, {"A", "B", "C", "D"}, 0, true},
    {"onto_upper_neighbour_swaps", 1, 1, 0, {"B", "A", "C", "D"}, 0, true},
    {"onto_itself", 2, 2, 2, {"A", "B", "C", "D"}, 2, false},
    {"below_entries", 1, 1, -1, {"A", "B", "C", "D"}, 1, false},
    {"past_the_end_index", 1, 1, 4, {"A", "B", "C", "D"}, 1, false},
    {"drag_not_on_entry", -1, 1, 0, {"A", "B", "C", "D"}, 1, false},
    {"nothing_selected", 1, -1, 0, {"A", "B", "C", "D"}, -1, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, DragDrop, testing::ValuesIn(kDropCases),
                         [](const testing::TestParamInfo<DropCase>& i) { return std::string(i.param.name); });

TEST(DragDropState, RecordsSourceAndDropIndices) {
  core::PathList list;
  for (const char* e : {"A", "B", "C"}) list.Append(e);
  list.Select(2);
  core::PathListState state;
  core::ListBox1StartDrag(state, 1);  // the press selected another entry than the one under the pointer
  EXPECT_EQ(state.DragSourceIndex, 1);
  core::ListBox1DragDrop(list, state, 0);
  EXPECT_EQ(state.DragSourceIndex, 2);  // the selected entry is what moves
  EXPECT_EQ(state.DropIndex, 0);
  EXPECT_EQ(list.entries(), (Entries{"C", "A", "B"}));
}

TEST(PathListModel, TextsEndAtZeroByteAndSelectionFollowsItsEntry) {
  core::PathList list;
  list.Append(std::string("C:\\A\0B", 6));
  list.Append("C:\\B");
  EXPECT_EQ(list.entries()[0], "C:\\A");
  list.Select(1);
  list.Insert(0, "X");
  EXPECT_EQ(list.selected(), 2);
  list.Remove(0);
  EXPECT_EQ(list.selected(), 1);
  list.Select(7);
  EXPECT_EQ(list.selected(), -1);
}

}  // namespace

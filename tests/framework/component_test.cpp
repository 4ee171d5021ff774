// Ownership, removal notifications and Loaded order of components.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/framework.h"

namespace {

std::vector<std::string> g_log;

class Probe : public fw::TComponent {
 public:
  Probe(fw::TComponent* owner, const char* name) : fw::TComponent(owner) { SetName(name); }
  ~Probe() override { g_log.push_back("~" + Name()); }
  fw::TComponent* watched = nullptr;

 protected:
  void Loaded() override { g_log.push_back("loaded " + Name()); }
  void Notification(fw::TComponent* c, fw::TOperation op) override {
    fw::TComponent::Notification(c, op);
    if (op == fw::TOperation::opRemove && c == watched) watched = nullptr;
  }
};

TEST(Component, OwnerDestroysOwnedNewestFirstAndLoadedRunsOwnerFirst) {
  g_log.clear();
  auto* root = new Probe(nullptr, "root");
  auto* a = new Probe(root, "a");
  new Probe(a, "a1");
  new Probe(root, "b");
  EXPECT_EQ(root->ComponentCount(), 2);
  EXPECT_EQ(root->FindComponent("B")->Name(), "b");  // names compare without case
  EXPECT_EQ(root->FindComponent("a1"), nullptr);     // only directly owned ones
  root->NotifyLoaded();
  EXPECT_EQ(g_log, (std::vector<std::string>{"loaded root", "loaded a", "loaded a1", "loaded b"}));
  g_log.clear();
  delete root;
  EXPECT_EQ(g_log, (std::vector<std::string>{"~root", "~b", "~a", "~a1"}));
}

TEST(Component, DeletingAnOwnedComponentTakesItOutOfItsOwner) {
  Probe root(nullptr, "root");
  auto* a = new Probe(&root, "a");
  new Probe(&root, "b");
  delete a;
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0)->Name(), "b");
}

TEST(Component, SiblingsAndFreeNotificationListenersHearOfRemoval) {
  Probe root(nullptr, "root");
  auto* watcher = new Probe(&root, "watcher");
  auto* sibling = new Probe(&root, "sibling");
  watcher->watched = sibling;
  delete sibling;
  EXPECT_EQ(watcher->watched, nullptr);

  Probe other_root(nullptr, "other");
  auto* remote = new Probe(&other_root, "remote");
  watcher->watched = remote;
  remote->FreeNotification(watcher);
  delete remote;
  EXPECT_EQ(watcher->watched, nullptr);
}

TEST(Component, ControlForgetsItsPopupMenuWhenTheMenuGoes) {
  fw::TComponent owner(nullptr);
  auto* menu = new fw::TPopupMenu(&owner);
  auto* label = new fw::TLabel(&owner);
  label->SetPopupMenu(menu);
  delete menu;
  EXPECT_EQ(label->PopupMenu(), nullptr);
}

}  // namespace

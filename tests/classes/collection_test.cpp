#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/classes/collection.h"
#include "platform/core/exceptions.h"
#include "tests/classes/sample_widget.h"

namespace {

using Log = std::vector<std::string>;

class TRecordedItem : public TCollectionItem {
  DECLARE_CLASS(TRecordedItem, TCollectionItem)
 public:
  explicit TRecordedItem(TCollection* collection) : TCollectionItem(collection) {}
  const String& Title() const { return title_; }
  void SetTitle(const String& title) {
    title_ = title;
    Changed(false);
  }
  void Assign(TPersistent* source) override {
    if (auto* item = dynamic_cast<TRecordedItem*>(source)) {
      title_ = item->title_;
      return;
    }
    TCollectionItem::Assign(source);
  }

 protected:
  String GetDisplayName() override { return title_.empty() ? ClassName() : title_; }

 private:
  String title_ = "untitled";  // set before any notification can see the item
};

// Records every Update and Notify with the item's title (or "nil") as a collection sees it.
class TRecordingCollection : public TOwnedCollection {
 public:
  explicit TRecordingCollection(TPersistent* owner = nullptr)
      : TOwnedCollection(owner, TCollectionItemClass::Of<TRecordedItem>()) {}
  ~TRecordingCollection() override { Clear(); }
  TRecordedItem* Item(int i) const { return static_cast<TRecordedItem*>(Items(i)); }
  Log log;

 protected:
  void Update(TCollectionItem* item) override { log.push_back("Update " + Title(item)); }
  void Notify(TCollectionItem* item, TCollectionNotification action) override {
    static const char* const names[] = {"Added", "Extracting", "Deleting"};
    log.push_back(std::string(names[action]) + " " + Title(item));
  }

 private:
  static std::string Title(TCollectionItem* item) {
    return item == nullptr ? "nil" : static_cast<TRecordedItem*>(item)->Title();
  }
};

TRecordingCollection* Filled(TRecordingCollection& c, std::initializer_list<const char*> titles) {
  for (const char* t : titles) static_cast<TRecordedItem*>(c.Add())->SetTitle(t);
  c.log.clear();
  return &c;
}

TEST(CollectionNotifications, AddAnnouncesTheWholeItemThenUpdatesAll) {
  TRecordingCollection c;
  auto* item = static_cast<TRecordedItem*>(c.Add());
  EXPECT_EQ(c.log, (Log{"Added untitled", "Update nil"}));
  c.log.clear();
  item->SetTitle("A");
  EXPECT_EQ(c.log, (Log{"Update A"}));
}

TEST(CollectionNotifications, DeleteSendsDeletingExtractingThenUpdate) {
  TRecordingCollection c;
  Filled(c, {"A", "B", "C"});
  c.Delete(1);
  EXPECT_EQ(c.log, (Log{"Deleting B", "Extracting B", "Update nil"}));
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.Item(1)->Title(), "C");
}

TEST(CollectionNotifications, FreeingAnItemExtractsItWithoutDeleting) {
  TRecordingCollection c;
  Filled(c, {"A", "B"});
  std::unique_ptr<TRecordedItem> taken(c.Item(0));
  taken->SetCollection(nullptr);
  EXPECT_EQ(c.log, (Log{"Extracting A", "Update nil"}));
  EXPECT_EQ(c.Count(), 1);
  c.log.clear();
  taken.reset();  // out of the collection: freeing it tells nobody
  EXPECT_TRUE(c.log.empty());
}

TEST(CollectionNotifications, ClearExtractsLastFirstInsideOneUpdate) {
  TRecordingCollection c;
  Filled(c, {"A", "B"});
  c.Clear();
  EXPECT_EQ(c.log, (Log{"Extracting B", "Extracting A", "Update nil"}));
  c.log.clear();
  c.Clear();
  EXPECT_TRUE(c.log.empty());
}

TEST(CollectionNotifications, InsertIsAddThenMove) {
  TRecordingCollection c;
  Filled(c, {"A", "B"});
  auto* item = c.Insert(0);
  EXPECT_EQ(c.log, (Log{"Added untitled", "Update nil", "Update nil"}));
  EXPECT_EQ(c.Items(0), item);
  EXPECT_EQ(item->Index(), 0);
}

TEST(CollectionNotifications, NestedUpdatesSendOneUpdateAtTheLastEnd) {
  TRecordingCollection c;
  Filled(c, {"A"});
  c.BeginUpdate();
  c.BeginUpdate();
  c.Add();
  c.Item(0)->SetTitle("A2");
  c.EndUpdate();
  EXPECT_EQ(c.log, (Log{"Added untitled"}));
  EXPECT_EQ(c.UpdateCount(), 1);
  c.EndUpdate();
  EXPECT_EQ(c.log, (Log{"Added untitled", "Update nil"}));
}

TEST(CollectionNotifications, UpdateLockEndsTheBracketWhenAnErrorLeavesTheScope) {
  TRecordingCollection c;
  try {
    TCollectionUpdateLock lock(c);
    c.Add();
    throw std::runtime_error("failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(c.UpdateCount(), 0);
  EXPECT_EQ(c.log, (Log{"Added untitled", "Update nil"}));
}

TEST(CollectionItems, IndexSetterMovesAndUpdatesAll) {
  TRecordingCollection c;
  Filled(c, {"A", "B", "C"});
  c.Item(0)->SetIndex(2);
  EXPECT_EQ(c.log, (Log{"Update nil"}));
  EXPECT_EQ(c.Item(0)->Title(), "B");
  EXPECT_EQ(c.Item(2)->Title(), "A");
  c.log.clear();
  c.Item(1)->SetIndex(1);
  EXPECT_TRUE(c.log.empty());
  try {
    c.Item(1)->SetIndex(3);
    FAIL() << "no error for a bad index";
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (3)");
  }
  EXPECT_THROW(c.Items(-1), EListError);
  EXPECT_THROW(c.Delete(3), EListError);
}

TEST(CollectionItems, IdsAreUniqueAndNeverReused) {
  TRecordingCollection c;
  Filled(c, {"A", "B"});
  int idB = c.Item(1)->ID();
  c.Delete(1);
  auto* d = c.Add();
  EXPECT_NE(d->ID(), idB);
  EXPECT_EQ(c.FindItemID(c.Item(0)->ID()), c.Item(0));
  EXPECT_EQ(c.FindItemID(idB), nullptr);
}

TEST(CollectionItems, AssignCopiesItemsInsideOneUpdate) {
  TRecordingCollection source;
  Filled(source, {"A", "B"});
  TRecordingCollection dest;
  Filled(dest, {"X"});
  dest.Assign(&source);
  ASSERT_EQ(dest.Count(), 2);
  EXPECT_EQ(dest.Item(0)->Title(), "A");
  EXPECT_EQ(dest.Item(1)->Title(), "B");
  EXPECT_EQ(dest.log.back(), "Update nil");
  EXPECT_EQ(std::count(dest.log.begin(), dest.log.end(), "Update nil"), 1);
  TWidgetFont font;
  try {
    dest.Assign(&font);
    FAIL() << "a font was assigned to a collection";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TWidgetFont to a TOwnedCollection");
  }
  EXPECT_THROW(dest.Assign(nullptr), EConvertError);
  EXPECT_EQ(dest.Count(), 2);
}

TEST(CollectionItems, DisplayNamesAndNamePaths) {
  TComponent form(nullptr);
  form.SetName("Form1");
  TRecordingCollection owned(&form);
  Filled(owned, {"", "Second"});
  EXPECT_EQ(owned.Item(0)->DisplayName(), "TRecordedItem");
  EXPECT_EQ(owned.Item(1)->DisplayName(), "Second");
  // The owner does not publish the collection, so the collection goes by its class name.
  EXPECT_EQ(owned.Item(1)->GetNamePath(), "TOwnedCollection[1]");
  EXPECT_EQ(owned.Owner(), &form);
  TSampleWidget widget(nullptr);
  widget.SetName("Widget1");
  new TSampleItem(widget.Items());
  EXPECT_EQ(widget.Items()->Items(0)->GetNamePath(), "Widget1.Items[0]");
  TRecordedItem loose(nullptr);
  EXPECT_EQ(loose.GetNamePath(), "TRecordedItem");
}

}  // namespace

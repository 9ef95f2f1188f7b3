#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/string_list.h"
#include "tests/core/expect_message.h"

namespace {

std::vector<String> Lines(const TStrings& list) {
  std::vector<String> out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}

void Fill(TStrings& list, std::initializer_list<const char*> lines) {
  for (const char* s : lines) list.Add(s);
}

// ---- Lines and objects ------------------------------------------------------------------

TEST(StringList, KeepsStringsWithTheirObjects) {
  TObject one;
  TObject two;
  TStringList list;
  EXPECT_EQ(list.AddObject("one", &one), 0);
  list.Add("three");
  list.InsertObject(1, "two", &two);
  EXPECT_EQ(Lines(list), (std::vector<String>{"one", "two", "three"}));
  EXPECT_EQ(list.Objects(1), &two);
  EXPECT_EQ(list.IndexOfObject(&one), 0);
  list.SetObjects(2, &one);
  list.SetStrings(2, "3");
  list.Delete(0);
  EXPECT_EQ(Lines(list), (std::vector<String>{"two", "3"}));
  EXPECT_EQ(list.IndexOfObject(&one), 1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, RaisesForIndexesOutsideTheList) {
  TStringList list;
  Fill(list, {"a", "b"});
  ExpectRaises<EListError>([&] { list.Strings(2); }, "List index out of bounds (2)");
  ExpectRaises<EListError>([&] { list.Objects(-1); }, "List index out of bounds (-1)");
  ExpectRaises<EListError>([&] { list.Delete(7); }, "List index out of bounds (7)");
  ExpectRaises<EListError>([&] { list.Insert(3, "x"); }, "List index out of bounds (3)");
  ExpectRaises<EListError>([&] { list.SetStrings(2, "x"); }, "List index out of bounds (2)");
  ExpectRaises<EListError>([&] { list.Move(0, 2); }, "List index out of bounds (2)");
  ExpectRaises<EListError>([&] { list.Names(5); }, "List index out of bounds (5)");
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "b"}));
}

TEST(StringList, IndexOfIgnoresLatinCaseUnlessCaseSensitive) {
  TStringList list;
  Fill(list, {"Alpha", "beta", "中文", "BETA"});
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("Beta"), 1);
  EXPECT_EQ(list.IndexOf("中文"), 2);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("ALPHA"), -1);
  EXPECT_EQ(list.IndexOf("BETA"), 3);
}

TEST(StringList, ExchangeAndMoveCarryObjectsAlong) {
  TObject x;
  TStringList list;
  Fill(list, {"a", "b", "c", "d"});
  list.SetObjects(0, &x);
  list.Exchange(0, 2);
  EXPECT_EQ(Lines(list), (std::vector<String>{"c", "b", "a", "d"}));
  EXPECT_EQ(list.Objects(2), &x);
  list.Move(2, 0);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "c", "b", "d"}));
  list.Move(0, 3);
  EXPECT_EQ(Lines(list), (std::vector<String>{"c", "b", "d", "a"}));
  EXPECT_EQ(list.Objects(3), &x);
}

TEST(StringList, KeepsBinaryContents) {
  TStringList list;
  const String withNul("a\0b", 3);
  list.Add(withNul);
  list.Add("\xFF\xFE");
  EXPECT_EQ(list.Strings(0), withNul);
  EXPECT_EQ(list.IndexOf(withNul), 0);
  EXPECT_EQ(list.IndexOf("a"), -1);
  EXPECT_EQ(list.Text(), String("a\0b\r\n\xFF\xFE\r\n", 9));
}

// ---- name=value lines -------------------------------------------------------------------

TEST(NameValueLines, FirstNameWinsIgnoringCase) {
  TStringList list;
  Fill(list, {"plain line", "Host=first", "host=second", "=nameless", "Port=80"});
  EXPECT_EQ(list.IndexOfName("HOST"), 1);
  EXPECT_EQ(list.Values("host"), "first");
  EXPECT_EQ(list.Values("port"), "80");
  EXPECT_EQ(list.Values("plain line"), "");
  EXPECT_EQ(list.IndexOfName("plain line"), -1);
  EXPECT_EQ(list.Names(0), "");
  EXPECT_EQ(list.ValueFromIndex(0), "");
  EXPECT_EQ(list.Names(3), "");
  EXPECT_EQ(list.ValueFromIndex(3), "nameless");
  EXPECT_EQ(list.Names(4), "Port");
}

TEST(NameValueLines, SettingAValueReplacesAddsOrDeletes) {
  TStringList list;
  Fill(list, {"a=1", "B=2", "b=3"});
  list.SetValues("b", "two=2");  // the first match, the rest of the value kept whole
  list.SetValues("c", "new");
  EXPECT_EQ(Lines(list), (std::vector<String>{"a=1", "b=two=2", "b=3", "c=new"}));
  EXPECT_EQ(list.Values("B"), "two=2");
  list.SetValues("a", "");
  list.SetValues("missing", "");
  EXPECT_EQ(Lines(list), (std::vector<String>{"b=two=2", "b=3", "c=new"}));
}

TEST(NameValueLines, HonourTheSeparator) {
  TStringList list;
  list.SetNameValueSeparator(':');
  Fill(list, {"name:张三", "a=b:c"});
  EXPECT_EQ(list.Values("NAME"), "张三");
  EXPECT_EQ(list.Names(1), "a=b");
  EXPECT_EQ(list.ValueFromIndex(1), "c");
}

// ---- Text -------------------------------------------------------------------------------

TEST(Text, EndsEveryLineWithCrLf) {
  TStringList list;
  EXPECT_EQ(list.Text(), "");
  Fill(list, {"one", "", "三"});
  EXPECT_EQ(list.Text(), "one\r\n\r\n三\r\n");
}

TEST(Text, SplitsAtCrLfCrAndLf) {
  TStringList list;
  list.Add("old");
  list.SetText("a\r\nb\nc\rd\n\ne");
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "b", "c", "d", "", "e"}));
  list.SetText("last\r\n");
  EXPECT_EQ(Lines(list), (std::vector<String>{"last"}));
  list.SetText("\n\r\n");
  EXPECT_EQ(Lines(list), (std::vector<String>{"", ""}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

// ---- Comma and delimited text -----------------------------------------------------------

TEST(CommaText, QuotesItemsThatWouldNotReadBack) {
  TStringList list;
  Fill(list, {"plain", "two words", "a,b", "say \"hi\"", "", "中文", "tab\there"});
  EXPECT_EQ(list.CommaText(), "plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",,中文,\"tab\there\"");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(Lines(back), Lines(list));

  TStringList single;
  single.Add("");
  EXPECT_EQ(single.CommaText(), "\"\"");
  back.SetCommaText(single.CommaText());
  EXPECT_EQ(Lines(back), (std::vector<String>{""}));
}

TEST(CommaText, ReadsQuotedItemsAndSplitsAtUnquotedSpaces) {
  TStringList list;
  list.SetCommaText("  a b, \"c d\" ,\"e\"\"f\",,g,");
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "b", "c d", "e\"f", "", "g", ""}));
  list.SetCommaText("\"unclosed, still read");
  EXPECT_EQ(Lines(list), (std::vector<String>{"unclosed, still read"}));
  list.SetCommaText("");
  EXPECT_EQ(list.Count(), 0);
  list.SetCommaText(",");
  EXPECT_EQ(Lines(list), (std::vector<String>{"", ""}));
}

TEST(DelimitedText, UsesTheListsDelimiterAndQuote) {
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  Fill(list, {"a,b", "it's", "x y"});
  EXPECT_EQ(list.DelimitedText(), "a,b;'it''s';'x y'");
  EXPECT_EQ(list.CommaText(), "\"a,b\",it's,\"x y\"");  // CommaText ignores the settings
  TStringList back;
  back.SetDelimiter(';');
  back.SetQuoteChar('\'');
  back.SetDelimitedText(list.DelimitedText());
  EXPECT_EQ(Lines(back), Lines(list));
}

TEST(DelimitedText, StrictDelimiterKeepsSpacesInsideItems) {
  TStringList list;
  list.SetStrictDelimiter(true);
  list.SetDelimiter('|');
  list.SetDelimitedText(" a b | c|");
  EXPECT_EQ(Lines(list), (std::vector<String>{" a b ", " c", ""}));
  EXPECT_EQ(list.DelimitedText(), " a b | c|");
}

// ---- Sorting ----------------------------------------------------------------------------

TEST(SortedList, AddsInLocaleOrderAndFindsByBinarySearch) {
  TStringList list;
  list.SetSorted(true);
  Fill(list, {"才", "banana", "啊", "Apple", "吧", "cherry"});
  EXPECT_EQ(Lines(list), (std::vector<String>{"Apple", "banana", "cherry", "啊", "吧", "才"}));
  int index = -1;
  EXPECT_TRUE(list.Find("BANANA", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find("blueberry", index));
  EXPECT_EQ(index, 2);  // where it would go
  EXPECT_EQ(list.IndexOf("吧"), 4);
  EXPECT_EQ(list.IndexOf("durian"), -1);
}

TEST(SortedList, HandlesDuplicatesAsAsked) {
  TStringList list;
  list.SetSorted(true);
  Fill(list, {"b", "a"});
  EXPECT_EQ(list.Add("A"), 0);  // dupIgnore: the existing index, nothing added
  EXPECT_EQ(list.Count(), 2);

  list.SetDuplicates(dupError);
  ExpectRaises<EListError>([&] { list.Add("B"); }, "String list does not allow duplicates");
  EXPECT_EQ(list.Count(), 2);

  list.SetDuplicates(dupAccept);
  TObject marker;
  EXPECT_EQ(list.AddObject("A", &marker), 1);  // after its equals
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "A", "b"}));
  EXPECT_EQ(list.Objects(1), &marker);
  EXPECT_EQ(list.IndexOf("a"), 0);
}

TEST(SortedList, RefusesPositionalChanges) {
  TStringList list;
  Fill(list, {"b", "a=0"});
  list.SetSorted(true);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a=0", "b"}));
  const std::string message = "Operation not allowed on sorted list";
  ExpectRaises<EListError>([&] { list.Insert(0, "c"); }, message);
  ExpectRaises<EListError>([&] { list.SetStrings(0, "z"); }, message);
  ExpectRaises<EListError>([&] { list.Exchange(0, 1); }, message);
  ExpectRaises<EListError>([&] { list.Move(0, 1); }, message);
  ExpectRaises<EListError>([&] { list.SetValues("a", "1"); }, message);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a=0", "b"}));
  list.SetValues("c", "3");  // a new line goes to its place
  list.SetValues("a", "");
  EXPECT_EQ(Lines(list), (std::vector<String>{"b", "c=3"}));
}

TEST(SortedList, ResortsWhenCaseSensitivityChanges) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  Fill(list, {"B", "a", "A", "b"});
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "A", "B", "b"}));
  list.SetCaseSensitive(true);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "A", "b", "B"}));
  EXPECT_EQ(list.IndexOf("B"), 3);
}

TEST(Sort, IsStableAndCustomSortUsesTheCallersOrder) {
  TStringList list;
  Fill(list, {"bb", "B", "a", "ccc", "A", "b"});
  list.Sort();
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "A", "B", "b", "bb", "ccc"}));
  list.CustomSort([](TStringList* l, int i, int j) {
    return static_cast<int>(l->Strings(j).size()) - static_cast<int>(l->Strings(i).size());
  });
  EXPECT_EQ(Lines(list), (std::vector<String>{"ccc", "bb", "a", "A", "B", "b"}));

  TStringList sorted;
  Fill(sorted, {"b", "a"});
  sorted.SetSorted(true);
  sorted.CustomSort([](TStringList*, int i, int j) { return j - i; });  // would reverse
  EXPECT_EQ(Lines(sorted), (std::vector<String>{"a", "b"}));
}

// ---- Copying ----------------------------------------------------------------------------

TEST(Assign, CopiesStringsObjectsAndTextSettings) {
  TObject x;
  TStringList source;
  source.AddObject("k=v", &x);
  source.Add("two");
  source.SetNameValueSeparator(':');
  source.SetDelimiter(';');
  TStringList target;
  target.Add("old");
  target.Assign(source);
  EXPECT_TRUE(target.Equals(source));
  EXPECT_EQ(target.Objects(0), &x);
  EXPECT_EQ(target.NameValueSeparator(), ':');
  EXPECT_EQ(target.DelimitedText(), "k=v;two");
  target.Assign(target);
  EXPECT_EQ(target.Count(), 2);
}

TEST(AddStrings, AppendsAndCanDoubleAListOnItself) {
  TStringList list;
  Fill(list, {"a", "b"});
  TStringList more;
  Fill(more, {"c"});
  list.AddStrings(more);
  list.AddStrings(list);
  EXPECT_EQ(Lines(list), (std::vector<String>{"a", "b", "c", "a", "b", "c"}));

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetDuplicates(dupAccept);
  Fill(sorted, {"b", "a"});
  sorted.AddStrings(sorted);
  EXPECT_EQ(Lines(sorted), (std::vector<String>{"a", "a", "b", "b"}));
}

TEST(Equals, ComparesStringsExactly) {
  TStringList a;
  TStringList b;
  EXPECT_TRUE(a.Equals(b));
  Fill(a, {"x", "Y"});
  Fill(b, {"x", "y"});
  EXPECT_FALSE(a.Equals(b));
  b.SetStrings(1, "Y");
  EXPECT_TRUE(a.Equals(b));
  b.Add("");
  EXPECT_FALSE(a.Equals(b));
}

// ---- Change notification ----------------------------------------------------------------

class ChangeLog {
 public:
  explicit ChangeLog(TStringList& list) {
    list.OnChanging.Bind(nullptr, "ListChanging", [this, &list](TObject* sender) {
      EXPECT_EQ(sender, &list);
      events.push_back("changing:" + std::to_string(list.Count()));
    });
    list.OnChange.Bind(nullptr, "ListChange", [this, &list](TObject*) {
      events.push_back("change:" + std::to_string(list.Count()));
    });
  }
  std::vector<String> events;
};

TEST(ChangeEvents, FireAroundEveryChangeOutsideABracket) {
  TStringList list;
  ChangeLog log(list);
  list.Add("a");
  list.Delete(0);
  list.Clear();  // nothing to clear: no change
  EXPECT_EQ(log.events, (std::vector<String>{"changing:0", "change:1", "changing:1", "change:0"}));
}

TEST(ChangeEvents, FireOncePerBracketAndOnlyWhenSomethingChanged) {
  TStringList list;
  ChangeLog log(list);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("a");
  list.Add("b");
  list.EndUpdate();
  list.Add("c");
  EXPECT_EQ(log.events, (std::vector<String>{"changing:0"}));
  list.EndUpdate();
  EXPECT_EQ(log.events, (std::vector<String>{"changing:0", "change:3"}));
  EXPECT_EQ(list.UpdateCount(), 0);

  log.events.clear();
  list.BeginUpdate();
  list.EndUpdate();
  list.EndUpdate();  // unbalanced: ignored
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(list.UpdateCount(), 0);
}

TEST(ChangeEvents, WholeListOperationsReportOnce) {
  TStringList list;
  ChangeLog log(list);
  list.SetText("a\nb\nc");
  list.SetCommaText("x,y");
  TStringList other;
  Fill(other, {"1", "2", "3", "4"});
  list.Assign(other);
  list.Sort();
  EXPECT_EQ(log.events, (std::vector<String>{"changing:0", "change:3", "changing:3", "change:2", "changing:2",
                                             "change:4", "changing:4", "change:4"}));
}

TEST(ChangeEvents, UpdateLockEndsTheBracketWhenAnErrorLeavesTheScope) {
  TStringList list;
  ChangeLog log(list);
  try {
    TStringsUpdateLock lock(list);
    list.Add("a");
    list.Strings(5);
  } catch (const EListError&) {
  }
  EXPECT_EQ(list.UpdateCount(), 0);
  EXPECT_EQ(log.events, (std::vector<String>{"changing:0", "change:1"}));
}

// ---- Streams and files ------------------------------------------------------------------

TEST(StringListStreams, LoadSkipsAByteOrderMarkAndReadsFromThePosition) {
  TStringStream stream("skip\xEF\xBB\xBF" "第一\r\nsecond\n");
  stream.SetPosition(4);
  TStringList list;
  list.LoadFromStream(stream);
  EXPECT_EQ(Lines(list), (std::vector<String>{"第一", "second"}));

  TStringStream out;
  list.SaveToStream(out);
  EXPECT_EQ(out.DataString(), "第一\r\nsecond\r\n");
}

TEST(StringListStreams, FilesRoundTripAndAMissingFileLeavesTheListAlone) {
  const auto dir = std::filesystem::temp_directory_path() / ("core_string_list_" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const String path = (dir / "lines.txt").string();
  TStringList list;
  Fill(list, {"名字=张三", "", "end"});
  list.Add(String("nul\0inside", 10));
  list.SaveToFile(path);
  TStringList back;
  back.LoadFromFile(path);
  EXPECT_TRUE(back.Equals(list));
  EXPECT_THROW(back.LoadFromFile((dir / "absent.txt").string()), EFOpenError);
  EXPECT_EQ(back.Count(), 4);
  std::filesystem::remove_all(dir);
}

TEST(StringListStreams, SavingToAFileThatRefusesTheTextRaises) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
  TStringList list;
  list.Add("line");
  EXPECT_THROW(list.SaveToFile("/dev/full"), EWriteError);
}

}  // namespace

#include "examples/showcase/sample_records.h"

#include <array>
#include <chrono>
#include <cstdint>

namespace {

constexpr std::array Surnames{"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马",
                              "朱", "胡", "郭", "何", "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "许",
                              "韩", "冯", "邓", "曹", "彭", "曾", "肖", "田", "董", "袁", "潘", "蒋", "蔡",
                              "余", "杜", "叶", "程", "苏", "魏", "吕", "丁", "任", "沈", "欧阳"};
constexpr std::array GivenNames{"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳",
                                "杰", "娟", "涛", "明", "超", "秀", "霞", "平", "刚", "英", "华", "玉",
                                "兰", "萍", "红", "鹏", "辉", "建", "国", "文", "斌", "宇", "浩", "凯",
                                "晨", "欣", "怡", "婷", "雪", "琳", "峰", "波", "宁", "健", "俊", "慧",
                                "颖", "佳", "子", "涵", "梓", "萱", "思", "雨", "博", "轩", "然", "嘉"};
constexpr std::array Groups{"家人", "朋友", "同事", "同学", "客户", "供应商", "物业", "其他"};
constexpr std::array MobilePrefixes{"130", "131", "132", "133", "135", "136", "137", "138", "139", "150",
                                    "151", "152", "155", "156", "157", "158", "159", "176", "177", "178",
                                    "180", "181", "182", "183", "185", "186", "187", "188", "189", "199"};
constexpr std::array Memos{"", "", "", "生日三月", "老客户", "需开发票", "晚上勿扰", "周末联系", "VIP", ""};
// "{name}" stands for the contact's name, "{code}" for a six-digit code.
constexpr std::array Contents{
    "{name}您好，您的订单已发货，请注意查收。",
    "会议通知：明天上午九点在三楼会议室开会，请准时参加。",
    "{name}，祝您生日快乐，万事如意！",
    "您的验证码是 {code}，五分钟内有效，请勿告诉他人。",
    "本周六公司组织团建活动，请回复是否参加。",
    "{name}您好，本月账单已出，请及时缴费。",
    "温馨提示：明日有雨，出行请带好雨具。",
    "{name}，您预约的服务将于明天下午两点上门。",
};

// A repeatable stream of pseudo-random numbers (the same on every platform, unlike the
// standard distributions).
class TSampleRandom {
 public:
  explicit TSampleRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int bound) { return static_cast<int>(Next() % static_cast<uint64_t>(bound)); }
  template <typename Array>
  const char* Pick(const Array& items) {
    return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
  }

 private:
  uint64_t state_;
};

String SampleName(TSampleRandom& random) {
  String name = random.Pick(Surnames);
  name += random.Pick(GivenNames);
  if (random.Below(3) != 0) name += random.Pick(GivenNames);
  return name;
}

// `value` as `width` decimal digits with leading zeros.
void AppendDigits(String& text, int64_t value, int width) {
  char digits[20];
  for (int i = width - 1; i >= 0; --i, value /= 10) digits[i] = static_cast<char>('0' + value % 10);
  text.append(digits, static_cast<size_t>(width));
}

String SampleMobile(TSampleRandom& random) {
  String mobile = random.Pick(MobilePrefixes);
  AppendDigits(mobile, random.Below(100000000), 8);
  return mobile;
}

TSampleContact SampleContact(TSampleRandom& random) {
  TSampleContact contact;
  contact.name = SampleName(random);
  contact.mobile = SampleMobile(random);
  contact.group = random.Pick(Groups);
  contact.blocked = random.Below(20) == 0;
  contact.memo = random.Pick(Memos);
  return contact;
}

// Messages start on 2024-01-02 at eight in the morning and follow one another a few minutes
// apart.
String SendTime(int64_t secondsAfterStart) {
  using namespace std::chrono;
  const sys_seconds start = sys_days{year{2024} / January / 2} + hours{8};
  const sys_seconds when = start + seconds{secondsAfterStart};
  const sys_days day = floor<days>(when);
  const year_month_day date{day};
  const hh_mm_ss<seconds> time{when - day};
  String text;
  text.reserve(19);
  AppendDigits(text, static_cast<int>(date.year()), 4);
  text += '-';
  AppendDigits(text, static_cast<unsigned>(date.month()), 2);
  text += '-';
  AppendDigits(text, static_cast<unsigned>(date.day()), 2);
  text += ' ';
  AppendDigits(text, time.hours().count(), 2);
  text += ':';
  AppendDigits(text, time.minutes().count(), 2);
  text += ':';
  AppendDigits(text, time.seconds().count(), 2);
  return text;
}

String SampleContent(TSampleRandom& random, const String& name) {
  String text = StringReplaceAll(random.Pick(Contents), "{name}", name);
  if (text.find("{code}") == String::npos) return text;
  String code;
  AppendDigits(code, random.Below(1000000), 6);
  return StringReplaceAll(text, "{code}", code);
}

}  // namespace

TSampleRecords MakeSampleRecords(int contactCount, int messageCount) {
  TSampleRecords records;
  TSampleRandom random(20240102);
  records.contacts.reserve(static_cast<size_t>(contactCount));
  for (int i = 0; i < contactCount; ++i) records.contacts.push_back(SampleContact(random));
  if (contactCount == 0) return records;
  records.messages.reserve(static_cast<size_t>(messageCount));
  int64_t seconds = 0;
  for (int i = 0; i < messageCount; ++i) {
    TSampleContact& to = records.contacts[static_cast<size_t>(random.Below(contactCount))];
    ++to.sentCount;
    seconds += 60 + random.Below(540);
    records.messages.push_back(
        {SendTime(seconds), to.mobile, to.name, SampleContent(random, to.name), random.Below(30) == 0 ? "发送失败" : "成功"});
  }
  return records;
}

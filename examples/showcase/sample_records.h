#pragma once

#include <vector>

#include "platform/core/strings.h"

// One contact of the sample address book.
struct TSampleContact {
  String name;
  String mobile;  // 11 digits beginning with 1
  String group;
  bool blocked = false;
  int sentCount = 0;  // sample messages sent to this contact
  String memo;
};

// One sample sent message.
struct TSampleMessage {
  String sendTime;  // "YYYY-MM-DD HH:MM:SS", rising with the message's number
  String mobile;
  String name;
  String content;
  String status;  // "成功" or "发送失败"
};

// The sample address book and message history: the same records on every machine and every
// run, so that screenshots and benchmarks compare like with like. Every message goes to one
// of the contacts, whose sentCount counts them.
struct TSampleRecords {
  std::vector<TSampleContact> contacts;
  std::vector<TSampleMessage> messages;
};
TSampleRecords MakeSampleRecords(int contactCount, int messageCount);

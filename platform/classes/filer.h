#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/core/currency.h"
#include "platform/core/datetime.h"
#include "platform/core/sets.h"
#include "platform/core/streams.h"
#include "platform/core/strings.h"

class TComponent;
class TPersistent;

// Type byte in front of every value of a component stream. The numbers are the stored layout.
enum TValueType : uint8_t {
  vaNull,        // end of a list, of properties, of children
  vaList,        // values up to a vaNull
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,    // 10-byte real
  vaString,      // u8 length, bytes
  vaIdent,       // u8 length, name
  vaFalse,
  vaTrue,
  vaBinary,      // u32 length, bytes
  vaSet,         // names ended by an empty name
  vaLString,     // u32 length, bytes
  vaNil,
  vaCollection,  // items (optional order, vaList, properties, vaNull), ended by vaNull
  vaSingle,      // 4-byte real
  vaCurrency,    // int64 scaled by 10000
  vaDate,        // 8-byte real, days since 1899-12-30
  vaWString,     // u32 count of UTF-16 units
  vaInt64,
  vaUTF8String,  // u32 length, UTF-8 bytes
};
constexpr TValueType kLastValueType = vaUTF8String;

// Flags that may precede a component record (a 0xF0 | flags byte).
enum TFilerFlag : uint8_t { ffInherited, ffChildPos, ffInline };
using TFilerFlags = Set<TFilerFlag>;

// Deepest nesting of lists, collections and components a reader accepts before it calls the
// stream hostile; real layouts stay far below it.
constexpr int kMaxStreamNesting = 100;

// What precedes a component's properties: optional flags (and child order), class, name.
struct TComponentHeader {
  TFilerFlags Flags;
  int ChildPos = 0;
  String ClassName;
  String Name;
};

class TReader;
class TWriter;
using TReaderProc = std::function<void(TReader&)>;
using TWriterProc = std::function<void(TWriter&)>;
using TStreamProc = std::function<void(TStream&)>;

// What readers and writers share: the stream, the root whose components references are
// named against, and the hooks a persistent object uses for values it stores itself.
class TFiler {
 public:
  explicit TFiler(TStream& stream) : stream_(stream) {}
  virtual ~TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;

  TStream& Stream() { return stream_; }
  TComponent* Root() const { return root_; }
  void SetRoot(TComponent* root) { root_ = root; }
  TComponent* LookupRoot() const { return root_; }

  // Called from TPersistent::DefineProperties. A reader calls `read` when the stream holds
  // a property of that name; a writer writes the property through `write` when hasData.
  virtual void DefineProperty(std::string_view name, const TReaderProc& read,
                              const TWriterProc& write, bool hasData) = 0;
  // The same for raw bytes, stored as a vaBinary value.
  virtual void DefineBinaryProperty(std::string_view name, const TStreamProc& read,
                                    const TStreamProc& write, bool hasData) = 0;

 protected:
  TStream& stream_;
  TComponent* root_ = nullptr;
};

// Reads a component stream: typed values, and whole component trees.
// Bad input raises EReadError naming what is wrong ("Invalid property value", "Stream read
// error: ..."); it never reads past the end of the stream.
class TReader : public TFiler {
 public:
  explicit TReader(TStream& stream);
  ~TReader() override;

  // Values.
  TValueType ReadValue();
  TValueType NextValue();  // peeks at the next type byte
  bool EndOfList() { return NextValue() == vaNull; }
  void CheckValue(TValueType expected);  // reads the type byte; EReadError when different
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  int32_t ReadInteger();  // vaInt8/16/32, or vaInt64 within range
  int64_t ReadInt64();    // every integer type
  double ReadFloat();     // vaExtended, vaSingle, vaDate, vaCurrency or an integer
  float ReadSingle();     // vaSingle or an integer
  Currency ReadCurrency();  // vaCurrency, or a vaExtended/integer converted
  TDateTime ReadDate();     // vaDate, or a vaExtended/integer
  String ReadString();      // byte, long, wide and UTF-8 strings, as UTF-8
  String ReadIdent();       // vaIdent, and False/True/nil/Null by name
  bool ReadBoolean();
  std::vector<String> ReadSet();
  std::vector<uint8_t> ReadBinary();
  void SkipValue();

  // Layout of records.
  String ReadStr();  // u8 length and bytes, as names are stored
  void ReadSignature();  // "TPF0", else EReadError "Invalid stream format"
  void ReadPrefix(TFilerFlags& flags, int& childPos);
  TComponentHeader ReadComponentHeader();

  // Components. ReadRootComponent reads a whole stream: into `root` when given (its class
  // must be the stream's), else into a new component created by class name and owned by
  // Owner(). Every component read gets csLoading and csReading while it is read, references
  // are fixed up after the whole tree is read, then Loaded is called on each. On any error
  // no component stays marked loading, and components the reader created are freed.
  TComponent* ReadRootComponent(TComponent* root);
  TComponent* Owner() const { return owner_; }
  void SetOwner(TComponent* owner) { owner_ = owner; }

  void DefineProperty(std::string_view name, const TReaderProc& read, const TWriterProc& write,
                      bool hasData) override;
  void DefineBinaryProperty(std::string_view name, const TStreamProc& read,
                            const TStreamProc& write, bool hasData) override;

  // Counts one more level of nesting for as long as the guard lives; raises EReadError when
  // the stream nests deeper than kMaxStreamNesting.
  class NestingGuard {
   public:
    explicit NestingGuard(TReader& reader);
    ~NestingGuard() { --reader_.depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    TReader& reader_;
  };

 private:
  friend class TComponentLoader;
  void ReadBytes(void* buffer, int64_t count);
  uint8_t ReadByte();
  uint32_t ReadLength(const char* what, int unitSize = 1);
  String ReadBytesAsString(int64_t count);
  int64_t ReadIntegerOf(TValueType type);
  double ReadRealOf(TValueType type);
  String ReadStringOf(TValueType type);
  [[noreturn]] static void InvalidValue();

  TComponent* owner_ = nullptr;
  int depth_ = 0;
  // The stored property DefineProperties is asked about, and whether a definition read it.
  String definedName_;
  bool definedRead_ = false;
};

// Writes a component stream. Integers take the smallest type that fits; ASCII strings are
// byte strings (vaString up to 255 bytes, else vaLString); other text is vaUTF8String.
class TWriter : public TFiler {
 public:
  explicit TWriter(TStream& stream) : TFiler(stream) {}

  void WriteValue(TValueType value);
  void WriteInteger(int64_t value);
  void WriteFloat(double value);  // vaExtended
  void WriteSingle(float value);
  void WriteCurrency(Currency value);
  void WriteDate(TDateTime value);
  void WriteString(std::string_view value);
  void WriteWideString(std::string_view utf8);  // vaWString, for readers that want UTF-16
  void WriteIdent(std::string_view ident);      // False/True/nil/Null get their own types
  void WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }
  void WriteSet(const std::vector<String>& names);
  void WriteBinary(const void* data, int64_t size);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }

  void WriteStr(std::string_view name);  // u8 length; EWriteError past 255 bytes
  void WriteSignature();
  void WritePrefix(TFilerFlags flags, int childPos);
  void WriteComponentHeader(const TComponentHeader& header);
  void WritePropName(std::string_view name);  // prefixed with the enclosing property path

  // Components: writes the signature, then `root` with its stored properties and children.
  void WriteRootComponent(TComponent* root);
  void WriteComponent(TComponent* component);
  void WriteProperties(TPersistent* instance);

  void DefineProperty(std::string_view name, const TReaderProc& read, const TWriterProc& write,
                      bool hasData) override;
  void DefineBinaryProperty(std::string_view name, const TStreamProc& read,
                            const TStreamProc& write, bool hasData) override;

 private:
  friend class TComponentSaver;
  void WriteBytes(const void* data, int64_t count);
  void WriteLength(uint64_t length);
  String propPath_;  // "Font." while a nested object's properties are written
};

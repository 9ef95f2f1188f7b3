#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/global_memory.h"

// Data objects, as drag and drop hands them around: data offered in formats, each described
// by a format record (the format, the aspect of the data, which part of it and in which
// medium), rendered on request into a medium the receiver releases.
using HRESULT = int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001);
inline constexpr HRESULT E_ABORT = static_cast<HRESULT>(0x80004004);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
inline constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003);
inline constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064);
inline constexpr HRESULT DV_E_LINDEX = static_cast<HRESULT>(0x80040068);
inline constexpr HRESULT DV_E_TYMED = static_cast<HRESULT>(0x80040069);
inline constexpr HRESULT DV_E_DVASPECT = static_cast<HRESULT>(0x8004006B);
inline constexpr HRESULT OLE_S_USEREG = 0x00040000;
inline constexpr HRESULT DATA_S_SAMEFORMATETC = 0x00040130;
inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

// A failed call whose caller raises rather than answers.
class EOleSysError : public Exception {
 public:
  explicit EOleSysError(HRESULT code);
  HRESULT ErrorCode() const { return code_; }

 private:
  HRESULT code_;
};
// Raises EOleSysError for a failure; answers a success unchanged.
HRESULT OleCheck(HRESULT hr);

inline constexpr uint32_t DVASPECT_CONTENT = 1;
inline constexpr uint32_t DVASPECT_THUMBNAIL = 2;
inline constexpr uint32_t DVASPECT_ICON = 4;
inline constexpr uint32_t DVASPECT_DOCPRINT = 8;

inline constexpr uint32_t TYMED_NULL = 0;
inline constexpr uint32_t TYMED_HGLOBAL = 1;
inline constexpr uint32_t TYMED_FILE = 2;
inline constexpr uint32_t TYMED_ISTREAM = 4;
inline constexpr uint32_t TYMED_ISTORAGE = 8;
inline constexpr uint32_t TYMED_GDI = 16;
inline constexpr uint32_t TYMED_MFPICT = 32;
inline constexpr uint32_t TYMED_ENHMF = 64;

inline constexpr uint32_t DATADIR_GET = 1;
inline constexpr uint32_t DATADIR_SET = 2;

// Rendering for a device; no data object of ours renders for one, so it stays opaque.
struct DVTARGETDEVICE;

struct FORMATETC {
  TClipboardFormat cfFormat = 0;
  DVTARGETDEVICE* ptd = nullptr;
  uint32_t dwAspect = DVASPECT_CONTENT;
  int32_t lindex = -1;
  uint32_t tymed = TYMED_HGLOBAL;
  friend bool operator==(const FORMATETC&, const FORMATETC&) = default;
};

// The usual request: the whole content of `format` in global memory.
inline FORMATETC ContentFormat(TClipboardFormat format) { return FORMATETC{format}; }

// Rendered data. The medium owns its block: whoever holds the medium last frees it, by
// ReleaseStgMedium or when the medium goes.
struct STGMEDIUM {
  uint32_t tymed = TYMED_NULL;
  HGLOBAL hGlobal = nullptr;

  STGMEDIUM() = default;
  STGMEDIUM(STGMEDIUM&& other) noexcept;
  STGMEDIUM& operator=(STGMEDIUM&& other) noexcept;
  ~STGMEDIUM();
};
void ReleaseStgMedium(STGMEDIUM& medium);
// A medium holding a global block of `bytes`; its tymed stays TYMED_NULL when memory is short.
STGMEDIUM GlobalMedium(const TClipboardData& bytes);
// The bytes of a global-memory medium; false for any other medium or a block that will not lock.
bool MediumBytes(const STGMEDIUM& medium, TClipboardData& bytes);

class IEnumFORMATETC {
 public:
  virtual ~IEnumFORMATETC() = default;
  // Copies up to `celt` records to `rgelt`: S_OK when it copied any, else S_FALSE.
  virtual HRESULT Next(uint32_t celt, FORMATETC* rgelt, uint32_t* pceltFetched) = 0;
  virtual HRESULT Skip(uint32_t celt) = 0;
  virtual HRESULT Reset() = 0;
  virtual HRESULT Clone(std::unique_ptr<IEnumFORMATETC>& ppenum) = 0;
};

// Change notification of data objects. No data object of ours notifies, so these carry
// nothing beyond their identity.
class IAdviseSink {
 public:
  virtual ~IAdviseSink() = default;
};
class IEnumSTATDATA {
 public:
  virtual ~IEnumSTATDATA() = default;
};

class IDataObject {
 public:
  virtual ~IDataObject() = default;
  virtual HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) = 0;
  virtual HRESULT GetDataHere(const FORMATETC& format, STGMEDIUM& medium) = 0;
  virtual HRESULT QueryGetData(const FORMATETC& format) = 0;
  virtual HRESULT GetCanonicalFormatEtc(const FORMATETC& in, FORMATETC& out) = 0;
  // With `release` the object takes the medium when it answers success.
  virtual HRESULT SetData(const FORMATETC& format, STGMEDIUM& medium, bool release) = 0;
  virtual HRESULT EnumFormatEtc(uint32_t direction, std::unique_ptr<IEnumFORMATETC>& enumerator) = 0;
  virtual HRESULT DAdvise(const FORMATETC& format, uint32_t advf, IAdviseSink* sink, uint32_t& connection) = 0;
  virtual HRESULT DUnadvise(uint32_t connection) = 0;
  virtual HRESULT EnumDAdvise(std::unique_ptr<IEnumSTATDATA>* enumerator) = 0;
};

// Matching a request against offered records. A record serves a request when their formats,
// aspects and parts are equal and their media share a kind: Find answers the first such
// record's index, -1 for none. Query answers S_OK for one, else how near the best record of
// the format came: DV_E_FORMATETC (none of that format), DV_E_TYMED, DV_E_DVASPECT or
// DV_E_LINDEX (the medium, the aspect and the part are checked in that order).
int FindFormatEtc(const std::vector<FORMATETC>& offered, const FORMATETC& wanted);
HRESULT QueryFormatEtc(const std::vector<FORMATETC>& offered, const FORMATETC& wanted);

// Enumerates a copy of a list of format records.
class TEnumFormatEtc : public IEnumFORMATETC {
 public:
  explicit TEnumFormatEtc(std::vector<FORMATETC> formats, size_t position = 0)
      : formats_(std::move(formats)), position_(position) {}
  HRESULT Next(uint32_t celt, FORMATETC* rgelt, uint32_t* pceltFetched) override;
  HRESULT Skip(uint32_t celt) override;
  HRESULT Reset() override;
  HRESULT Clone(std::unique_ptr<IEnumFORMATETC>& ppenum) override;

 protected:
  // The copy a clone starts from, at the same position.
  virtual std::unique_ptr<IEnumFORMATETC> Copy() const;
  const std::vector<FORMATETC>& Formats() const { return formats_; }
  size_t Position() const { return position_; }

 private:
  std::vector<FORMATETC> formats_;
  size_t position_;
};

// A data object held in memory: bytes per format, offered as global memory, in the order the
// formats were first set.
class TDataObject : public IDataObject {
 public:
  void SetData(TClipboardFormat format, const TClipboardData& data);

  HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override;
  HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return E_NOTIMPL; }
  HRESULT QueryGetData(const FORMATETC& format) override;
  HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& out) override;
  HRESULT SetData(const FORMATETC& format, STGMEDIUM& medium, bool release) override;
  HRESULT EnumFormatEtc(uint32_t direction, std::unique_ptr<IEnumFORMATETC>& enumerator) override;
  HRESULT DAdvise(const FORMATETC&, uint32_t, IAdviseSink*, uint32_t&) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT DUnadvise(uint32_t) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT EnumDAdvise(std::unique_ptr<IEnumSTATDATA>*) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  std::vector<FORMATETC> Offered() const;
  std::vector<std::pair<TClipboardFormat, TClipboardData>> items_;
};

// What receivers of data objects ask most: the bytes of one format as global memory, whether
// it is offered, and the formats offered (an enumeration that fails raises EOleSysError).
bool DataObjectBytes(IDataObject& data, TClipboardFormat format, TClipboardData& bytes);
bool DataObjectHasFormat(IDataObject& data, TClipboardFormat format);
std::vector<TClipboardFormat> DataObjectFormats(IDataObject& data);

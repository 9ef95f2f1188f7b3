// Data objects: data offered in several formats for the clipboard and drag and drop.
#include "platform/windows/data_object.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "platform/core/scope_guard.h"

namespace {

String HexCode(HRESULT code) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<uint32_t>(code));
  return text;
}

}  // namespace

EOleSysError::EOleSysError(HRESULT code) : Exception("OLE error " + HexCode(code)), code_(code) {}

HRESULT OleCheck(HRESULT hr) {
  if (FAILED(hr)) throw EOleSysError(hr);
  return hr;
}

STGMEDIUM::STGMEDIUM(STGMEDIUM&& other) noexcept
    : tymed(std::exchange(other.tymed, TYMED_NULL)), hGlobal(std::exchange(other.hGlobal, nullptr)) {}

STGMEDIUM& STGMEDIUM::operator=(STGMEDIUM&& other) noexcept {
  if (this != &other) {
    ReleaseStgMedium(*this);
    tymed = std::exchange(other.tymed, TYMED_NULL);
    hGlobal = std::exchange(other.hGlobal, nullptr);
  }
  return *this;
}

STGMEDIUM::~STGMEDIUM() { ReleaseStgMedium(*this); }

void ReleaseStgMedium(STGMEDIUM& medium) {
  if (medium.hGlobal != nullptr) GlobalFree(medium.hGlobal);
  medium.hGlobal = nullptr;
  medium.tymed = TYMED_NULL;
}

STGMEDIUM GlobalMedium(const TClipboardData& bytes) {
  STGMEDIUM medium;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, bytes.size());
  if (block == nullptr) return medium;
  medium.hGlobal = block;
  void* memory = GlobalLock(block);
  if (memory == nullptr) return STGMEDIUM{};
  if (!bytes.empty()) std::memcpy(memory, bytes.data(), bytes.size());
  GlobalUnlock(block);
  medium.tymed = TYMED_HGLOBAL;
  return medium;
}

bool MediumBytes(const STGMEDIUM& medium, TClipboardData& bytes) {
  if (medium.tymed != TYMED_HGLOBAL) return false;
  const auto* memory = static_cast<const uint8_t*>(GlobalLock(medium.hGlobal));
  if (memory == nullptr) return false;
  ScopeGuard unlock([&] { GlobalUnlock(medium.hGlobal); });
  bytes.assign(memory, memory + GlobalSize(medium.hGlobal));
  return true;
}

int FindFormatEtc(const std::vector<FORMATETC>& offered, const FORMATETC& wanted) {
  for (size_t i = 0; i < offered.size(); ++i) {
    const FORMATETC& f = offered[i];
    if ((f.tymed & wanted.tymed) != 0 && f.lindex == wanted.lindex && f.dwAspect == wanted.dwAspect &&
        f.cfFormat == wanted.cfFormat)
      return static_cast<int>(i);
  }
  return -1;
}

HRESULT QueryFormatEtc(const std::vector<FORMATETC>& offered, const FORMATETC& wanted) {
  // How far a record of the wanted format got through the checks before one failed.
  enum Reached { None, Format, Medium, Aspect };
  Reached best = None;
  for (const FORMATETC& f : offered) {
    if (f.cfFormat != wanted.cfFormat) continue;
    Reached reached = (f.tymed & wanted.tymed) == 0 ? Format
                      : f.dwAspect != wanted.dwAspect ? Medium
                      : f.lindex != wanted.lindex     ? Aspect
                                                      : None;
    if (reached == None) return S_OK;
    best = std::max(best, reached);
  }
  switch (best) {
    case Format: return DV_E_TYMED;
    case Medium: return DV_E_DVASPECT;
    case Aspect: return DV_E_LINDEX;
    default: return DV_E_FORMATETC;
  }
}

HRESULT TEnumFormatEtc::Next(uint32_t celt, FORMATETC* rgelt, uint32_t* pceltFetched) {
  if (rgelt == nullptr) return E_INVALIDARG;
  const size_t k = std::min<size_t>(celt, formats_.size() - position_);
  std::copy_n(formats_.begin() + static_cast<ptrdiff_t>(position_), k, rgelt);
  position_ += k;
  if (pceltFetched != nullptr) *pceltFetched = static_cast<uint32_t>(k);
  return k >= 1 ? S_OK : S_FALSE;
}

HRESULT TEnumFormatEtc::Skip(uint32_t celt) {
  if (position_ + celt > formats_.size()) return S_FALSE;
  position_ += celt;
  return S_OK;
}

HRESULT TEnumFormatEtc::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT TEnumFormatEtc::Clone(std::unique_ptr<IEnumFORMATETC>& ppenum) {
  ppenum.reset();
  try {
    ppenum = Copy();
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_FAIL;
  }
}

std::unique_ptr<IEnumFORMATETC> TEnumFormatEtc::Copy() const {
  return std::make_unique<TEnumFormatEtc>(formats_, position_);
}

void TDataObject::SetData(TClipboardFormat format, const TClipboardData& data) {
  for (auto& [f, bytes] : items_)
    if (f == format) {
      bytes = data;
      return;
    }
  items_.emplace_back(format, data);
}

std::vector<FORMATETC> TDataObject::Offered() const {
  std::vector<FORMATETC> offered;
  for (const auto& item : items_) offered.push_back(ContentFormat(item.first));
  return offered;
}

HRESULT TDataObject::GetData(const FORMATETC& format, STGMEDIUM& medium) {
  const int i = FindFormatEtc(Offered(), format);
  if (i < 0) return DV_E_FORMATETC;
  medium = GlobalMedium(items_[static_cast<size_t>(i)].second);
  return medium.tymed == TYMED_HGLOBAL ? S_OK : E_OUTOFMEMORY;
}

HRESULT TDataObject::QueryGetData(const FORMATETC& format) { return QueryFormatEtc(Offered(), format); }

HRESULT TDataObject::GetCanonicalFormatEtc(const FORMATETC&, FORMATETC& out) {
  out.ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT TDataObject::SetData(const FORMATETC& format, STGMEDIUM& medium, bool release) {
  if ((format.tymed & TYMED_HGLOBAL) == 0 || format.dwAspect != DVASPECT_CONTENT || format.lindex != -1)
    return DV_E_FORMATETC;
  TClipboardData bytes;
  if (!MediumBytes(medium, bytes)) return DV_E_TYMED;
  SetData(format.cfFormat, bytes);
  if (release) ReleaseStgMedium(medium);
  return S_OK;
}

HRESULT TDataObject::EnumFormatEtc(uint32_t direction, std::unique_ptr<IEnumFORMATETC>& enumerator) {
  enumerator.reset();
  if (direction != DATADIR_GET) return E_NOTIMPL;
  enumerator = std::make_unique<TEnumFormatEtc>(Offered());
  return S_OK;
}

bool DataObjectBytes(IDataObject& data, TClipboardFormat format, TClipboardData& bytes) {
  STGMEDIUM medium;
  return SUCCEEDED(data.GetData(ContentFormat(format), medium)) && MediumBytes(medium, bytes);
}

bool DataObjectHasFormat(IDataObject& data, TClipboardFormat format) {
  return data.QueryGetData(ContentFormat(format)) == S_OK;
}

std::vector<TClipboardFormat> DataObjectFormats(IDataObject& data) {
  std::unique_ptr<IEnumFORMATETC> enumerator;
  OleCheck(data.EnumFormatEtc(DATADIR_GET, enumerator));
  std::vector<TClipboardFormat> formats;
  if (!enumerator) return formats;
  OleCheck(enumerator->Reset());
  FORMATETC record;
  while (enumerator->Next(1, &record, nullptr) == S_OK) formats.push_back(record.cfFormat);
  return formats;
}

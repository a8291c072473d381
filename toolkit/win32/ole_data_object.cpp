#include "toolkit/win32/ole_data_object.h"

#include <shlobj.h>

#include <cstring>

namespace toolkit::win32 {

namespace {

FORMATETC GlobalFormat(ClipboardFormat format) {
  return FORMATETC{static_cast<CLIPFORMAT>(format), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool Offered(const FORMATETC* format) {
  return format && format->dwAspect == DVASPECT_CONTENT && (format->tymed & TYMED_HGLOBAL) && !format->ptd;
}

HGLOBAL ToGlobal(const std::vector<std::uint8_t>& bytes) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
  if (!memory) return nullptr;
  void* target = ::GlobalLock(memory);
  if (!target) {
    ::GlobalFree(memory);
    return nullptr;
  }
  if (!bytes.empty()) std::memcpy(target, bytes.data(), bytes.size());
  ::GlobalUnlock(memory);
  return memory;
}

bool FromGlobal(HGLOBAL memory, std::vector<std::uint8_t>& bytes) {
  const SIZE_T size = ::GlobalSize(memory);
  const void* source = ::GlobalLock(memory);
  if (!source) return false;
  const auto* first = static_cast<const std::uint8_t*>(source);
  bytes.assign(first, first + size);
  ::GlobalUnlock(memory);
  return true;
}

}  // namespace

OleDataObject::OleDataObject(std::shared_ptr<DataObject> data)
    : ComObject(IID_IDataObject), data_(std::move(data)) {}

void OleDataObject::Detach() { data_ = std::make_shared<DataObject>(); }

HRESULT STDMETHODCALLTYPE OleDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!medium) return E_POINTER;
  const HRESULT query = QueryGetData(format);
  if (query != S_OK) return query;
  // Nothing may unwind into the caller, and a failed rendering is no data.
  try {
    std::vector<std::uint8_t> bytes;
    if (!data_->GetData(format->cfFormat, bytes)) return DV_E_FORMATETC;
    HGLOBAL memory = ToGlobal(bytes);
    if (!memory) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT STDMETHODCALLTYPE OleDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE OleDataObject::QueryGetData(FORMATETC* format) {
  if (!format) return E_POINTER;
  try {
    if (!data_->HasFormat(format->cfFormat)) return DV_E_FORMATETC;
  } catch (...) {
    return E_UNEXPECTED;
  }
  if (!(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
  if (format->dwAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  return format->lindex == -1 ? S_OK : DV_E_LINDEX;
}

HRESULT STDMETHODCALLTYPE OleDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
  if (out) out->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT STDMETHODCALLTYPE OleDataObject::SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) {
  if (!Offered(format) || !medium) return E_INVALIDARG;
  if (medium->tymed != TYMED_HGLOBAL) return DV_E_TYMED;
  std::vector<std::uint8_t> bytes;
  if (!FromGlobal(medium->hGlobal, bytes)) return E_OUTOFMEMORY;
  HRESULT result = S_OK;
  try {
    if (!data_->SetData(format->cfFormat, std::move(bytes))) result = DV_E_FORMATETC;
  } catch (...) {
    result = E_OUTOFMEMORY;
  }
  if (result == S_OK && release) ::ReleaseStgMedium(medium);
  return result;
}

HRESULT STDMETHODCALLTYPE OleDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (direction != DATADIR_GET) return E_NOTIMPL;
  try {
    std::vector<FORMATETC> formats;
    for (ClipboardFormat format : data_->Formats()) formats.push_back(GlobalFormat(format));
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), out);
  } catch (...) {
    return E_OUTOFMEMORY;
  }
}

HRESULT STDMETHODCALLTYPE OleDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE OleDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

HRESULT STDMETHODCALLTYPE OleDataObject::EnumDAdvise(IEnumSTATDATA** out) {
  if (out) *out = nullptr;
  return OLE_E_ADVISENOTSUPPORTED;
}

ForeignDataObject::ForeignDataObject(IDataObject* data) : data_(data) { data_->AddRef(); }

ForeignDataObject::~ForeignDataObject() { data_->Release(); }

std::vector<ClipboardFormat> ForeignDataObject::Formats() const {
  std::vector<ClipboardFormat> formats;
  IEnumFORMATETC* list = nullptr;
  if (FAILED(data_->EnumFormatEtc(DATADIR_GET, &list)) || !list) return formats;
  FORMATETC format{};
  ULONG fetched = 0;
  while (list->Next(1, &format, &fetched) == S_OK && fetched == 1) {
    if (format.ptd) ::CoTaskMemFree(format.ptd);
    if (format.tymed & TYMED_HGLOBAL) formats.push_back(format.cfFormat);
  }
  list->Release();
  return formats;
}

bool ForeignDataObject::HasFormat(ClipboardFormat format) const {
  FORMATETC asked = GlobalFormat(format);
  return data_->QueryGetData(&asked) == S_OK;
}

bool ForeignDataObject::GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) {
  FORMATETC asked = GlobalFormat(format);
  STGMEDIUM medium{};
  if (data_->GetData(&asked, &medium) != S_OK) return false;
  const bool read = medium.tymed == TYMED_HGLOBAL && FromGlobal(medium.hGlobal, data);
  ::ReleaseStgMedium(&medium);
  return read;
}

bool ForeignDataObject::SetData(ClipboardFormat format, std::vector<std::uint8_t> data) {
  FORMATETC given = GlobalFormat(format);
  STGMEDIUM medium{};
  medium.tymed = TYMED_HGLOBAL;
  medium.hGlobal = ToGlobal(data);
  if (!medium.hGlobal) return false;
  if (data_->SetData(&given, &medium, TRUE) == S_OK) return true;
  ::GlobalFree(medium.hGlobal);
  return false;
}

}  // namespace toolkit::win32

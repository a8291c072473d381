// Data objects across OLE, both ways: a toolkit DataObject offered to the
// platform as an IDataObject, and a platform IDataObject read as a toolkit
// DataObject. Only global memory (TYMED_HGLOBAL) travels.
#pragma once
#include "toolkit/win32/windows_api.h"

#include <memory>

#include "toolkit/controls/data_object.h"
#include "toolkit/win32/com_object.h"

namespace toolkit::win32 {

// Created with count 1. Advise sinks are not supported.
class OleDataObject final : public ComObject<IDataObject> {
 public:
  explicit OleDataObject(std::shared_ptr<DataObject> data);
  // Others may keep the interface longer than the object lives: from here
  // on it offers nothing.
  void Detach();

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* out) override;
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

 private:
  std::shared_ptr<DataObject> data_;
};

class ForeignDataObject : public DataObject {
 public:
  // Takes its own reference.
  explicit ForeignDataObject(IDataObject* data);
  ~ForeignDataObject() override;
  ForeignDataObject(const ForeignDataObject&) = delete;
  ForeignDataObject& operator=(const ForeignDataObject&) = delete;

  std::vector<ClipboardFormat> Formats() const override;
  bool HasFormat(ClipboardFormat format) const override;
  bool GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) override;
  bool SetData(ClipboardFormat format, std::vector<std::uint8_t> data) override;

 private:
  IDataObject* data_;
};

}  // namespace toolkit::win32

#include "win32/drag_source.h"

#include <shlobj.h>

#include <cstring>

#include "win32/com_object.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

FORMATETC FileListFormat() { return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

bool IsFileListFormat(const FORMATETC* format) {
  return format && format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) &&
         format->dwAspect == DVASPECT_CONTENT;
}

// The one format the data object offers, listed for whoever asks.
class FormatList final : public ComObject<IEnumFORMATETC, IID_IEnumFORMATETC> {
 public:
  explicit FormatList(ULONG next = 0) : next_(next) {}
  HRESULT STDMETHODCALLTYPE Next(ULONG count, FORMATETC* formats, ULONG* fetched) override {
    if (!formats) return E_POINTER;
    ULONG given = 0;
    if (count > 0 && next_ == 0) {
      formats[0] = FileListFormat();
      next_ = 1;
      given = 1;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const bool past = next_ + count > 1;
    next_ = past ? 1 : next_ + count;
    return past ? S_FALSE : S_OK;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = new FormatList(next_);
    return S_OK;
  }

 private:
  ULONG next_;
};

class FileDataObject final : public ComObject<IDataObject, IID_IDataObject> {
 public:
  explicit FileDataObject(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}
  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!medium) return E_POINTER;
    if (!IsFileListFormat(format)) return DV_E_FORMATETC;
    HGLOBAL block = MakeFileListBlock(paths_);
    if (!block) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return IsFileListFormat(format) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    *out = new FormatList();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::vector<std::wstring> paths_;
};

class FileDropSource final : public ComObject<IDropSource, IID_IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (!(keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
};

}  // namespace

HGLOBAL MakeFileListBlock(const std::vector<std::wstring>& paths) {
  // The header, every path with its NUL, and the NUL that ends the list.
  size_t chars = 1;
  for (const std::wstring& path : paths) chars += path.size() + 1;
  const size_t bytes = sizeof(DROPFILES) + chars * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  if (!block) return nullptr;
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  if (!header) {
    GlobalFree(block);
    return nullptr;
  }
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  auto* text = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(header) + sizeof(DROPFILES));
  for (const std::wstring& path : paths) {
    std::memcpy(text, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    text += path.size() + 1;
  }
  GlobalUnlock(block);
  return block;
}

std::vector<std::string> ReadFileListBlock(HGLOBAL block) {
  std::vector<std::string> paths;
  if (!block) return paths;
  const SIZE_T size = GlobalSize(block);
  const auto* header = static_cast<const DROPFILES*>(GlobalLock(block));
  if (!header) return paths;
  // Every read stays inside the block, whatever its header says.
  if (size >= sizeof(DROPFILES) && header->pFiles >= sizeof(DROPFILES) && header->pFiles < size) {
    const char* begin = reinterpret_cast<const char*>(header) + header->pFiles;
    const char* end = reinterpret_cast<const char*>(header) + size;
    if (header->fWide) {
      const auto* p = reinterpret_cast<const wchar_t*>(begin);
      const auto* last = reinterpret_cast<const wchar_t*>(end - (end - begin) % 2);
      while (p < last && *p) {
        const wchar_t* start = p;
        while (p < last && *p) ++p;
        paths.push_back(Narrow(std::wstring(start, p)));
        ++p;
      }
    } else {
      const char* p = begin;
      while (p < end && *p) {
        const char* start = p;
        while (p < end && *p) ++p;
        const std::string ansi(start, p);
        const int n =
            MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
        paths.push_back(Narrow(wide));
        ++p;
      }
    }
  }
  GlobalUnlock(block);
  return paths;
}

namespace {
thread_local unsigned dragsRun = 0;
}  // namespace

unsigned DragsRun() { return dragsRun; }

IDataObject* MakeFileDataObject(const std::vector<std::wstring>& paths) {
  return new FileDataObject(paths);
}

bool DragFilesOut(const std::vector<std::string>& paths, DWORD* effect) {
  if (effect) *effect = DROPEFFECT_NONE;
  if (paths.empty()) return false;
  // The window set OLE up after its first paint; a drag before that sets it up for itself.
  const HRESULT ole = OleInitialize(nullptr);
  if (FAILED(ole)) return false;
  std::vector<std::wstring> wide;
  for (const std::string& path : paths) wide.push_back(Widen(path));
  IDataObject* data = MakeFileDataObject(wide);
  IDropSource* source = new FileDropSource();
  DWORD done = DROPEFFECT_NONE;
  const HRESULT result = DoDragDrop(data, source, DROPEFFECT_COPY, &done);
  if (effect && result == DRAGDROP_S_DROP) *effect = done;
  ++dragsRun;
  source->Release();
  data->Release();
  OleUninitialize();
  return SUCCEEDED(result);
}

}  // namespace velmarin::win32

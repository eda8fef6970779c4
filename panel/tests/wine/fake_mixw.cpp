// A stand-in for the host MixW, for the panel's tests under Wine. It
// registers an automation object as the running "MixW2.Application" and
// shows a top-level window whose class name begins like the host's.
//
//   fake_mixw.exe JOURNAL [MODE [PLUGIN]]
//
// Every call the object serves is appended to the file JOURNAL as one line, so
// the test sees what the panel sent and in which order:
//   ExecuteMacros <MODE:CW>      a macro text
//   get Mode                     `Mode` read (its value is MODE, "BPSK31" if not given)
//   put Mode <value>             `Mode` set
//   ResetStats0 returned after N ms
//                                with PLUGIN (a Stats.dll): the stand-in resets
//                                the contest through it once its window is up,
//                                on its own thread as the host does, and notes
//                                how long that kept the thread, which serves
//                                the panel's calls, away
// Closing the window (WM_CLOSE) revokes the object and ends the program.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <fstream>
#include <string>

namespace {

// {6F1C2E5A-4B7D-4E39-9A1F-3C5D7E8B9A01}: the fake's own class, registered
// under the host's ProgID.
constexpr CLSID kFakeHostClass = {0x6f1c2e5a, 0x4b7d, 0x4e39, {0x9a, 0x1f, 0x3c, 0x5d, 0x7e, 0x8b, 0x9a, 0x01}};
constexpr char kFakeHostClassText[] = "{6F1C2E5A-4B7D-4E39-9A1F-3C5D7E8B9A01}";
constexpr char kHostWindowClass[] = "Afx:400000:b:10011:6:fake";

constexpr DISPID kExecuteMacros = 1;
constexpr DISPID kMode = 2;

std::string Narrow(const wchar_t* text) {
  if (!text) return {};
  const int size = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) ::WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), size, nullptr, nullptr);
  return result;
}

// Opened and closed per line, so the test reads every line at once.
void AppendToJournal(const std::string& journal, const std::string& line) {
  std::ofstream(journal, std::ios::app | std::ios::binary) << line << '\n';
}

class FakeApplication final : public IDispatch {
 public:
  FakeApplication(std::string journal, std::string mode) : journal_(std::move(journal)), mode_(std::move(mode)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
      // Automation names are case-insensitive.
      if (::_wcsicmp(names[i], L"ExecuteMacros") == 0) {
        ids[i] = kExecuteMacros;
      } else if (::_wcsicmp(names[i], L"Mode") == 0) {
        ids[i] = kMode;
      } else {
        ids[i] = DISPID_UNKNOWN;
        result = DISP_E_UNKNOWNNAME;
      }
    }
    return result;
  }

  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD kind, DISPPARAMS* parameters, VARIANT* result,
                                   EXCEPINFO*, UINT* badArgument) override {
    if (result) ::VariantInit(result);
    if (member == kExecuteMacros && (kind & DISPATCH_METHOD)) {
      if (parameters->cArgs != 1) return DISP_E_BADPARAMCOUNT;
      std::string text;
      if (!TextArgument(parameters->rgvarg[0], &text)) {
        if (badArgument) *badArgument = 0;
        return DISP_E_TYPEMISMATCH;
      }
      Note("ExecuteMacros " + text);
      return S_OK;
    }
    if (member == kMode && (kind & DISPATCH_PROPERTYGET) && parameters->cArgs == 0) {
      Note("get Mode");
      if (result) {
        const std::wstring wide(mode_.begin(), mode_.end());
        result->vt = VT_BSTR;
        result->bstrVal = ::SysAllocString(wide.c_str());
      }
      return S_OK;
    }
    if (member == kMode && (kind & DISPATCH_PROPERTYPUT) && parameters->cArgs == 1) {
      std::string text;
      if (!TextArgument(parameters->rgvarg[0], &text)) return DISP_E_TYPEMISMATCH;
      mode_ = text;
      Note("put Mode " + text);
      return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  static bool TextArgument(const VARIANT& argument, std::string* text) {
    VARIANT converted;
    ::VariantInit(&converted);
    if (FAILED(::VariantChangeType(&converted, const_cast<VARIANT*>(&argument), 0, VT_BSTR))) return false;
    *text = Narrow(converted.bstrVal);
    ::VariantClear(&converted);
    return true;
  }

  void Note(const std::string& line) { AppendToJournal(journal_, line); }

  LONG references_ = 1;
  std::string journal_;
  std::string mode_;
};

bool RegisterProgId() {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, "MixW2.Application\\CLSID", 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result = ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kFakeHostClassText),
                                       sizeof kFakeHostClassText);
  ::RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

// Posted to the window once it exists, when a plug-in is given.
constexpr UINT kResetMessage = WM_APP + 1;

// The host's date-time object.
struct OleDateTime {
  double days;
  int status;
};
using Text = const char*;
using ResetStats0Fn = int (*)(Text, int, Text, OleDateTime*, OleDateTime*, Text, Text, Text, Text, Text, Text, Text,
                              Text, Text, Text, int, int, int, double, double, Text, Text, Text);

// Resets the contest through the plug-in at `path`, which stays loaded as in
// the host, and journals how long the call took.
void ResetThroughPlugin(const std::string& path, const std::string& journal) {
  const HMODULE plugin = ::LoadLibraryA(path.c_str());
  const auto reset = plugin ? reinterpret_cast<ResetStats0Fn>(reinterpret_cast<void*>(::GetProcAddress(plugin, "ResetStats0"))) : nullptr;
  if (!reset) {
    AppendToJournal(journal, "no ResetStats0 in " + path);
    return;
  }
  OleDateTime start{40973.0, 0}, end{40974.0, 0};
  const ULONGLONG before = ::GetTickCount64();
  reset("UA", 0, "UA3XYZ", &start, &end, "", "", "", "", "", "", "", "", "", "DL", 0, 0, 0, 0.0, 0.0, "", "", "");
  AppendToJournal(journal, "ResetStats0 returned after " + std::to_string(::GetTickCount64() - before) + " ms");
}

LRESULT CALLBACK HostWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  const std::string journal = __argv[1];
  const std::string mode = __argc > 2 ? __argv[2] : "BPSK31";
  const std::string plugin = __argc > 3 ? __argv[3] : "";

  if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  if (!RegisterProgId()) return 4;
  auto* application = new FakeApplication(journal, mode);
  DWORD registration = 0;
  if (FAILED(::RegisterActiveObject(application, kFakeHostClass, ACTIVEOBJECT_STRONG, &registration))) return 5;

  // Made last: once the window exists, the object can be bound.
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = HostWindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kHostWindowClass;
  ::RegisterClassA(&windowClass);
  HWND window = ::CreateWindowExA(0, kHostWindowClass, "MixW (test stand-in)", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  360, 300, 560, 300, nullptr, nullptr, instance, nullptr);
  if (!window) return 6;
  if (!plugin.empty()) ::PostMessageA(window, kResetMessage, 0, 0);

  MSG message{};
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == kResetMessage) ResetThroughPlugin(plugin, journal);
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }

  ::RevokeActiveObject(registration, nullptr);
  ::CoDisconnectObject(application, 0);
  application->Release();
  ::CoUninitialize();
  return 0;
}
